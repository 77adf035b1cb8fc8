#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a PNG picture straight to a thumbnail, averaging the picture's pixels into the
// thumbnail row by row as they are unpacked. Qt's own reader cannot scale PNG while reading:
// it builds the full picture and scales it afterwards, which makes a sheet of full-size PNG
// box fronts several times slower than one of JPEGs.
namespace PngThumbnail {

// The thumbnail of `size` (each side at most half the picture's, so every thumbnail pixel
// averages whole blocks of picture pixels), or a null image when the data is not a PNG this
// decoder takes (interlaced, 16 bits per channel, fewer than 8 bits per pixel, turned by an
// Exif note, damaged, or too large). The caller then leaves the picture to Qt's reader, which
// takes every PNG and explains what is wrong with a damaged one.
QImage decode(const QByteArray &data, const QSize &size);

// The picture's own size from its header; invalid when the data is not a PNG.
QSize pictureSize(const QByteArray &data);

} // namespace PngThumbnail
