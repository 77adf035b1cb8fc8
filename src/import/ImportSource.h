#pragma once

#include "base/Result.h"
#include "import/ImportGame.h"

#include <QString>

#include <atomic>
#include <optional>
#include <vector>

// What a source is, and the games it holds.
enum class SourceKind { LaunchBox, EmulationStation, GameFolders };

struct SourceRequest
{
    QString path;
    // Found from the path when not given.
    std::optional<SourceKind> kind;
    // For a folder of game folders: what every game of it runs on.
    QString platform = QStringLiteral("DOS");
    QString emulator = QStringLiteral("DOSBox");
};

namespace ImportSource {

// A data file by its top-level element, a folder by what it holds: LaunchBox's Data folder, a
// gamelist.xml or system folders that have one; any other folder is a folder of game folders.
Result<SourceKind> detect(const QString &path);

// The source's games in its own order.
Result<std::vector<ImportGame>> read(const SourceRequest &request, const std::atomic<bool> *cancel = nullptr);

} // namespace ImportSource
