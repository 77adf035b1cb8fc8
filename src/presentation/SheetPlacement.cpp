#include "presentation/SheetPlacement.h"

#include <algorithm>

namespace {

// How much lower than a square the pictures of a gallery are: arcade flyers, the publisher's
// wide boxes, SNES boxes and 2600 title screens.
int heightDivisor(const QString &galleryHint, const ImageSheet::PictureKind &kind)
{
    const bool fronts = kind.mainField == QLatin1String("Front01");
    if (fronts && galleryHint == QLatin1String("Arcade"))
        return 3;
    if (fronts && galleryHint == QLatin1String("Quillmark"))
        return 9;
    if (fronts && galleryHint == QLatin1String("SNES"))
        return 2;
    if (kind.mainField == QLatin1String("Title01") && galleryHint == QLatin1String("2600"))
        return 4;
    return 1;
}

} // namespace

SheetPlacement::SheetPlacement(int size, int sheetWidth, const QString &galleryHint,
                               const ImageSheet::PictureKind &kind)
    : m_size(size), m_gap(size / 12), m_sheetWidth(sheetWidth),
      m_heightDivisor(heightDivisor(galleryHint, kind)), m_x(m_gap), m_y(m_gap)
{
}

QRect SheetPlacement::next(bool fallback)
{
    const int height = (m_size - m_gap) / m_heightDivisor;
    const int width = fallback ? m_size - m_gap : m_size - m_gap - m_size / 5;
    const QRect placed(m_x, m_y, width, height);
    m_bottom = std::max(m_bottom, placed.bottom() + 1);
    m_x += fallback ? m_size : width + m_gap;
    if (m_sheetWidth - m_size < m_x) {
        m_x = m_gap;
        m_y += height + m_gap;
    }
    return placed;
}

QRect SheetPlacement::centred(const QSize &picture, const QSize &box)
{
    return QRect(QPoint((box.width() - picture.width()) / 2, (box.height() - picture.height()) / 2), picture);
}
