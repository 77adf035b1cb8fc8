#pragma once

#include "wizard/EntryFields.h"

#include <QString>
#include <QStringList>

#include <array>

struct EntryValueLists;

// The layout of the entry helper's window as data: where each field stands in its grid of
// captions and controls, and whether its control offers a list of values to pick from.
namespace EntryForm {

struct Cell
{
    EntryField field;
    const char *caption;
    int row;
    // The caption's grid column; the control stands right of it.
    int column;
    // A box the user may type in or pick one of the values the table holds.
    bool list;
    const char *toolTip;
};

// Every field, in the order its control is made: down the game column, the files column and the
// extras, which is the order the Tab key goes.
const std::array<Cell, EntryFieldCount> &cells();

// What the field's list offers: the values of its kind in the table, the emulators, the ratings;
// nothing for a field without a list.
QStringList itemsFor(EntryField field, const EntryValueLists &lists);

// What a click on the Emulator caption tells.
QString emulatorHelp();

} // namespace EntryForm
