#pragma once

#include "library/FilePlaces.h"
#include "library/DataCache.h"
#include "library/GameTable.h"

#include <QString>
#include <QStringList>

// What the main window knows of the library for the whole run.
struct LibraryState
{
    GameTable GridMain;      // sorted, filtered working copy that every view reads
    GameTable GridComplete;  // the whole table in scan or cache order

    bool ScanPending = true;      // the next LoadGrid scans instead of restoring
    bool StartupLoading = true;   // a running scan reports on the splash screen
    bool ReloadInProgress = false; // a running scan reports on the main window's gauges

    QString LibraryRoot;          // ends with a separator when we set it
    FilePlaces Places;            // where the data cache of a root is; a root given for the run
    QStringList lbDirList;        // category folders, from the settings file
    QStringList lbSubDirList;     // game folders of the category being scanned
    QStringList lbGridRead;       // field names in column order
    // The data cache file whose table GridComplete held, as last read or written (invalid when
    // unknown), and the revision of GridComplete then.
    CacheStamp completeStamp;
    quint64 completeRevision = 0;
};
