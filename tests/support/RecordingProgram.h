#pragma once

#include <QString>
#include <QStringList>

// A stand-in for an emulator or any started program: a small shell script that writes the
// arguments it received, one a line, and then its working folder. Tests compare what arrived
// with what was meant to.

// Writes the script and makes it executable. The output file appears whole (written aside,
// then renamed), so a reader never sees half of it.
bool writeRecordingProgram(const QString &scriptPath, const QString &output);
// The recorded lines, waiting up to `milliseconds` for the program to have run; empty when it
// did not run in time.
QStringList waitForRecordedLines(const QString &output, int milliseconds = 10000);
// Files a shell would have created had it interpreted a game's data.
QStringList filesNamedPwned(const QString &root);
QString canonical(const QString &path);
