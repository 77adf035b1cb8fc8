#pragma once

#include "presentation/MainLayout.h"
#include "browse/DetailsContent.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

// The labels of the details' facts box that show the row: their names, where they stand, what
// each shows and what a click on it means. The panel keeps one label per entry and asks here.
namespace DetailsFacts {

enum Label : int {
    Year,
    Publisher,
    Developer,
    Genre,
    SubGenre,
    SubGenre2,
    Series,
    Series2,
    Designer,
    Designer2,
    Manual, // "Available" when the row names a manual
    Setup,
    Platform, // the platform whose record is shown; the other platforms follow it in a row
    OtherPlatform1,
    Extra1 = OtherPlatform1 + DetailsContent::OtherPlatformCount,
    LabelCount = Extra1 + DetailsContent::ExtraCount
};

// The facts that can stand beside the extras column, which keeps clear of the widest of them.
constexpr int FirstBesideExtras = Publisher;
constexpr int LastBesideExtras = Setup;

// lblYear … lblManual2, lblSetup, lblPlatform, lblOtherPlatform1 …, lblExtra1 …
QString objectName(int label);
// Where a label stands before the arrangement chains the platform row and moves the extras.
QPoint designPlace(int label);

struct Shown
{
    QString text;
    bool visible = false;
};
// What a label shows for a row; nothing for the platform row while a platform switch keeps the
// texts of the game picked in the list.
std::optional<Shown> shownFor(int label, const DetailsContent &content);

// 0 for the platform, 1 to 10 for the other platforms, -1 for every other label.
int platformIndex(int label);

struct Click
{
    enum Kind { Nothing, Field, Platform, Setup, Manual, Extra };
    Kind kind = Nothing;
    QString field;  // the field a Field click filters the list by
    int number = 0; // the platform index, or the extra's number from 1 to 7
    QString target; // the manual file or the extra's link
};
// What a click on a label asks for; the label's own text is the value it carries.
Click clickOn(int label, const DetailsContent &content);

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

} // namespace DetailsFacts
