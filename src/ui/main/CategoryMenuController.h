#pragma once

#include "browse/CategoryMenuFill.h"

#include <QObject>
#include <QPointer>

#include <array>

class FilterController;
class GameTable;
class QMenu;

// Fills the eight value menus under "&Category" from the working table, each when it is about to
// open; a menu of thousands of companies opens one letter group at a time.
class CategoryMenuController : public QObject
{
    Q_OBJECT
public:
    // menus in CategoryMenu order; each is enabled and filled from now on.
    CategoryMenuController(FilterController &filters, const std::array<QMenu *, CategoryMenuCount> &menus,
                           QObject *parent = nullptr);

    // Called by every list build.
    void rebuild(const GameTable &grid);

    const CategoryValues &values(CategoryMenu menu) const { return m_fill.values(menu); }
    QMenu *menu(CategoryMenu menu) const { return m_menus[static_cast<size_t>(menu)]; }

private:
    void fillMenu(int index);
    void addValueItems(QMenu *target, CategoryMenu menu, const QStringList &values);

    FilterController &m_filters;
    std::array<QMenu *, CategoryMenuCount> m_menus;
    CategoryMenuFill m_fill;
    // The letter group menus of each menu, made when it was filled last.
    std::array<std::array<QPointer<QMenu>, LetterGroupCount>, CategoryMenuCount> m_groups;
};
