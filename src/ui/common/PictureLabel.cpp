#include "ui/common/PictureLabel.h"

#include "browse/PictureLoader.h"

#include <QPainter>

PictureLabel::PictureLabel(const QString &objectName, QWidget *parent) : QWidget(parent)
{
    setObjectName(objectName);
}

void PictureLabel::setImage(const QImage &image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void PictureLabel::clear()
{
    setImage(QImage());
}

Result<QImage> PictureLabel::load(const QString &path)
{
    return PictureLoader::read(path);
}

QRect PictureLabel::targetRect() const
{
    const QSize fitted = m_image.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void PictureLabel::paintEvent(QPaintEvent *)
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return;
    const QRect target = targetRect();
    if (target.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = target.size() * ratio;
    if (m_scaled.size() != pixels) {
        m_scaled = QPixmap::fromImage(m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), m_scaled);
}
