#pragma once

#include "base/Result.h"

#include <QString>

class GameTable;

// Refresh This Game: one row of the working table read again from its game ini file, the
// rest of the table and the data cache left as they are.
namespace GameRefresh {

// The row to read again: the highest row whose Name and Platform cells equal these exactly;
// 0 when none does.
int rowFor(const GameTable &table, const QString &name, const QString &platform);

// Reads the row's game ini file into every column but the five the scan fills itself (Folder,
// Subfolder, IniFile and the two folder dates). The other-platform columns the list build
// filled keep their platforms unless the file names some itself or gives the game another
// name. On failure nothing changed: the file is gone, cannot be read or is no game ini file.
Result<void> refreshRow(GameTable &table, int row, const QString &libraryRoot);

} // namespace GameRefresh
