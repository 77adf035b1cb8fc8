#pragma once

#include <QSize>
#include <QString>

// The options the user sets once and the program remembers between runs, as one value. Only the
// preferences model knows under which keys the settings file keeps them.
struct Preferences
{
    // As the settings file names it, with a trailing separator, or the default root when it names
    // none. A root given on the command line for the run is the library's business, not this.
    QString libraryRoot;
    bool confirmClose = false;
    bool rememberLastSelected = false;
    bool showDates = true;
    bool nostalgiaMode = false;
    // The offset between the list and the notes that the View menu's list length sets.
    int aboutListSeparator = 0;
    QSize windowSize{800, 600};
    int lastSelectedIndex = 0;
};
