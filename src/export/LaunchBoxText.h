#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// The texts an export writes for one game, apart from the document they go into.
namespace LaunchBoxText {

// A new GUID in LaunchBox's form: braces, upper-case hexadecimal digits, 8-4-4-4-12. It comes
// from the system's source of randomness, so that no ID can be foretold from the clock or from
// another export's IDs.
QString gameId();

// The folder below Images that takes a game's pictures. The characters Windows refuses in a
// folder name that LaunchBox itself replaces become "_", and so do both path separators, so
// that no name can place pictures outside Images.
QString imageFolderName(const QString &name, const QString &id);

// The moment as LaunchBox writes its dates: "yyyy-mm-dd", then, unless it is exactly midnight,
// "Thh:mm:ss.fffffff" and the moment's own offset from universal time ("+02:00", "-06:00").
QString timestamp(const QDateTime &moment);

// Genre, then ";" and each sub-genre that is not empty.
QString genre(const QString &genre, const QString &subGenre, const QString &subGenre2);

// Hard-wrapped lines of one paragraph run together, with one blank between them where neither
// has one at the join; an empty line keeps a blank line between paragraphs.
QString notesFromLines(const QStringList &lines);
// The notes of an About file; nothing when it is missing or cannot be read to its end.
std::optional<QString> readNotes(const QString &path);

// "LaunchBox.xml" is kept as "LaunchBox (PALLOX Backup).xml", and any other data file the same
// way ("Arcade.xml" as "Arcade (PALLOX Backup).xml"), in the same folder.
QString backupFileName(const QString &dataFile);

// The last part of a picture name from the library, which may hold "\" or "/"; empty when
// nothing usable is left ("..", ".").
QString fileNamePart(const QString &name);

} // namespace LaunchBoxText
