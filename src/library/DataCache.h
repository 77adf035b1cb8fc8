#pragma once

#include <QString>
#include <QtGlobal>

class ScanObserver;
class SettingsFile;
struct LibraryState;

// How start-up came by its game table.
enum class TableSource { Cache, Scan, ScanAfterDamagedCache };

// Loads the table from the data cache when there is one, otherwise scans the library. A cache
// that cannot be read or is damaged is reported and replaced by a fresh scan, so that a bad file
// never leaves the user with an empty or half-filled list.
TableSource loadGameTableAtStartup(LibraryState &state, SettingsFile &settings, ScanObserver &observer);

// A scanned table's texts were made by the reader threads, each between the file bytes and the
// parse of its game: once those are freed, the texts lie scattered one or two to a page among
// free space that the system cannot take back, and every pass over the table walks all of it.
// Read back, the data cache the scan has just written holds the same cells with the texts side
// by side and equal texts stored once. The scanned tables go before the read, so that their
// space is whole again and given back, and the read neither fills the holes between them nor
// comes on top of them.
enum class CacheReadBack {
    Taken, // both tables are the read, with the cache's new revision
    Kept,  // the file is no longer the one written, or would not give every cell back as it is
    Lost,  // the read failed after the scanned tables had gone: both are empty, scan again
};
CacheReadBack takeTablesFromWrittenCache(LibraryState &state);

// Which data cache file a table came from or went to. The cache is only ever replaced whole (a new
// file renamed into place), never rewritten where it lies, so a file with the same identity,
// size and modification time holds the same table: one the program already has in memory need
// not be read again.
struct CacheStamp
{
    qint64 file = -1; // the file system's number of the file; -1 when there is none
    qint64 device = -1;
    qint64 size = -1;
    qint64 modifiedNs = -1;

    static CacheStamp of(const QString &path);
    bool isValid() const { return file >= 0; }
    friend bool operator==(const CacheStamp &a, const CacheStamp &b)
    {
        return a.file == b.file && a.device == b.device && a.size == b.size && a.modifiedNs == b.modifiedNs;
    }
    friend bool operator!=(const CacheStamp &a, const CacheStamp &b) { return !(a == b); }
};
