#include "presentation/NostalgiaLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(NostalgiaLayout, PlacesFollowTheComputerAndTheWindow)
{
    // The list 4 pixels from the right edge, a little taller than the client area.
    EXPECT_EQ(NostalgiaLayout::list(1000, 580, 200), QRect(796, 4, 200, 586));
    EXPECT_EQ(NostalgiaLayout::platformLefts(10, {40, 60, 0}), (QVector<int>{10, 70, 150}));
    EXPECT_EQ(NostalgiaLayout::platformRowAt(580), QPoint(10, 546));
    EXPECT_EQ(NostalgiaLayout::extraTops(100, 15, 3), (QVector<int>{100, 116, 132}));
    EXPECT_EQ(NostalgiaLayout::lineTops(50, {16, 16, 20}), (QVector<int>{50, 67, 84}));

    const QRect computer(10, 120, 360, 300);
    const QRect disk = NostalgiaLayout::disk(computer);
    EXPECT_EQ(disk, QRect(270, 320, 100, 100));
    EXPECT_EQ(disk.right(), computer.right());
    EXPECT_EQ(disk.bottom(), computer.bottom());
    EXPECT_EQ(NostalgiaLayout::diskLabelWidth(disk), 75);
    EXPECT_EQ(NostalgiaLayout::diskLabel(disk, 20), QRect(270 + 50 - 75 / 2 - 8, 370, 75, 20));
    // The name keeps the skin's size where it fits the disk's lower half, shrinks where it does
    // not, and stops at a size that can still be read; a skin's smaller size is kept.
    EXPECT_EQ(NostalgiaLayout::diskLabelRoom(disk), QSize(75, 44));
    const auto lines = [](int wordsPerLine) {
        return [wordsPerLine](int size) { return QSize(60, size * (1 + 12 / wordsPerLine)); };
    };
    EXPECT_EQ(NostalgiaLayout::fittedFontSize(10, QSize(75, 50), lines(12)), 10);
    EXPECT_EQ(NostalgiaLayout::fittedFontSize(10, QSize(75, 50), lines(3)), 10);
    EXPECT_EQ(NostalgiaLayout::fittedFontSize(12, QSize(75, 50), lines(3)), 10);
    EXPECT_EQ(NostalgiaLayout::fittedFontSize(12, QSize(75, 50), [](int size) { return QSize(size * 10, 5); }), 7);
    EXPECT_EQ(NostalgiaLayout::fittedFontSize(12, QSize(10, 10), lines(1)), NostalgiaLayout::SmallestDiskFontSize);
    EXPECT_EQ(NostalgiaLayout::fittedFontSize(4, QSize(10, 10), lines(1)), 4);

    // Centred at its size, but never above or left of the view, where its lines could not be read.
    EXPECT_EQ(NostalgiaLayout::bigScreenAt(computer, QSize(800, 600)), QPoint(0, 0));
    EXPECT_EQ(NostalgiaLayout::bigScreenAt(QRect(0, 400, 100, 600), QSize(200, 200)), QPoint(0, 600));
    EXPECT_EQ(NostalgiaLayout::bigScreenAt(QRect(500, 400, 600, 600), QSize(200, 200)), QPoint(700, 600));
    EXPECT_EQ(NostalgiaLayout::openedBigScreenAt(QRect(600, 400, 600, 400)), QPoint(500, 300));
    EXPECT_EQ(NostalgiaLayout::closeMarkAt(QRect(0, 0, 800, 600), 14), QPoint(786, 0));
}

TEST(NostalgiaLayout, TheBigScreenTypesUnderItsFirstLineAndPlatformsAndPicturesKeepTheirShape)
{
    // "Starting MS-DOS..." 16 high at (110, 90): facts from two lines under it, the prompt two
    // lines under the last fact, the cursor after the prompt.
    const NostalgiaLayout::BigScreenText text = NostalgiaLayout::bigScreenText(16, {16, 20}, 32);
    EXPECT_EQ(text.lines, (QVector<QPoint>{{110, 122}, {110, 139}}));
    EXPECT_EQ(text.prompt, QPoint(110, 179));
    EXPECT_EQ(text.cursor, QPoint(142, 179));

    EXPECT_EQ(NostalgiaLayout::platformPlaces({10, 546}, {40, 60}), (QVector<QPoint>{{10, 546}, {70, 546}}));
    EXPECT_EQ(NostalgiaLayout::shadowOf({70, 546}), QPoint(72, 548));

    // Wide pictures fill the width, tall ones the height, each centred on the other side.
    EXPECT_EQ(NostalgiaLayout::fitted({200, 100}, {100, 100}), QRect(0, 25, 100, 50));
    EXPECT_EQ(NostalgiaLayout::fitted({10, 40}, {100, 100}), QRect(37, 0, 25, 100));
}

} // namespace
