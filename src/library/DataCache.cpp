#include "library/DataCache.h"

#include "library/GridTextFile.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"

#include <QFileInfo>

TableSource loadGameTableAtStartup(LibraryState &state, SettingsFile &settings, ScanObserver &observer)
{
    const QString cacheFile = state.Places.dataCache(state.LibraryRoot).file;
    if (QFileInfo::exists(cacheFile)) {
        state.lbGridRead.clear();
        Result<GameTable> loaded = LoadStringGrid(cacheFile);
        if (loaded) {
            state.GridMain = std::move(*loaded);
            // The copy shares the texts, so the complete table costs little beside the working one.
            state.GridComplete = state.GridMain;
            state.lbGridRead = state.GridMain.fieldNames();
            // ScanPending stays set: the first restore after a cached start rescans the library.
            return TableSource::Cache;
        }
        observer.failed(Failure(Failure::Kind::CacheReadAgain, cacheFile).withCause(std::move(loaded).error()));
        state.GridMain = GameTable();
        state.GridComplete = GameTable();
        state.ScanPending = true;
        LoadGrid(state, settings, observer);
        return TableSource::ScanAfterDamagedCache;
    }
    LoadGrid(state, settings, observer);
    return TableSource::Scan;
}
