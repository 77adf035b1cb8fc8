#pragma once

#include "base/Failure.h"
#include "wizard/EntryFields.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The pictures of a game folder, one sub-folder of its metadata folder each.
enum class PictureKind { Front, Back, Title, Screen, Media, Advert };
inline constexpr int PictureKindCount = 6;

// What one picture kind is called in the metadata folder and in the game record.
struct PictureKindInfo
{
    const char *subfolder;
    EntryField field;
};
const PictureKindInfo &pictureKindInfo(PictureKind kind);

// Where a game's own files come from, and what becomes of them in the new game folder.
enum class FileMode { Link, Copy, Move };

struct ImportExtra
{
    QString caption;
    // A file that goes into the Extras folder, or, when `isFile` is false, what the extra opens
    // as it stands (a web address).
    QString target;
    bool isFile = false;
};

// One game as another front-end or a plain folder describes it, put in the terms of a game
// record: the fields, and the files its game folder gets. Picture, manual, note and extra fields
// of `entry` are left to the writer, which names them after the files it places.
struct ImportGame
{
    // What the import's own key records, so that a second import of the source knows the game.
    QString sourceKey;
    GameEntry entry;
    QString notes; // the About text, lines separated by "\n"; empty for none
    std::array<QString, PictureKindCount> pictures; // found source files, empty for none
    QString manual;                                 // found source file
    std::vector<ImportExtra> extras;                // seven at most
    // The game's own files: everything in `filesFolder` but a metadata folder of its own, and
    // each of `files`, placed at the top of the new game folder under their own names.
    QString filesFolder;
    QStringList files;
    // The programs `Executable` may name, relative to the game folder, when the source left the
    // choice open; `entry[Executable]` holds the one chosen.
    QStringList programs;
    bool favorite = false;
    // What the preview says about the game: missing files, names taken, why it cannot be made.
    std::vector<Failure> problems;
    // False for a game that cannot be made at all (no title): its row cannot be ticked.
    bool importable = true;
};
