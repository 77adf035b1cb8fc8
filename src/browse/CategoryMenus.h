#pragma once

#include <QString>
#include <QStringList>

#include <array>

class GameTable;
struct FilterModes;

// The eight value menus under "&Category", in menu order.
enum class CategoryMenu {
    Developer,
    Publisher,
    DevOrPub,
    Platform,
    Genre,
    SubGenres,
    GenrePlus,
    Emulator,
};
inline constexpr int CategoryMenuCount = 8;

struct CategoryMenuInfo
{
    CategoryMenu menu;
    const char *filterField; // the field filter a choice runs
    bool letterGroups;       // values split by initial once there are enough of them
};

const std::array<CategoryMenuInfo, CategoryMenuCount> &categoryMenus();
const CategoryMenuInfo &categoryMenuInfo(CategoryMenu menu);

// From this many values on, a menu that has letter groups shows them.
inline constexpr int LetterGroupThreshold = 40;
inline constexpr int LetterGroupCount = 7;
// The group of a value by its first character upper-cased: A to C, then four letters a group up
// to X to Z; anything but A to Z (digits, signs, accented letters) joins the first group.
int letterGroupOf(const QString &value);

struct CategoryValues
{
    QStringList values; // sorted without regard to letter case
    bool grouped = false;
    // When grouped: the values of each letter group, still sorted.
    std::array<QStringList, LetterGroupCount> groups;
};

// The values of every menu as the working table has them now: distinct without regard to letter
// case (the first spelling met wins), sorted, and split into letter groups where due.
std::array<CategoryValues, CategoryMenuCount> collectCategoryValues(const GameTable &grid);
CategoryValues groupCategoryValues(QStringList values, bool letterGroups);

// The picture sheet's hint for a choice; empty when the value means nothing to it.
QString galleryHintFor(CategoryMenu menu, const QString &value);
// The one-shot mode a choice switches before its filter runs.
void switchModeFor(CategoryMenu menu, FilterModes &modes);
