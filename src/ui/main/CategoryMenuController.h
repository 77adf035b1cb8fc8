#pragma once

#include "browse/CategoryMenus.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <vector>

class FilterController;
class GameTable;
class QMenu;

// Fills the eight value menus under "&Category" from the working table. A rebuild only keeps the
// values; a menu makes its items when it is about to open, so that a list build pays nothing for
// menus nobody opens, and a menu of thousands of companies opens one letter group at a time.
class CategoryMenuController : public QObject
{
    Q_OBJECT
public:
    // menus in CategoryMenu order; each is enabled and filled from now on.
    CategoryMenuController(FilterController &filters, const std::array<QMenu *, CategoryMenuCount> &menus,
                           QObject *parent = nullptr);

    // Called by every list build.
    void rebuild(const GameTable &grid);

    const CategoryValues &values(CategoryMenu menu) const { return m_values[static_cast<size_t>(menu)]; }
    QMenu *menu(CategoryMenu menu) const { return m_menus[static_cast<size_t>(menu)]; }

    // The caption of a value: '&' doubled so that no value becomes an accelerator.
    static QString captionOf(const QString &value);

private:
    struct GroupMenu
    {
        QPointer<QMenu> menu;
        int group = 0;
        bool filled = false;
    };
    struct MenuState
    {
        bool stale = true;
        std::vector<GroupMenu> groups;
    };

    void fillMenu(int index);
    void fillGroup(int index, GroupMenu &group);
    void addValueItems(QMenu *target, CategoryMenu menu, const QStringList &values);

    FilterController &m_filters;
    std::array<QMenu *, CategoryMenuCount> m_menus;
    std::array<CategoryValues, CategoryMenuCount> m_values;
    std::array<MenuState, CategoryMenuCount> m_states;
};
