#pragma once

#include "base/Result.h"
#include "library/GameTable.h"

#include <QString>

class QIODevice;

// The grid text file: column count, row count, then one line per cell in column-major order.
// Loading never trusts the counts further than the lines the file really holds.
Result<void> SaveStringGrid(const GameTable &grid, const QString &fileName);
Result<void> SaveStringGrid(const GameTable &grid, QIODevice &device);
Result<GameTable> LoadStringGrid(const QString &fileName);
Result<GameTable> LoadStringGrid(QIODevice &device);

