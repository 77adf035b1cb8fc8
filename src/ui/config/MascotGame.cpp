#include "ui/config/MascotGame.h"

#include "presentation/MascotPicture.h"
#include "ui/common/PictureLabel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

MascotGame::MascotGame(QWidget &panel) : QObject(&panel), m_panel(panel)
{
    setObjectName(QStringLiteral("MascotGame"));
    imgMascot = new PictureLabel(QStringLiteral("imgMascot"), &panel);
    imgMascot->setImage(mascotPicture());
    imgMascot->setGeometry(m_bounce.geometry());
    imgMascot->setCursor(Qt::PointingHandCursor);
    imgMascot->installEventFilter(this);

    lblScore1 = new QLabel(QStringLiteral("Score:"), &panel);
    lblScore1->setObjectName(QStringLiteral("lblScore1"));
    lblScore2 = new QLabel(QStringLiteral("0"), &panel);
    lblScore2->setObjectName(QStringLiteral("lblScore2"));
    lblScore1->move(MascotBounce::Start.x(), 6);
    lblScore1->adjustSize();
    lblScore2->setGeometry(lblScore1->geometry().right() + 7, 6, 60, lblScore1->height());
    lblScore1->hide();
    lblScore2->hide();
    imgMascot->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &MascotGame::Timer1Timer);
}

void MascotGame::emuListTextChanged(const QString &text)
{
    const bool playing = MascotBounce::startsGame(text);
    imgMascot->setVisible(playing);
    lblScore1->setVisible(playing);
    lblScore2->setVisible(playing);
    if (playing) {
        lblScore1->raise();
        lblScore2->raise();
        Timer1->start();
    } else {
        Timer1->stop();
    }
}

void MascotGame::Timer1Timer()
{
    imgMascot->raise();
    m_bounce.tick(m_panel.size());
    imgMascot->move(m_bounce.geometry().topLeft());
    lblScore2->setText(QString::number(m_bounce.score()));
}

void MascotGame::imgMascotClick()
{
    m_bounce.click();
    imgMascot->resize(m_bounce.geometry().size());
}

bool MascotGame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == imgMascot && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        imgMascotClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
