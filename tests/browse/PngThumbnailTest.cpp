#include "browse/ImageSheet.h"
#include "browse/PngThumbnail.h"

#include "support/Files.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <optional>

namespace {

// Smooth areas with hard edges between them: where an averaging error would show.
QImage picture(QImage::Format format)
{
    QImage image(400, 560, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 400, 560);
    gradient.setColorAt(0, QColor(250, 30, 60));
    gradient.setColorAt(1, QColor(20, 90, 240, 120));
    painter.fillRect(QRect(0, 0, 400, 400), gradient);
    painter.setBrush(QColor(255, 255, 0));
    painter.drawEllipse(QRect(100, 380, 200, 150));
    painter.end();
    if (format == QImage::Format_Indexed8)
        return image.convertToFormat(format, Qt::ThresholdDither);
    return image.convertToFormat(format);
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The mean difference per channel from Qt's own smooth scaling, with colours premultiplied.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double total = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))
                + std::abs(qAlpha(p) - qAlpha(q));
        }
    return total / (4.0 * x.width() * x.height());
}

} // namespace

TEST(PngThumbnail, EveryColourTypeLooksLikeQtsOwnScaling)
{
    const QSize size(100, 140);
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_Grayscale8,
                                        QImage::Format_Indexed8}) {
        SCOPED_TRACE(int(format));
        const QImage source = picture(format);
        const QByteArray bytes = png(source);
        ASSERT_EQ(PngThumbnail::pictureSize(bytes), QSize(400, 560));
        const QImage fast = PngThumbnail::decode(bytes, size);
        ASSERT_EQ(fast.size(), size);
        const QImage reference = QImage::fromData(bytes, "PNG").scaled(size, Qt::IgnoreAspectRatio,
                                                                       Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(fast, reference), 3.0);
        EXPECT_EQ(fast.hasAlphaChannel(), reference.hasAlphaChannel());
    }
}

TEST(PngThumbnail, WhatItDoesNotTakeIsLeftToQtsReader)
{
    const QByteArray bytes = png(picture(QImage::Format_RGB32));
    // Close to the picture's own size there are no whole blocks to average.
    EXPECT_TRUE(PngThumbnail::decode(bytes, QSize(300, 420)).isNull());
    EXPECT_TRUE(PngThumbnail::decode(QByteArray("GIF89a"), QSize(10, 10)).isNull());
    EXPECT_FALSE(PngThumbnail::pictureSize(QByteArray("\x89PNG")).isValid());

    // Damage anywhere gives no picture and no crash: cut short, a broken stream, a length that
    // runs past the end, a row filter that does not exist.
    QByteArray cut = bytes.left(bytes.size() / 2);
    EXPECT_TRUE(PngThumbnail::decode(cut, QSize(100, 140)).isNull());
    const int idat = bytes.indexOf("IDAT");
    ASSERT_GT(idat, 0);
    QByteArray broken = bytes;
    for (int i = idat + 10; i < idat + 60; ++i)
        broken[i] = char(0xA5);
    EXPECT_TRUE(PngThumbnail::decode(broken, QSize(100, 140)).isNull());
    QByteArray longChunk = bytes;
    longChunk[idat - 4] = char(0x7F);
    EXPECT_TRUE(PngThumbnail::decode(longChunk, QSize(100, 140)).isNull());

    // Stored rows: no compression, so the filter byte of the first row can be set to 9.
    QImage tiny(8, 8, QImage::Format_Grayscale8);
    tiny.fill(100);
    QByteArray stored;
    QBuffer buffer(&stored);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    writer.setCompression(0);
    ASSERT_TRUE(writer.write(tiny));
    const int firstRow = stored.indexOf("IDAT") + 4 + 2 + 5;
    ASSERT_LE(int(stored.at(firstRow)), 4);
    stored[firstRow] = 9;
    EXPECT_TRUE(PngThumbnail::decode(stored, QSize(4, 4)).isNull());
}

TEST(PngThumbnail, TheSheetStillExplainsAPictureNeitherReaderTakes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("front.png"));
    const QByteArray bytes = png(picture(QImage::Format_RGB32));
    ASSERT_TRUE(writeFile(path, bytes.left(200)));
    const Result<QImage> damaged = ImageSheet::decodeThumbnail(path, QSize(138, 138));
    ASSERT_FALSE(damaged);
    EXPECT_TRUE(damaged.error().message().startsWith(QStringLiteral("Could not show the picture")));

    ASSERT_TRUE(writeFile(path, bytes));
    const Result<QImage> shown = ImageSheet::decodeThumbnail(path, QSize(138, 138));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->size(), QSize(98, 138));
}

TEST(PngThumbnail, TheWorkersOfASheetUnpackWithinOneBudget)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("front.png"));
    const QByteArray bytes = png(picture(QImage::Format_RGB32));
    ASSERT_TRUE(writeFile(path, bytes));
    const QSize size(100, 140);
    const QImage expected = PngThumbnail::decode(bytes, size);
    ASSERT_EQ(expected.size(), size);
    const std::size_t picture = (400 * 3 + 1) * 560;
    PngThumbnail::UnpackBudget budget(picture + picture / 2);

    // With the budget taken, a worker waits for room rather than unpacking beside it.
    std::optional<PngThumbnail::UnpackBudget::Buffer> held(budget.take(picture));
    const unsigned char *memory = held->data();
    auto waiting = std::async(std::launch::async, [&] { return PngThumbnail::decode(bytes, size, &budget); });
    EXPECT_EQ(waiting.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    held.reset();
    EXPECT_EQ(waiting.get(), expected);
    EXPECT_EQ(budget.take(picture).data(), memory) << "the buffer given back is used again";
    EXPECT_EQ(budget.trim(), picture) << "and kept until the budget is trimmed";
    EXPECT_EQ(budget.trim(), 0u);

    // A picture larger than the whole budget goes to Qt's reader instead.
    PngThumbnail::UnpackBudget small(picture / 2);
    EXPECT_TRUE(PngThumbnail::decode(bytes, size, &small).isNull());
    EXPECT_EQ(ImageSheet::decodeThumbnail(path, QSize(138, 138), &small).value().size(), QSize(98, 138));
    EXPECT_EQ(small.trim(), 0u) << "no buffer was ever made";
}
