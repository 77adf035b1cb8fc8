#include "presentation/MainCommands.h"

namespace {

using C = MainCommand;
using M = MainMenu;

} // namespace

const std::array<MainMenuInfo, MenuBarCount> &menuBar()
{
    static const std::array<MainMenuInfo, MenuBarCount> menus{{
        {"mnuFile", "&File", false},
        {"mnuEdit", "&Edit", true},
        {"mnuSortBy", "&Sort By", true},
        {"mnuCategory", "&Category", true},
        {"mnuView", "&View", false},
        {"mnuHelp", "&Help", false},
    }};
    return menus;
}

const std::array<MainMenuItem, MainCommandCount> &mainMenuItems()
{
    static const std::array<MainMenuItem, MainCommandCount> items{{
        {C::NostalgiaMode, M::File, "mnuNostalgia", "&Nostalgia Mode", "", true, false, false},
        {C::ReloadData, M::File, "ReloadData1", "&Reload Data", "", false, false, true},
        {C::Exit, M::File, "mnuExit", "E&xit", "Ctrl+Q", false, false, false, QKeySequence::Quit},
        {C::Find, M::Edit, "mnuFind", "&Find", "Ctrl+F", false, false, false, QKeySequence::Find},
        // Before the export, which stays the last item: Up from the top of the menu still reaches it.
        {C::Import, M::Edit, "mnuImport", "&Import…", "", false, true, false},
        {C::Export, M::Edit, "mnuExport", "Export to LaunchBox", "", false, true, false},
        {C::ShowAll, M::Category, "mnuShowAll", "S&how All", "", false, false, false},
        {C::WidenList, M::View, "LargerList1", "&Widen List", "Ctrl+L", false, false, false},
        {C::NarrowList, M::View, "SmallerList1", "&Narrow List", "Ctrl+J", false, false, false},
        {C::LengthenList, M::View, "ExpandListHeight1", "&Lengthen List", "Ctrl+K", false, false, false},
        {C::ShortenList, M::View, "ContractListHeight1", "&Shorten List", "Ctrl+I", false, false, false},
        {C::HideTabs, M::View, "HideTabs1", "&Hide Tabs", "", true, false, false},
        {C::ViewSimple, M::View, "ViewSimple1", "&View Simple", "", true, false, false},
        {C::ShowRating, M::View, "ShowRating1", "Show &Rating", "", true, false, false},
        {C::LargerInfoView, M::View, "LargerInfoView1", "L&arger Info View", "", true, false, false},
        {C::About, M::Help, "mnuAbout", "&About", "", false, false, false},
        {C::ShowAllGames, M::Context, "mnuShowAllGames", "Show &All Games", "", false, false, false},
        {C::EditCurrent, M::Context, "mnuEditCurrent", "Edit &Current", "", false, true, false},
        {C::OpenFolder, M::Context, "mnuOpenFolder", "&OpenFolder", "", false, false, false},
        {C::DeleteCurrent, M::Context, "mnuDeleteCurrent", "&Delete Folder", "", false, false, false},
        {C::RefreshAll, M::Context, "Refresh1", "&Refresh All", "", false, true, true},
        {C::RefreshThisGame, M::Context, "RefreshThisGame1", "Refresh This Game", "", false, false, true},
        {C::MoveAll, M::Context, "MoveAll1", "&Move All", "", false, true, false},
        {C::ViewMax, M::Context, "mnuViewMax", "View Ma&x", "", true, false, false},
        {C::Attract, M::Context, "mnuAttract", "A&ttract", "", true, false, false},
    }};
    return items;
}

bool isViewCommand(MainCommand command)
{
    return (command >= C::WidenList && command <= C::LargerInfoView) || command == C::ViewMax;
}
