#include "presentation/MascotPicture.h"

#include "presentation/MascotBounce.h"

#include <QPainter>
#include <QPainterPath>

QImage mascotPicture()
{
    QImage image(MascotBounce::DesignSize * 2, QImage::Format_ARGB32_Premultiplied);
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
