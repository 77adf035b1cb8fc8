#pragma once

#include "base/Result.h"
#include "import/ImportGame.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <vector>

// The games of EmulationStation's and ES-DE's gamelist.xml files, with ES-DE's downloaded_media
// folders when they are there.
namespace GameListReader {

// The gamelist.xml files a source names: the file itself, the one in a system folder, or those of
// the system folders in a folder of them. Empty when there is none.
QStringList gameLists(const QString &source);

// The games of every gamelist the source names, system by system.
Result<std::vector<ImportGame>> read(const QString &source, const std::atomic<bool> *cancel = nullptr);

} // namespace GameListReader
