#pragma once

#include "browse/CategoryMenus.h"

#include <QList>
#include <QObject>

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QPoint;

// The commands of the View menu and of the list's context menu that change the Main tab's view.
enum class ViewCommand { WidenList, NarrowList, LengthenList, ShortenList, HideTabs, ViewSimple, ShowRating,
                         LargerInfoView, ViewMax, Count };

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

    bool isChecked(ViewCommand command) const;
    void setChecked(ViewCommand command, bool checked);
    // While the themed view is on, its menu item is ticked and the View menu is disabled.
    void showNostalgiaMode(bool on);
    // While the library is read again, the menus whose commands read the table are disabled.
    void setScanRunning(bool running);

signals:
    void sortFieldChosen(const QString &field);
    void findChosen();
    // "S&how All" of the Category menu.
    void showAllChosen();
    // "Show &All Games" of the context menu.
    void showAllGamesChosen();
    void exitChosen();
    // "&Nostalgia Mode" of the File menu, ticked (true) or unticked.
    void nostalgiaToggled(bool on);
    // "Edit &Current" of the context menu: the selected game in the entry helper.
    void editCurrentChosen();
    // "&OpenFolder", "&Delete Folder" and "&Move All" of the context menu.
    void openFolderChosen();
    void deleteCurrentChosen();
    void moveAllChosen();
    // "&Refresh All" and "Refresh This Game" of the context menu, "&Reload Data" of the File menu.
    void refreshAllChosen();
    void refreshThisGameChosen();
    void reloadDataChosen();
    // "Export to LaunchBox" of the Edit menu.
    void exportChosen();
    void viewChosen(ViewCommand command);
    // "&About" of the Help menu.
    void aboutChosen();
    // "A&ttract" of the context menu, ticked while attract mode runs.
    void attractToggled(bool on);

private:
    void buildFileAndEditMenus(QMainWindow &window);
    void buildSortAndCategoryMenus(QMainWindow &window);
    void buildViewMenu(QMainWindow &window);
    void buildContextMenu(QMainWindow &window);
    QAction *addViewItem(QMenu *menu, ViewCommand command, const char *objectName, const QString &caption);

    QMenu *m_viewMenu = nullptr;
    QMenu *m_contextMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_sortMenu = nullptr;
    QMenu *m_categoryMenu = nullptr;
    QList<QAction *> m_tableCommands;
    bool m_scanRunning = false;
    QAction *m_nostalgiaMode = nullptr;
    std::array<QAction *, static_cast<size_t>(ViewCommand::Count)> m_viewItems{};
    std::array<QMenu *, CategoryMenuCount> m_categoryMenus{};
};
