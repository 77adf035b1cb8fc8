#pragma once

#include <QString>

#include <vector>

class GameTable;

// The two one-shot modes of the category menus. Each stays on until a field filter reaches the
// rule it stands for, which switches it off again.
struct FilterModes
{
    bool devOrPub = false;  // the next Developer or Publisher filter compares both columns
    bool genrePlus = false; // the next filter compares Genre and both sub-genre columns
};

// The cells a field filter compares. A row stays when any of them equals the value exactly.
struct FilterRule
{
    std::vector<int> columns;
    // The rule deletes nothing at all (dev-or-pub mode met a field that is no company).
    bool keepsEverything = false;
};

// Chooses the rule for a field, switching off the mode it consumes. Columns of a pair rule that
// the table lacks are left out, so that a missing column never compares the number column; a
// single field that names no column falls back to column 0, as every look-up by name does.
FilterRule fieldFilterRule(const GameTable &grid, const QString &field, FilterModes &modes);

// Deletes every game row in which none of the rule's cells equals value (case-sensitive, whole
// text). Returns the number of rows deleted.
int applyFilterRule(GameTable &grid, const FilterRule &rule, const QString &value);

// Both steps at once: the field filter as every caller runs it.
int applyFieldFilter(GameTable &grid, const QString &field, const QString &value, FilterModes &modes);
