#include "ui/sheet/SheetThumbnail.h"

#include "browse/ImageSheet.h"
#include "presentation/SheetPlacement.h"

#include <QMouseEvent>
#include <QPainter>

SheetThumbnail::SheetThumbnail(const QString &name, QWidget *parent) : QWidget(parent), m_name(name)
{
    setObjectName(QStringLiteral("imgThumbnail"));
    setCursor(Qt::PointingHandCursor);
    setToolTip(name);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SheetThumbnail::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void SheetThumbnail::paintEvent(QPaintEvent *)
{
    if (m_image.isNull()) {
        // Grey on the black sheet: plainly not a picture, and plainly there.
        QPainter painter(this);
        painter.fillRect(rect(), QColor(40, 40, 40));
        painter.setPen(QColor(110, 110, 110));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(QColor(200, 200, 200));
        painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, m_name);
        return;
    }
    // The image was decoded no larger than this control; a larger one from elsewhere still fits.
    const QRect target = SheetPlacement::centred(ImageSheet::thumbnailSize(m_image.size(), size()), size());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
}

void SheetThumbnail::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    emit entered(this);
}

void SheetThumbnail::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit left();
}

void SheetThumbnail::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void SheetThumbnail::mouseReleaseEvent(QMouseEvent *event)
{
    // A press dragged off the picture is no click, as with a button.
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
