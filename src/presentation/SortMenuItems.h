#pragma once

#include "browse/MainList.h"

#include <array>

// The items of the "&Sort By" menu.
namespace SortMenuItems {

struct Item
{
    MainSort sort;
    const char *objectName;
    const char *caption;
    bool separatorBefore;
};

// In menu order, each order of the list once.
const std::array<Item, MainSortCount> &all();

} // namespace SortMenuItems
