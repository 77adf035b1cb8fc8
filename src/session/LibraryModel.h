#pragma once

#include "base/Result.h"
#include "library/DataCache.h"
#include "library/LibraryState.h"

#include <QObject>
#include <QString>

#include <memory>

class BackgroundScan;
class SettingsFile;

// The library as read: the working table and the complete copy, the library root and the
// category folders, the scans that read them (at start-up, again on demand, or on a thread of
// their own for Refresh All) and the data cache they write. The browse model sorts and narrows
// the working table; everything else reads it.
class LibraryModel : public QObject
{
    Q_OBJECT
public:
    // `state` carries the places and whatever tables the owner starts with (none at start-up).
    LibraryModel(SettingsFile &settings, LibraryState state, QObject *parent = nullptr);
    ~LibraryModel() override;

    // Start-up: the root (one given for the run wins over the preferences') and the category
    // folders; the next read scans, and reports on the splash screen.
    void open(const QString &preferredRoot);
    // The table from the data cache, or from a scan when there is none or it is damaged.
    TableSource loadAtStartUp();

    const LibraryState &state() const { return m_state; }
    // The working table every view reads.
    const GameTable &table() const { return m_state.GridMain; }
    const QString &root() const { return m_state.LibraryRoot; }

    // The user's own choice of root ends the one the command line made for the run. The table
    // keeps its games until the next read.
    void setRoot(const QString &root);
    // All games again: the table from the data cache, or the complete copy when the cache cannot
    // be read or still is the file the copy came from. Not sorted.
    void restoreAll();
    // Reads the library again when a scan is due, otherwise takes the complete copy. Not sorted.
    void reload();
    // The next reload reads every game ini file and rewrites the data cache, whatever is due.
    void requireScan() { m_state.ScanPending = true; }
    // Reads one row of the working table again from its game ini file.
    Result<void> refreshRow(int row);

    // Refresh All (and Reload Data, which deletes the data cache first): the library is read on a
    // worker thread while the window goes on painting; its tables replace both tables when it
    // ends (tablesReplaced). False, and nothing started, while a scan runs.
    bool refreshAll(bool deleteCache);
    // Refresh All now, or as soon as the running one has ended and its tables are in: for a
    // change of the library made while it is being read, such as a deleted game folder.
    void refreshAllWhenIdle();
    // True from refreshAll() until the new tables are in.
    bool isScanRunning() const { return m_state.ReloadInProgress; }
    // The category folder an import goes into, made ready: added to the settings file and read by
    // every scan from now on when it is new there, although category folders are otherwise read
    // only at start-up. The name as the settings file spells it.
    Result<QString> prepareImportCategory(const QString &category);

signals:
    // The progress of a scan, whichever thread reads.
    void scanCategoriesStarted(int count);
    void scanCategoryStarted(int index, int count, const QString &name);
    void scanGamesStarted(int count);
    void scanGameStarted(int index);
    void scanFinished();
    // A refresh started (true) or its tables are in (false); the commands that read the
    // table wait for false.
    void scanRunning(bool running);
    // A refresh's tables replaced both tables, in the folders' order; scanRunning(false) follows.
    void tablesReplaced();
    void message(const QString &text);

private:
    friend class BrowseModel; // sorts and narrows the working table in place
    GameTable &workingTable() { return m_state.GridMain; }

    // Every scan's observer, on this thread: the one path by which progress becomes signals.
    class Progress;
    void adoptScan();
    // Waits for a running refresh, and for one waiting to follow it, and takes the tables in.
    void finishScan();

    SettingsFile &m_settings;
    LibraryState m_state;
    std::unique_ptr<Progress> m_progress;
    std::unique_ptr<BackgroundScan> m_backgroundScan;
    bool m_refreshAfterScan = false;
};
