#pragma once

#include "library/GameTable.h"

#include <QStringList>

#include <vector>

// A table with the field names in row 0 and the rows below in order; a short row is filled with
// empty cells, a long one is cut to the fields.
GameTable tableOf(const QStringList &fieldNames, const std::vector<QStringList> &rows = {});

// The cells of one column from row 1 down: what a list built from that column shows.
QStringList columnValues(const GameTable &grid, int column);

// Loads a data cache file into `table`; false, with the table left as it was, when it cannot.
bool loadStringGridInto(GameTable &table, const QString &fileName);
