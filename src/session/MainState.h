#pragma once

#include "browse/FieldFilter.h"
#include "launch/EmulatorRegistry.h"
#include "library/LibraryState.h"

#include <QString>

// Everything the program knows for the whole run, in one plain object that the library session
// owns and lends by reference to the parts that need it.
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

    // The one-shot modes of the category menus, and what the last category choice says about
    // the pictures of the games it lists.
    FilterModes filterModes;
    QString galleryHint;
};
