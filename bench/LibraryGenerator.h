#pragma once

#include "library/GameTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

// Writes a library of invented games under root, shaped like a real collection: a PALLOX.ini
// whose VADPath points at root, eight category folders, one game folder per game with one game
// ini file of about forty keys, some games on several platforms (same name, another folder),
// and companies that recur across many games. The same seed gives the same library.
// Returns false when a folder or file could not be written.
bool generateLibrary(const QString &root, int games, int developers, unsigned seed);

// The columns of a table scanned from a generated library: the settings file's fields, then
// the columns every scan appends.
QStringList generatedTableFields();

// One invented game: the ini file's keys in the order written, and where the file lies.
struct InventedGame
{
    QString category;
    QString folder;
    QString iniFile;
    std::vector<std::pair<const char *, QString>> keys;
};

// The games generateLibrary() writes, one after another, without writing them; take() returns
// false to stop.
void inventGames(int games, int developers, unsigned seed, const std::function<bool(const InventedGame &)> &take);

// The table a scan of generateLibrary(root, games, developers, seed) gives, made in memory (the
// games in the order they were invented, not the scan's; one folder date for all): for
// benchmarks that start from a data cache and need no game folders.
GameTable generatedTable(int games, int developers, unsigned seed);
// The PALLOX.ini generateLibrary() writes for a library at root.
QByteArray generatedSettings(const QString &root);
