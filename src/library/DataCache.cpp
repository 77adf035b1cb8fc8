#include "library/DataCache.h"

#include "library/GridTextFile.h"
#include "library/LibraryPaths.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"

#include <QFileInfo>

TableSource loadGameTableAtStartup(LibraryState &state, SettingsFile &settings, ScanObserver &observer)
{
    const QString cacheFile = LibraryPaths::dataCacheFile(state.LibraryRoot);
    if (QFileInfo::exists(cacheFile)) {
        state.lbGridRead.clear();
        const GridFileResult result = LoadStringGrid(state.GridMain, cacheFile);
        if (result.ok()) {
            // Both copies share their texts; the complete copy must not follow later filters,
            // and it does not, because GameTable copies by value.
            state.GridComplete = state.GridMain;
            state.lbGridRead = state.GridMain.fieldNames();
            // A later restore must rescan first, as the table did not come from a scan.
            return TableSource::Cache;
        }
        observer.message(result.error + QStringLiteral("\n\nThe library will be read again and the data cache rewritten."));
        state.GridMain = GameTable();
        state.GridComplete = GameTable();
        state.ScanPending = true;
        LoadGrid(state, settings, observer);
        return TableSource::ScanAfterDamagedCache;
    }
    LoadGrid(state, settings, observer);
    return TableSource::Scan;
}
