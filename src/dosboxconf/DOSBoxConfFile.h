#pragma once

#include "base/Result.h"
#include "dosboxconf/DOSBoxConf.h"

#include <QString>
#include <QStringList>

struct ConfKey;

// Reads and rewrites DOSBox configuration files. The keys go through IniFile's rules, so that
// every line the editor does not own (comments, other keys and sections, the lines between two
// autoexec markers) stays byte for byte; the lines after the last "[autoexec]" line are the
// autoexec list.
class DOSBoxConfFile
{
  public:
    // Every key of the table, by DOSBox 0.74's name in a file that uses those and else by ours,
    // with its load default where the file lacks both, and the autoexec list. A file that does not exist loads as an empty one;
    // one that exists but cannot be read, or is no DOSBox configuration file, is a failure.
    static Result<DOSBoxConf> load(const QString &fileName);

    // Writes every key of the table in the table's order, under DOSBox 0.74's names into a file
    // that uses those (and none that 0.74 lacks), and, when the file has an autoexec marker, the
    // autoexec list after it; the file is replaced once, atomically. The priority line of the file
    // Load read stays as it is while the lists show what Load found in it. Sections the file lacks
    // go in front of the marker.
    static Result<void> save(const QString &fileName, const DOSBoxConf &conf);

    // The value Save writes for a key, from the values the editor shows.
    static QString valueToWrite(const ConfKey &key, const QHash<QString, QString> &values);

    // Splits at every separator, leaving out empty pieces.
    static QStringList Split(const QString &text, QChar separator);
    // The sensitivity the scroll bar can show: 1 to 100.
    static int clampSensitivity(int value);
    // Whether "%" follows the cycles-down field for this text: shown up to 100, hidden above.
    // A text that is no number leaves it as it is.
    static bool percentShown(const QString &cyclesDown, bool shownNow);
};
