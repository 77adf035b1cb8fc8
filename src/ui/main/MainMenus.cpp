#include "ui/main/MainMenus.h"

#include "presentation/CategoryMenuItems.h"
#include "presentation/SortMenuItems.h"
#include "ui/common/Controls.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

MainMenus::MainMenus(QMainWindow &window) : QObject(&window)
{
    setObjectName(QStringLiteral("MainMenus"));
    for (int i = 0; i < MenuBarCount; ++i) {
        const MainMenuInfo &info = menuBar()[size_t(i)];
        m_menus[size_t(i)] = named(window.menuBar()->addMenu(QString::fromUtf8(info.caption)), info.objectName);
    }
    m_menus[size_t(MainMenu::Context)] = named(new QMenu(&window), "MainContextMenu");

    for (const MainMenuItem &item : mainMenuItems()) {
        QMenu *menu = m_menus[size_t(item.menu)];
        if (item.separatorBefore)
            menu->addSeparator();
        QAction *action = named(menu->addAction(QString::fromUtf8(item.caption)), item.objectName);
        action->setCheckable(item.checkable);
        QList<QKeySequence> keys = QKeySequence::keyBindings(item.standardKey);
        if (keys.isEmpty())
            keys = {QKeySequence(QString::fromLatin1(item.shortcut))};
        action->setShortcuts(keys);
        if (item.readsLibrary)
            m_tableCommands << action;
        const MainCommand command = item.command;
        if (isViewCommand(command))
            connect(action, &QAction::triggered, this, [this, command] { emit viewChosen(command); });
        m_items[size_t(command)] = action;
    }
    buildSortAndCategoryMenus();
}

void MainMenus::buildSortAndCategoryMenus()
{
    QMenu *sortBy = m_menus[size_t(MainMenu::SortBy)];
    for (const SortMenuItems::Item &item : SortMenuItems::all()) {
        if (item.separatorBefore)
            sortBy->addSeparator();
        QAction *action = named(sortBy->addAction(QString::fromUtf8(item.caption)), item.objectName);
        const QString field = mainSortField(item.sort);
        connect(action, &QAction::triggered, this, [this, field] { emit sortFieldChosen(field); });
    }

    QMenu *category = m_menus[size_t(MainMenu::Category)];
    for (const CategoryMenuItems::Item &item : CategoryMenuItems::all()) {
        QMenu *sub = named(category->addMenu(QString::fromUtf8(item.caption)), item.objectName);
        sub->menuAction()->setObjectName(QLatin1String(item.objectName));
        m_categoryMenus[static_cast<size_t>(item.menu)] = sub;
    }
}

void MainMenus::popupContextMenu(const QPoint &globalPosition)
{
    // Every command of this menu reads the table or changes the view of it.
    if (!m_scanRunning)
        m_menus[size_t(MainMenu::Context)]->popup(globalPosition);
}

void MainMenus::setScanRunning(bool running)
{
    m_scanRunning = running;
    if (running)
        m_menus[size_t(MainMenu::Context)]->hide();
    for (QAction *action : std::as_const(m_tableCommands))
        action->setEnabled(!running);
    for (int i = 0; i < MenuBarCount; ++i) {
        if (menuBar()[size_t(i)].heldDuringScan)
            m_menus[size_t(i)]->menuAction()->setEnabled(!running);
    }
}

bool MainMenus::isChecked(MainCommand command) const
{
    return m_items[static_cast<size_t>(command)]->isChecked();
}

void MainMenus::setChecked(MainCommand command, bool checked)
{
    m_items[static_cast<size_t>(command)]->setChecked(checked);
}

void MainMenus::showNostalgiaMode(bool on)
{
    QMenu *view = m_menus[size_t(MainMenu::View)];
    view->setEnabled(!on);
    view->menuAction()->setEnabled(!on);
    setChecked(MainCommand::NostalgiaMode, on);
}
