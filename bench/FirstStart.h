#pragma once

#include <QByteArray>
#include <QString>

// Starts the whole program in exeFolder, offscreen, with the given settings file, and returns the
// milliseconds until `watched` (its data cache) exists; -1 when it could not start, ended first
// or took longer than giveUpMs. What follows the cache (the list, a message box on a tiny
// library) is not part of the scan, so the program is stopped there.
double millisecondsUntilFileExists(const QString &exeFolder, const QByteArray &settings, const QString &watched,
                                   qint64 giveUpMs);
