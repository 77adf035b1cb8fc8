#pragma once

#include "wizard/EntryFields.h"

#include <QString>
#include <QStringList>

struct EntryValueLists;

// What the entry helper's form offers that needs none of its controls: the values a field's
// list holds and the help behind the Emulator caption. Where each field stands is the window's
// (EntryFormCells).
namespace EntryForm {

// What the field's list offers: the values of its kind in the table, the emulators, the ratings;
// nothing for a field without a list.
QStringList itemsFor(EntryField field, const EntryValueLists &lists);

// What a click on the Emulator caption tells.
QString emulatorHelp();

} // namespace EntryForm
