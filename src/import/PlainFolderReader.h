#pragma once

#include "base/Result.h"
#include "import/ImportGame.h"

#include <QString>

#include <atomic>
#include <vector>

// A folder of game folders, each sub-folder a game: its name from the folder's, its program the
// one at the top of its folder, the platform and emulator chosen once for all of them.
namespace PlainFolderReader {

// "Lost_Vikings.(1993)" is "Lost Vikings" of 1993: "_" and "." stand for blanks, and a year in
// brackets at the end is the year.
void nameAndYear(const QString &folderName, QString *name, QString *year);

Result<std::vector<ImportGame>> read(const QString &folder, const QString &platform, const QString &emulator,
                                     const std::atomic<bool> *cancel = nullptr);

} // namespace PlainFolderReader
