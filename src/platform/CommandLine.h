#pragma once

#include <QString>
#include <QStringList>

// Command lines in the library were written for Windows, so they are read the way Windows
// programs read theirs: blanks and tabs separate arguments, double quotes group and are
// removed, and backslashes only escape when a double quote follows them.

// Splits the arguments that follow the program name.
QStringList splitCommandLine(const QString &parameters);

// Removes the double quotes around a program path, if it has them.
QString unquoteProgram(const QString &program);

// Quotes one argument so that splitCommandLine gives it back unchanged, whatever it holds.
QString quoteArgument(const QString &argument);
