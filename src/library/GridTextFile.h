#pragma once

#include <QString>

class GameTable;
class QIODevice;

struct GridFileResult
{
    enum class Status {
        Ok,
        IoError,  // could not be opened, read or written
        Damaged,  // counts that are no numbers or promise more cells than the file holds
    };
    Status status = Status::Ok;
    QString error;

    bool ok() const { return status == Status::Ok; }
};

// The grid text file: column count, row count, then one line per cell in column-major order.
// Loading never trusts the counts further than the lines the file really holds, and a damaged
// file leaves the table untouched.
GridFileResult SaveStringGrid(const GameTable &grid, const QString &fileName);
GridFileResult SaveStringGrid(const GameTable &grid, QIODevice &device);
GridFileResult LoadStringGrid(GameTable &grid, const QString &fileName);
GridFileResult LoadStringGrid(GameTable &grid, QIODevice &device);
