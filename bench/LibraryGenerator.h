#pragma once

#include <QString>
#include <QStringList>

// Writes a library of invented games under root, shaped like a real collection: a PALLOX.ini
// whose VADPath points at root, eight category folders, one game folder per game with one game
// ini file of about forty keys, some games on several platforms (same name, another folder),
// and companies that recur across many games. The same seed gives the same library.
// Returns false when a folder or file could not be written.
bool generateLibrary(const QString &root, int games, int developers, unsigned seed);

// The columns of a table scanned from a generated library: the settings file's fields, then
// the columns every scan appends.
QStringList generatedTableFields();
