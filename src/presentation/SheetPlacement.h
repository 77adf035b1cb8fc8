#pragma once

#include "browse/ImageSheet.h"

#include <QRect>
#include <QSize>
#include <QString>

// Places the image sheet's thumbnails in lines from left to right over a sheet of a given width,
// for thumbnail size `size` (the gap is a twelfth of it).
class SheetPlacement
{
  public:
    SheetPlacement(int size, int sheetWidth, const QString &galleryHint, const ImageSheet::PictureKind &kind);

    int gap() const { return m_gap; }
    // The rectangle of the next thumbnail; a fallback picture gets the full square.
    QRect next(bool fallback);
    // Below the lowest thumbnail placed so far, one gap.
    int height() const { return m_bottom + m_gap; }

    // A picture of the given size centred in a box of its own size at the origin.
    static QRect centred(const QSize &picture, const QSize &box);

  private:
    int m_size;
    int m_gap;
    int m_sheetWidth;
    int m_heightDivisor = 1;
    int m_x;
    int m_y;
    int m_bottom = 0;
};
