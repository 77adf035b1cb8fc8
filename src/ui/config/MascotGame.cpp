#include "ui/config/MascotGame.h"

#include "ui/common/PictureLabel.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace {

constexpr int MascotWidth = 123;
constexpr int MascotHeight = 146;
constexpr QPoint MascotStart(420, 30);

// Drawn here rather than shipped as a file, so the mascot cannot go missing beside the program.
// A floppy disk with a face: the medium the oldest games of a collection came on.
QImage drawMascot()
{
    QImage image(MascotWidth * 2, MascotHeight * 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);

    // Body with the cut corner of a disk.
    QPainterPath body;
    body.moveTo(6, 20);
    body.lineTo(98, 20);
    body.lineTo(117, 39);
    body.lineTo(117, 140);
    body.lineTo(6, 140);
    body.closeSubpath();
    p.setPen(QPen(QColor(0x10, 0x18, 0x30), 3));
    p.setBrush(QColor(0x2E, 0x5C, 0xB8));
    p.drawPath(body);

    // Metal shutter and its window.
    p.setBrush(QColor(0xC8, 0xCC, 0xD4));
    p.drawRect(QRectF(28, 20, 56, 34));
    p.setBrush(QColor(0x2E, 0x5C, 0xB8));
    p.drawRect(QRectF(64, 25, 12, 24));

    // Label with the face on it.
    p.setBrush(QColor(0xF4, 0xF0, 0xE0));
    p.drawRoundedRect(QRectF(18, 68, 87, 64), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x18, 0x30));
    p.drawEllipse(QPointF(44, 90), 7, 9);
    p.drawEllipse(QPointF(79, 90), 7, 9);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(46, 87), 2.5, 2.5);
    p.drawEllipse(QPointF(81, 87), 2.5, 2.5);
    p.setBrush(QColor(0xF0, 0x90, 0x90));
    p.drawEllipse(QPointF(32, 106), 6, 4);
    p.drawEllipse(QPointF(91, 106), 6, 4);
    p.setPen(QPen(QColor(0x10, 0x18, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(48, 98, 27, 18), 200 * 16, 140 * 16);

    // A hop: two little feet under the body.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x18, 0x30));
    p.drawRoundedRect(QRectF(26, 139, 22, 6), 3, 3);
    p.drawRoundedRect(QRectF(76, 139, 22, 6), 3, 3);
    return image;
}

} // namespace

const QString MascotGame::TriggerText = QStringLiteral("boing");

MascotGame::MascotGame(QWidget &panel) : QObject(&panel), m_panel(panel)
{
    setObjectName(QStringLiteral("MascotGame"));
    imgMascot = new PictureLabel(QStringLiteral("imgMascot"), &panel);
    imgMascot->setImage(drawMascot());
    imgMascot->setGeometry(QRect(MascotStart, QSize(MascotWidth, MascotHeight)));
    imgMascot->setCursor(Qt::PointingHandCursor);
    imgMascot->installEventFilter(this);
    m_x = MascotStart.x();
    m_y = MascotStart.y();

    lblScore1 = new QLabel(QStringLiteral("Score:"), &panel);
    lblScore1->setObjectName(QStringLiteral("lblScore1"));
    lblScore2 = new QLabel(QStringLiteral("0"), &panel);
    lblScore2->setObjectName(QStringLiteral("lblScore2"));
    lblScore1->move(MascotStart.x(), 6);
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
    const bool playing = text == TriggerText;
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
    m_x += m_dx;
    m_y += m_dy;
    if (m_panel.height() - imgMascot->height() < m_y + m_dy)
        m_dy = -m_speed;
    if (m_panel.width() - imgMascot->width() < m_x + m_dx)
        m_dx = -m_speed;
    if (m_y + m_dy < 0)
        m_dy = m_speed;
    if (m_x + m_dx < 0)
        m_dx = m_speed;
    imgMascot->move(m_x, m_y);
    lblScore2->setText(QString::number(m_score));
}

void MascotGame::imgMascotClick()
{
    ++m_score;
    ++m_speed;
    if (m_speed > 5) {
        m_speed = 1;
        const auto shrunk = [](int side) { return side - 10 < 12 ? 2 : side - 10; };
        imgMascot->resize(shrunk(imgMascot->width()), shrunk(imgMascot->height()));
    }
    m_dx += m_dx > 0 ? m_speed : -m_speed;
    m_dy += m_dy > 0 ? m_speed : -m_speed;
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
