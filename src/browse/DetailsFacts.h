#pragma once

#include "browse/DetailsContent.h"

#include <QString>

#include <optional>

// The facts of the details' facts box that show the row: what each shows and what a click on it
// means. The panel keeps one label per fact and asks here; how the labels are named and placed
// is the window's business (DetailsLabels).
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

} // namespace DetailsFacts
