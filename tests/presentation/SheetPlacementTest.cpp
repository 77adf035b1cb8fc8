#include "presentation/SheetPlacement.h"

#include <gtest/gtest.h>

namespace {

const ImageSheet::PictureKind fronts = ImageSheet::kindFor(QStringLiteral("Fronts"));
const ImageSheet::PictureKind titles = ImageSheet::kindFor(QStringLiteral("Titles"));

TEST(SheetPlacement, DefaultSizeFillsLinesUpToTheRightMargin)
{
    // 700 wide: lines end once x passes 550.
    SheetPlacement placement(150, 700, QString(), fronts);
    EXPECT_EQ(placement.gap(), 12);
    EXPECT_EQ(placement.next(false), QRect(12, 12, 108, 138));
    EXPECT_EQ(placement.next(true), QRect(132, 12, 138, 138));
    EXPECT_EQ(placement.next(false), QRect(282, 12, 108, 138));
    EXPECT_EQ(placement.next(false), QRect(402, 12, 108, 138));
    // x is now 522; this one takes it to 642, past the margin.
    EXPECT_EQ(placement.next(false), QRect(522, 12, 108, 138));
    EXPECT_EQ(placement.next(true), QRect(12, 162, 138, 138));

    // A sheet narrower than one thumbnail still shows one per line.
    SheetPlacement narrow(150, 100, QString(), fronts);
    narrow.next(false);
    EXPECT_EQ(narrow.next(false).topLeft(), QPoint(12, 162));

    // Three a line over 500: the sheet is four lines of 138 and their gaps of 12 high.
    SheetPlacement twelve(150, 500, QString(), fronts);
    for (int i = 0; i < 12; ++i)
        twelve.next(false);
    EXPECT_EQ(twelve.height(), 12 + 4 * 150);
}

TEST(SheetPlacement, GalleryHintsFollowTheKindsMainField)
{
    EXPECT_EQ(SheetPlacement(150, 1000, QStringLiteral("Arcade"), fronts).next(false).size(), QSize(108, 46));
    // The hint looks at the kind, not at which picture is shown.
    EXPECT_EQ(SheetPlacement(150, 1000, QStringLiteral("Arcade"), fronts).next(true).size(), QSize(138, 46));
    EXPECT_EQ(SheetPlacement(150, 1000, QStringLiteral("Quillmark"), fronts).next(false).height(), 15);
    EXPECT_EQ(SheetPlacement(150, 1000, QStringLiteral("SNES"), fronts).next(false).height(), 69);
    EXPECT_EQ(SheetPlacement(150, 1000, QStringLiteral("2600"), titles).next(false).height(), 34);
    EXPECT_EQ(SheetPlacement(150, 1000, QStringLiteral("2600"), fronts).next(false).height(), 138);
    EXPECT_EQ(SheetPlacement(150, 1000, QStringLiteral("Arcade"), titles).next(false).height(), 138);

    SheetPlacement arcade(150, 300, QStringLiteral("Arcade"), fronts);
    arcade.next(false);
    arcade.next(false);
    // A new line starts below the low thumbnail, not a full square lower.
    EXPECT_EQ(arcade.next(false).topLeft(), QPoint(12, 70));
}

} // namespace
