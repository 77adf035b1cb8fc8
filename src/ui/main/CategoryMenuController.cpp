#include "ui/main/CategoryMenuController.h"

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

QString CategoryMenuController::captionOf(const QString &value)
{
    QString caption = value;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    // A tab would split the caption into text and shortcut.
    caption.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return caption;
}

void CategoryMenuController::rebuild(const GameTable &grid)
{
    m_values = collectCategoryValues(grid);
    // The items are replaced when a menu next opens: a rebuild runs from a menu item's own click,
    // and that item must outlive its click.
    for (MenuState &state : m_states)
        state.stale = true;
}

void CategoryMenuController::fillMenu(int index)
{
    MenuState &state = m_states[static_cast<size_t>(index)];
    QMenu *menu = m_menus[static_cast<size_t>(index)];
    if (!menu || !state.stale)
        return;
    state.stale = false;
    menu->clear();
    for (GroupMenu &group : state.groups) {
        if (group.menu)
            group.menu->deleteLater();
    }
    state.groups.clear();

    const CategoryValues &values = m_values[static_cast<size_t>(index)];
    const auto kind = static_cast<CategoryMenu>(index);
    if (!values.grouped) {
        addValueItems(menu, kind, values.values);
        return;
    }
    const auto &captions = letterGroupCaptions();
    state.groups.reserve(LetterGroupCount);
    for (int g = 0; g < LetterGroupCount; ++g) {
        QMenu *groupMenu = menu->addMenu(captions[static_cast<size_t>(g)]);
        state.groups.push_back(GroupMenu{groupMenu, g, false});
        connect(groupMenu, &QMenu::aboutToShow, this, [this, index, groupMenu] {
            for (GroupMenu &group : m_states[static_cast<size_t>(index)].groups) {
                if (group.menu == groupMenu)
                    fillGroup(index, group);
            }
        });
    }
}

void CategoryMenuController::fillGroup(int index, GroupMenu &group)
{
    if (group.filled || !group.menu)
        return;
    group.filled = true;
    const CategoryValues &values = m_values[static_cast<size_t>(index)];
    addValueItems(group.menu, static_cast<CategoryMenu>(index), values.groups[static_cast<size_t>(group.group)]);
}

void CategoryMenuController::addValueItems(QMenu *target, CategoryMenu menu, const QStringList &values)
{
    QList<QAction *> actions;
    actions.reserve(values.size());
    for (const QString &value : values) {
        auto *action = new QAction(captionOf(value), target);
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
