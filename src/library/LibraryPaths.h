#pragma once

#include <QString>
#include <QStringList>

class GameTable;

// Paths formed from the library root and a row's cells. Values that come from library data may
// have been written on Windows: "\" counts as a separator there, and a path that does not exist
// as written is looked up again without regard to letter case.
namespace LibraryPaths {

QString separator();
// Appends a separator unless the text already ends with one; an empty text stays empty.
QString withTrailingSeparator(const QString &path);
// Turns "\" into the platform separator and collapses doubled separators.
QString normalise(const QString &path);
// Joins two parts with exactly one separator between them.
QString join(const QString &left, const QString &right);

QString gamesFolder(const QString &libraryRoot);
QString gameFolder(const QString &libraryRoot, const GameTable &table, int row);
QString metadataFolder(const QString &libraryRoot, const GameTable &table, int row);
QString gameIniFile(const QString &libraryRoot, const GameTable &table, int row);
QString dataCacheFile(const QString &libraryRoot);

// A file below a folder, in its subfolder, named by library data that may use "\" and any letter
// case: the joined path resolved as it exists on disk.
QString fileBelow(const QString &folder, const QString &subfolder, const QString &name);

// The path as it exists on disk: component by component without regard to letter case when it
// does not exist as written (first match in listing order wins); unchanged when that fails too.
QString resolve(const QString &path);

// Whether the path names a regular file, following symbolic links. Every reader of library
// files asks this first: opening a named pipe for reading waits for a writer, and a device may
// never end, so anything else reads as a missing file.
bool isRegularFile(const QString &path);

// The order in which folder listings are shown and scanned: by name without regard to letter
// case, ties broken by the exact comparison, so that every platform lists the same way.
bool listingLess(const QString &a, const QString &b);
void sortAsListing(QStringList &names);

} // namespace LibraryPaths
