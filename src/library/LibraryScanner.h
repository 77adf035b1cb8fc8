#pragma once

#include "base/Failure.h"
#include "base/Result.h"

#include <QString>
#include <QStringList>

class GameFolderReader;
class SettingsFile;
struct LibraryState;

// What a scan reports while it runs; the windows decide where it shows.
class ScanObserver
{
public:
    virtual ~ScanObserver() = default;
    virtual void categoriesStarted(int /*count*/) {}
    virtual void categoryStarted(int /*index*/, int /*count*/, const QString & /*name*/) {}
    virtual void gamesStarted(int /*count*/) {}
    virtual void gameStarted(int /*index*/) {}
    virtual void scanFinished() {}
    // Something the user is to hear of: no games found, files or folders that could not be
    // read, a data cache that could not be used or written.
    virtual void failed(const Failure & /*failure*/) {}
    // Asked between game folders; a scan told to stop leaves its tables half read and writes
    // no cache.
    virtual bool cancelled() const { return false; }
};

struct FolderDates
{
    QString created;   // birth time (or status change time) in universal time
    QString modified;  // last write in local time
};

// Appends the visible sub-folders of a folder, sorted by name without regard to letter case.
void GetSubDirectories(const QString &folder, QStringList &list);
// Both dates formatted "yyyy-mm-dd HH:mm"; a failure when the folder cannot be looked up.
Result<FolderDates> DirectoryDateTimeInfo(const QString &folderPath);

// How a scan reads the library. It walks the folders in their order and takes each game folder in
// that order, but the folders' listings and files are read ahead of it, `inFlight` game folders
// at once: on a share every read waits for a round trip, and one after another they would make
// the share's latency, not its throughput, the time a scan takes.
struct ScanReading
{
    int inFlight = 0;                          // 0 for the usual number
    const GameFolderReader *reader = nullptr; // null for the file system; tests bring their own
};
inline constexpr int DefaultScanReadsInFlight = 64;
// Game folders read, or being read, ahead of the walk, per read in flight.
inline constexpr int ScanFoldersAheadPerRead = 4;

// Game ini files larger than this are not game records and are passed over by the scan.
inline constexpr qint64 MaxGameIniSize = 1024 * 1024;

// Scans the library when ScanPending is set, otherwise restores GridMain from GridComplete.
void LoadGrid(LibraryState &state, SettingsFile &settings, ScanObserver &observer);
// The scan itself, with what it needs of the settings file read beforehand, so that it can run
// away from the thread that owns that file: the library root (empty keeps the state's own) and
// the field list. False when the observer cancelled it.
bool ScanLibrary(LibraryState &state, const QString &root, const QStringList &fields, ScanObserver &observer,
                 const ScanReading &reading = ScanReading());

// The columns every scan appends after the settings file's field list.
QStringList appendedColumns();
