#pragma once

#include "base/Result.h"
#include "wizard/EntryFields.h"

#include <QString>

#include <optional>

class GameTable;

namespace EntryLoader {

// The last row named exactly `name`, with the text of its About file; nothing when no game has
// that name, so that a half-typed name leaves the fields as they are. A field whose column the
// table lacks is empty.
std::optional<GameEntry> fromTable(const GameTable &table, const QString &libraryRoot, const QString &name);

// The last row named exactly `name`; 0 when there is none.
int lastRowNamed(const GameTable &table, const QString &name);

// The text of an About file with "\n" between lines; empty when there is no such file.
QString readAboutText(const QString &path);

// The fields of a game ini file (section Main; a missing key is empty). The About text is left
// empty. A failure when the file cannot be read.
Result<GameEntry> fromIniFile(const QString &fileName);

} // namespace EntryLoader
