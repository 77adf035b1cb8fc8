#include "ui/nostalgia/NostalgiaPicture.h"

#include "presentation/NostalgiaLayout.h"

#include <QMouseEvent>
#include <QPainter>

NostalgiaPicture::NostalgiaPicture(const QString &objectName, Drawing drawing, QWidget *parent)
    : QWidget(parent), m_drawing(drawing)
{
    setObjectName(objectName);
}

void NostalgiaPicture::setImage(const QImage &image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void NostalgiaPicture::setFallbackColor(const QColor &color)
{
    m_fallback = color;
    update();
}

void NostalgiaPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_image.isNull() || width() <= 0 || height() <= 0) {
        if (m_fallback.isValid())
            painter.fillRect(rect(), m_fallback);
        return;
    }
    QRect target = rect();
    if (m_drawing == Drawing::Fitted)
        target = NostalgiaLayout::fitted(m_image.size(), size());
    if (target.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = target.size() * ratio;
    // Scaled once per size: the timers repaint the scene every few seconds.
    if (m_scaled.size() != pixels) {
        m_scaled =
            QPixmap::fromImage(m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(target.topLeft(), m_scaled);
}

void NostalgiaPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
