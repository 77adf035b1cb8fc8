#pragma once

#include "browse/CategoryMenus.h"

#include <QString>

#include <array>

// How the value menus under "&Category" appear: their names and captions, the captions of their
// letter groups and of the values' items.
namespace CategoryMenuItems {

struct Item
{
    CategoryMenu menu;
    const char *objectName;
    const char *caption;
};

// In CategoryMenu order, which is also their order in the menu.
const std::array<Item, CategoryMenuCount> &all();

// "#-C", "D-G", "H-K", "L-O", "P-S", "T-W", "X-Z": the letters of each group of letterGroupOf().
const std::array<QString, LetterGroupCount> &letterGroupCaptions();

// The caption of a value's item: '&' doubled so that no value becomes an accelerator.
QString valueCaption(const QString &value);

} // namespace CategoryMenuItems
