#include "ui/main/ReloadGauge.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int FullCircle = 360 * 16;

} // namespace

ReloadGauge::ReloadGauge(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    // Shown over the pictures; nothing under it should lose its clicks to an idle gauge.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(sizeHint());
}

void ReloadGauge::setRange(int minimum, int maximum)
{
    const int before = filledUnits();
    m_progress.setRange(minimum, maximum);
    if (filledUnits() != before)
        update();
}

void ReloadGauge::setValue(int value)
{
    const int before = filledUnits();
    m_progress.setValue(value);
    if (filledUnits() != before)
        update();
}

int ReloadGauge::filledUnits() const
{
    return m_progress.filled(m_kind == Kind::Pie ? FullCircle : std::max(0, height() - 2));
}

QSize ReloadGauge::sizeHint() const
{
    return m_kind == Kind::Pie ? QSize(40, 40) : QSize(16, 40);
}

void ReloadGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The gauges run while the areas around them are disabled; they keep their active colours.
    const QPalette &colours = palette();
    const QColor fill = colours.color(QPalette::Active, QPalette::Highlight);
    const QColor back = colours.color(QPalette::Active, QPalette::Base);
    const QColor edge = colours.color(QPalette::Active, QPalette::Text);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    if (m_kind == Kind::Pie) {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(area.width(), area.height());
        const QRectF circle(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
        painter.setPen(Qt::NoPen);
        painter.setBrush(back);
        painter.drawEllipse(circle);
        const int span = filledUnits();
        if (span > 0) {
            painter.setBrush(fill);
            if (span >= FullCircle)
                painter.drawEllipse(circle);
            else
                painter.drawPie(circle, 90 * 16, -span); // clockwise from twelve o'clock
        }
        painter.setPen(QPen(edge, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(circle);
        return;
    }

    painter.fillRect(rect(), back);
    const int filled = filledUnits();
    if (filled > 0)
        painter.fillRect(QRect(1, height() - 1 - filled, width() - 2, filled), fill);
    painter.setPen(edge);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
