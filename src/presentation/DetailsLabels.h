#pragma once

#include "browse/DetailsFacts.h"
#include "presentation/MainLayout.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

// The labels of the details' facts box as the window has them: their names, where they stand,
// the captions in front of them and the pictures beside them. What each shows and what a click
// on it asks for is the domain's, in DetailsFacts.
namespace DetailsLabels {

using DetailsFacts::LabelCount;

// The facts that can stand beside the extras column, which keeps clear of the widest of them.
constexpr int FirstBesideExtras = DetailsFacts::Publisher;
constexpr int LastBesideExtras = DetailsFacts::Setup;

// lblYear … lblManual2, lblSetup, lblPlatform, lblOtherPlatform1 …, lblExtra1 …
QString objectName(int label);
// Where a label stands before the arrangement chains the platform row and moves the extras.
QPoint designPlace(int label);

// Where the extras and the platform row go, from where the labels stand now and how wide they
// are: the extras column clears the widest fact beside it, and the other platforms follow the
// platform with a separator in each gap. Every other label keeps its place.
struct Arrangement
{
    std::array<QPoint, LabelCount> labels{};
    QPoint extrasHeading;
    std::array<QPoint, DetailsContent::OtherPlatformCount - 1> separators{};
};
Arrangement arrange(const std::array<QRect, LabelCount> &labels);

// The place of each picture from a layout pass: the details' twin first, then the simple view's.
using PictureRects = std::array<std::array<QRect, 2>, DetailsContent::PictureSlotCount>;
PictureRects pictureRects(const MainLayout::Result &result);

// The captions lblDetail01 … lblDetail10: "Year:" to "Setup:", then "Platforms:".
constexpr int CaptionCount = 10;
QString captionName(int index);
QString captionText(int index);
// The separators lblComma1 … lblComma9 between the platforms.
constexpr int CommaCount = DetailsContent::OtherPlatformCount - 1;
QString commaName(int index);
// imgFront01 … imgAdv of the details, imgFront02 … of the simple view; empty where the simple
// view has no such picture (media and advert).
QString pictureName(int slot, bool simpleView);

} // namespace DetailsLabels
