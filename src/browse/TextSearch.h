#pragma once

#include <QString>

class GameTable;

// Deletes every game row none of whose cells, in any column, contains the text regardless of
// letter case. An empty text therefore deletes every game. Returns the number of rows deleted.
int applyTextSearch(GameTable &grid, const QString &text);
