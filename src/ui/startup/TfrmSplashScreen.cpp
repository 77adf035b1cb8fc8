#include "ui/startup/TfrmSplashScreen.h"

#include "presentation/MainLayout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int SplashWidth = 420;
constexpr int SplashHeight = 260;
} // namespace

TfrmSplashScreen::TfrmSplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_frames(QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->refreshRate() : 0)
{
    setObjectName(QStringLiteral("TfrmSplashScreen"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(SplashWidth, SplashHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 130, 40, 34);
    layout->setSpacing(4);

    lblLoading = new QLabel(QStringLiteral("Loading...."), this);
    lblLoading->setObjectName(QStringLiteral("lblLoading"));
    lblLoading2 = new QLabel(QStringLiteral("Folders"), this);
    lblLoading2->setObjectName(QStringLiteral("lblLoading2"));
    for (QLabel *label : {lblLoading, lblLoading2}) {
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: #d8f0d8; background: transparent;"));
    }
    pbLoading = new QProgressBar(this);
    pbLoading->setObjectName(QStringLiteral("pbLoading"));
    pbLoading->setTextVisible(false);
    pbLoading->setFixedHeight(12);
    pbLoading->hide();

    layout->addWidget(lblLoading);
    layout->addWidget(lblLoading2);
    layout->addStretch(1);
    layout->addWidget(pbLoading);
    centreOnScreen();
}

void TfrmSplashScreen::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.topLeft() + MainLayout::centredIn(area.size(), size()));
    }
}

void TfrmSplashScreen::showStep(const QString &line, const QString &detail)
{
    lblLoading->setText(line);
    lblLoading2->setText(detail);
}

void TfrmSplashScreen::startGauge(int steps)
{
    setGaugeSteps(steps);
    pbLoading->setValue(0);
    pbLoading->show();
}

void TfrmSplashScreen::setGaugeSteps(int steps)
{
    pbLoading->setRange(0, qMax(0, steps - 1));
}

void TfrmSplashScreen::setGaugeStep(int step)
{
    pbLoading->setValue(step);
}

void TfrmSplashScreen::repaintNow()
{
    if (isVisible())
        repaint();
}

void TfrmSplashScreen::holdProgressPaints(bool hold)
{
    // The gauge repaints itself, card and all, whenever its value moves by a few pixels; held,
    // only the frame-rate paint draws it. Released, it paints normally again, for a message box
    // over the splash and for whatever start-up shows after the scan.
    m_progressHeld = hold;
    pbLoading->setUpdatesEnabled(!hold);
    m_frames.reset();
}

void TfrmSplashScreen::repaintAtFrameRate()
{
    if (!m_frames.paintDue())
        return;
    if (m_progressHeld)
        pbLoading->setUpdatesEnabled(true);
    repaintNow();
    if (m_progressHeld)
        pbLoading->setUpdatesEnabled(false);
    m_frames.painted();
}

void TfrmSplashScreen::paintEvent(QPaintEvent *)
{
    // The card is drawn rather than loaded, so the splash needs no file beside the program.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 18, 18);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(0x12, 0x3a, 0x1c));
    fill.setColorAt(1, QColor(0x04, 0x12, 0x08));
    painter.fillPath(card, fill);
    painter.setPen(QPen(QColor(0x4c, 0xc0, 0x5a), 3));
    painter.drawPath(card);

    // A stylised cartridge-and-screen mark above the title.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x8b, 0x3c));
    painter.drawRoundedRect(QRectF(width() / 2.0 - 46, 22, 92, 46), 6, 6);
    painter.setBrush(QColor(0xb8, 0xf5, 0x7a));
    painter.drawRect(QRectF(width() / 2.0 - 36, 30, 72, 30));
    painter.setBrush(QColor(0x12, 0x3a, 0x1c));
    for (int i = 0; i < 4; ++i)
        painter.drawRect(QRectF(width() / 2.0 - 30 + i * 16, 40, 8, 8));

    QFont title = font();
    title.setPointSize(24);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    painter.setFont(title);
    painter.setPen(QColor(0xf0, 0xff, 0xd0));
    painter.drawText(QRect(0, 74, width(), 48), Qt::AlignCenter, QStringLiteral("P.A.L.L.O.X."));
}
