#include "ui/main/CategoryMenuController.h"

#include "presentation/CategoryMenuItems.h"
#include "ui/main/FilterController.h"

#include <QAction>
#include <QMenu>

CategoryMenuController::CategoryMenuController(FilterController &filters,
                                               const std::array<QMenu *, CategoryMenuCount> &menus,
                                               QObject *parent)
    : QObject(parent), m_filters(filters), m_menus(menus)
{
    for (int i = 0; i < CategoryMenuCount; ++i) {
        QMenu *menu = m_menus[static_cast<size_t>(i)];
        if (!menu)
            continue;
        menu->setEnabled(true);
        menu->menuAction()->setEnabled(true);
        connect(menu, &QMenu::aboutToShow, this, [this, i] { fillMenu(i); });
    }
}

void CategoryMenuController::rebuild(const GameTable &grid)
{
    // The items are replaced when a menu next opens: a rebuild runs from a menu item's own click,
    // and that item must outlive its click.
    m_fill.rebuild(grid);
}

void CategoryMenuController::fillMenu(int index)
{
    QMenu *menu = m_menus[static_cast<size_t>(index)];
    const auto kind = static_cast<CategoryMenu>(index);
    if (!menu || !m_fill.takeMenu(kind))
        return;
    menu->clear();
    for (QPointer<QMenu> &group : m_groups[static_cast<size_t>(index)]) {
        if (group)
            group->deleteLater();
    }
    const CategoryValues &values = m_fill.values(kind);
    if (!values.grouped) {
        addValueItems(menu, kind, values.values);
        return;
    }
    for (int g = 0; g < LetterGroupCount; ++g) {
        QMenu *groupMenu = menu->addMenu(CategoryMenuItems::letterGroupCaptions()[static_cast<size_t>(g)]);
        m_groups[static_cast<size_t>(index)][static_cast<size_t>(g)] = groupMenu;
        connect(groupMenu, &QMenu::aboutToShow, this, [this, kind, g, groupMenu] {
            if (m_fill.takeGroup(kind, g))
                addValueItems(groupMenu, kind, m_fill.values(kind).groups[static_cast<size_t>(g)]);
        });
    }
}

void CategoryMenuController::addValueItems(QMenu *target, CategoryMenu menu, const QStringList &values)
{
    QList<QAction *> actions;
    actions.reserve(values.size());
    for (const QString &value : values) {
        auto *action = new QAction(CategoryMenuItems::valueCaption(value), target);
        // The filter takes the value from here, never from the caption.
        action->setData(value);
        connect(action, &QAction::triggered, this, [this, menu, action] {
            m_filters.categoryClick(menu, action->data().toString());
        });
        actions.append(action);
    }
    // One insertion: adding items one by one lays the menu out again for each.
    target->addActions(actions);
}
