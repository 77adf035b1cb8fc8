#pragma once

#include <QString>

class GameTable;

// Whether a cell holds the text as the search sees it: both sides upper-cased, then a substring
// test. An empty text is in no cell.
bool cellContains(const QString &cell, const QString &text);

// Deletes every game row none of whose cells, in any column, contains the text regardless of
// letter case. An empty text therefore deletes every game. Returns the number of rows deleted.
int applyTextSearch(GameTable &grid, const QString &text);
