#pragma once

#include "launch/EmulatorRegistry.h"
#include "library/LibraryState.h"

#include <QString>

// Everything the main window knows for the whole run, in one plain object that the window owns
// and hands by reference to the parts that need it.
struct MainState
{
    LibraryState library;
    EmulatorRegistry emulators;

    QString ExeFolder;   // with a trailing separator
    QString SkinsFolder; // without one

    bool ConfirmClose = false;
    bool RememberLastSelected = false;
    bool ShowDates = true;
    bool NostalgiaMode = false;
    int AboutListSeparator = 0;
    int LastSelectedIndex = 0;

    // Main list and selection.
    QString MainSortField = QStringLiteral("Name");
    int MainSortColumn = 0;
    bool ListShowsSortValue = false;
    bool ListShowsRating = false;
    int SelectedRow = 0;
    QString SelectedGameName;
    int ForcedRow = 0;
    bool ForcedRowPending = false;
};
