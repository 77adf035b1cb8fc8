#pragma once

#include "presentation/MainCommands.h"
#include "browse/CategoryMenus.h"

#include <QAction>
#include <QList>
#include <QObject>

#include <array>

class QMainWindow;
class QMenu;
class QPoint;

// The main menu and the Main tab's context menu. They only say what the user chose; the areas
// that own the work decide what follows.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    explicit MainMenus(QMainWindow &window);

    // The value menus under "&Category", in CategoryMenu order, for the menu controller to fill.
    std::array<QMenu *, CategoryMenuCount> categoryMenus() const { return m_categoryMenus; }
    void popupContextMenu(const QPoint &globalPosition);

    // Each choice of the command's item calls `slot` from now on; a slot that takes a bool is
    // told whether the item is ticked now.
    template <class Receiver, class Slot> void on(MainCommand command, Receiver *receiver, Slot slot)
    {
        connect(m_items[static_cast<size_t>(command)], &QAction::triggered, receiver, slot);
    }
    bool isChecked(MainCommand command) const;
    void setChecked(MainCommand command, bool checked);
    // While the themed view is on, its menu item is ticked and the View menu is disabled.
    void showNostalgiaMode(bool on);
    // While the library is read again, the menus whose commands read the table are disabled.
    void setScanRunning(bool running);

signals:
    void sortFieldChosen(const QString &field);
    // A command of the View menu or "View Ma&x" of the context menu.
    void viewChosen(MainCommand command);

private:
    void buildSortAndCategoryMenus();

    // The menus of the menu bar in MainMenu order, then the context menu.
    std::array<QMenu *, MenuBarCount + 1> m_menus{};
    QList<QAction *> m_tableCommands;
    bool m_scanRunning = false;
    std::array<QAction *, MainCommandCount> m_items{};
    std::array<QMenu *, CategoryMenuCount> m_categoryMenus{};
};
