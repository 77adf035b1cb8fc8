#pragma once

#include "browse/CategoryMenus.h"

#include <QtGlobal>

#include <array>

class GameTable;

// When the category menus make their items. A list build only keeps the values; a menu makes its
// items the first time it opens after that, and a letter group of it the first time the group
// opens, so that a list build pays nothing for menus nobody opens.
class CategoryMenuFill
{
public:
    CategoryMenuFill();

    // Called by every list build. A sort lists the same games in another order, and the menus'
    // values, kept sorted, are those of the last build; they are collected again only when the
    // table's cells or games changed since.
    void rebuild(const GameTable &grid);
    const CategoryValues &values(CategoryMenu menu) const { return m_values[static_cast<size_t>(menu)]; }

    // True when the menu opens for the first time since the last list build: it replaces its
    // items, and its letter groups are to be filled again.
    bool takeMenu(CategoryMenu menu);
    // True when a letter group of the menu opens for the first time since the menu was filled.
    bool takeGroup(CategoryMenu menu, int group);

private:
    std::array<CategoryValues, CategoryMenuCount> m_values;
    std::array<bool, CategoryMenuCount> m_stale{};
    bool m_built = false;
    quint64 m_builtFrom = 0; // the table's cellsRevision()
    std::array<std::array<bool, LetterGroupCount>, CategoryMenuCount> m_groupFilled{};
};
