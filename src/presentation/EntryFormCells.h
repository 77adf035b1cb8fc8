#pragma once

#include "wizard/EntryFields.h"

#include <array>

// The layout of the entry helper's window as data: the control of each field, where it stands in
// its grid of captions and controls, and whether it offers a list of values to pick from.
namespace EntryFormCells {

struct Cell
{
    EntryField field;
    const char *name; // the object name of the control that edits the field
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

} // namespace EntryFormCells
