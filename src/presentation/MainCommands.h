#pragma once

#include <QKeySequence>

#include <array>

// The commands of the main menu and of the Main tab's context menu, in menu order.
enum class MainCommand {
    NostalgiaMode,
    ReloadData,
    Exit,
    Find,
    Import,
    Export,
    ShowAll,
    WidenList,
    NarrowList,
    LengthenList,
    ShortenList,
    HideTabs,
    ViewSimple,
    ShowRating,
    LargerInfoView,
    About,
    ShowAllGames,
    EditCurrent,
    OpenFolder,
    DeleteCurrent,
    RefreshAll,
    RefreshThisGame,
    MoveAll,
    ViewMax,
    Attract,
    Count
};
inline constexpr int MainCommandCount = static_cast<int>(MainCommand::Count);

// The menus of the menu bar in their order, then the context menu of the list and the Main tab.
enum class MainMenu { File, Edit, SortBy, Category, View, Help, Context };
inline constexpr int MenuBarCount = static_cast<int>(MainMenu::Context);

struct MainMenuInfo
{
    const char *objectName;
    const char *caption;
    // Every command of the menu reads the table: it is held while the library is read again.
    bool heldDuringScan;
};
// The menus of the menu bar, in MainMenu order.
const std::array<MainMenuInfo, MenuBarCount> &menuBar();

struct MainMenuItem
{
    MainCommand command;
    MainMenu menu;
    const char *objectName;
    const char *caption;
    const char *shortcut; // portable key text, empty for none
    bool checkable;
    bool separatorBefore;
    // Reads the library again: held while a scan runs.
    bool readsLibrary;
    // A command every desktop has a key for takes the desktop's keys; `shortcut` is the key
    // where the desktop has none for it (Windows has no key for Quit, for one).
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
};
// Every item, in MainCommand order, which is also its order in its menu.
const std::array<MainMenuItem, MainCommandCount> &mainMenuItems();

// The commands that change how the Main tab shows the list and the details.
bool isViewCommand(MainCommand command);
