#pragma once

#include "base/Result.h"
#include "library/LibraryScanner.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// One game folder as the scan asks for it. `categoryFd` is the category folder opened for
// reading (-1 where the system offers no such thing); names relative to it spare the system a
// walk of the whole path for every file, which on a share is a round trip per folder.
struct GameFolderRequest
{
    int categoryFd = -1;
    QString name;  // the game folder's name in its category folder
    QString path;  // the game folder's full path
};

struct IniFileContents
{
    QString name;
    // The file's bytes when it is a game record; why the system would not let us read it when it
    // would not.
    Result<QByteArray> bytes;
    bool record = false;
};

struct GameFolderFiles
{
    QString iniFolder; // where the files were found, for messages
    std::vector<IniFileContents> files; // in listing order
};

// Reads the game ini files of game folders and dates the folders. The scan calls it from
// several threads at once, so an implementation keeps no state between calls; tests put one
// in its place to read files in an order of their choosing.
class GameFolderReader
{
public:
    virtual ~GameFolderReader() = default;
    // Every file of the folder's Pallox/IniFile folder whose name ends in ".ini", in listing
    // order; files that are too large or binary are no game records.
    virtual GameFolderFiles read(const GameFolderRequest &request) const;
    virtual Result<FolderDates> dates(const GameFolderRequest &request) const;
    // Whether the system says the game folder does not exist. A look-up that fails otherwise (an
    // I/O error, a stale handle of a share that dropped for a moment) says nothing of the kind.
    virtual bool missing(const GameFolderRequest &request) const;
};
