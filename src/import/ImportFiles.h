#pragma once

#include "base/Result.h"

#include <QString>

// The file operations of an import. None of them replaces or merges into anything that is there:
// a name that is taken is refused.
namespace ImportFiles {

// Taken also by a link that points nowhere.
bool nameTaken(const QString &path);

// A symbolic link at `link` to the absolute path of `target`.
Result<void> link(const QString &target, const QString &link);

// A file, or a folder with everything in it; links inside are copied as links, never followed.
Result<void> copy(const QString &source, const QString &destination);

// How a move went: by a rename, or as a copy whose original is still to be removed.
enum class Moved { Renamed, Copied };
// Moves a file or folder; across file systems it is copied, and the caller removes the
// original with removeOriginal() once the copy is where it belongs.
Result<Moved> move(const QString &source, const QString &destination);
Result<void> removeOriginal(const QString &source);

// Renames, refusing a destination that exists. `taken` tells a destination that exists (the
// caller may try another name) from any other failure.
Result<void> renameNoReplace(const QString &from, const QString &to, bool *taken = nullptr);

} // namespace ImportFiles
