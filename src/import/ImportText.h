#pragma once

#include <QString>
#include <QStringList>

class SourcePaths;

// The small rules every reader of another front-end's data shares.
namespace ImportText {

// A title as a game record can hold it: control characters (a NUL, a line break) out, runs of
// blanks as one, no blanks around it. Empty when nothing but blanks was there.
QString cleanName(const QString &title);

// The year at the start of a date ("1994-03-01T00:00:00", "19920101T000000"); empty when the
// text does not start with four digits.
QString yearOf(const QString &date);

// "*" to "*****" for 1 to 5; empty for none.
QString stars(int count);

// The name a game folder gets for a game's name: the characters no folder can hold on the
// systems a library is taken to (\ / : * ? " < > | and control characters) become "_", blanks
// and dots at the end go (Windows drops them), and "." or ".." or nothing becomes "_".
QString folderName(const QString &name);

// Whether an extra's or a program's name says it sets the game up.
bool saysSetup(const QString &name);

// The programs at the top of a folder (.exe, .com and .bat, in any letter case), the likeliest
// game program first: those whose names do not say set-up, then by listing order.
QStringList programsIn(SourcePaths &paths, const QString &folder);

// The first of the programs whose name says set-up; empty when none does.
QString setupAmong(const QStringList &programs);

// The path below `folder`, with "/" between its parts; empty when it is not below it.
QString relativePath(const QString &folder, const QString &path);

} // namespace ImportText
