#include "library/DataCache.h"

#include "base/FreedMemory.h"
#include "library/GridTextFile.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"

#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

CacheStamp CacheStamp::of(const QString &path)
{
    CacheStamp stamp;
#if defined(Q_OS_UNIX)
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return stamp;
    stamp.file = static_cast<qint64>(info.st_ino);
    stamp.device = static_cast<qint64>(info.st_dev);
    stamp.size = static_cast<qint64>(info.st_size);
    stamp.modifiedNs = static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
#else
    // Without a file number, the time and size alone would not tell a rewrite within the same
    // moment; such a system always reads the file.
    Q_UNUSED(path);
#endif
    return stamp;
}

TableSource loadGameTableAtStartup(LibraryState &state, SettingsFile &settings, ScanObserver &observer)
{
    const QString cacheFile = state.Places.dataCache(state.LibraryRoot).file;
    if (QFileInfo::exists(cacheFile)) {
        state.lbGridRead.clear();
        const CacheStamp before = CacheStamp::of(cacheFile);
        Result<GameTable> loaded = LoadStringGrid(cacheFile);
        if (loaded) {
            state.GridMain = std::move(*loaded);
            // The copy shares the texts, so the complete table costs little beside the working one.
            state.GridComplete = state.GridMain;
            // A file replaced while it was read holds something else than what was read.
            const CacheStamp after = CacheStamp::of(cacheFile);
            state.completeStamp = before == after ? after : CacheStamp();
            state.completeRevision = state.GridComplete.revision();
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

namespace {

// The cache writes a line break as a blank and cannot hold half a surrogate pair.
bool readsBackAsItIs(const GameTable &table)
{
    for (int c = 0; c < table.columnCount(); ++c) {
        for (GameTable::TextId id = 0; id < table.textCount(c); ++id) {
            const QString &text = table.text(c, id);
            if (text.contains(u'\n') || text.contains(u'\r') || !text.isValidUtf16())
                return false;
        }
    }
    return true;
}

} // namespace

CacheReadBack takeTablesFromWrittenCache(LibraryState &state)
{
    if (!state.completeStamp.isValid() || state.GridComplete.revision() != state.completeRevision ||
        state.GridMain.revision() != state.completeRevision)
        return CacheReadBack::Kept;
    const QString cacheFile = state.Places.dataCache(state.LibraryRoot).file;
    if (CacheStamp::of(cacheFile) != state.completeStamp || !readsBackAsItIs(state.GridComplete))
        return CacheReadBack::Kept;
    state.GridMain = GameTable();
    state.GridComplete = GameTable();
    FreedMemory::giveBack();
    Result<GameTable> loaded = LoadStringGrid(cacheFile);
    // Another program may have replaced the file meanwhile.
    if (!loaded || CacheStamp::of(cacheFile) != state.completeStamp) {
        state.completeStamp = CacheStamp();
        return CacheReadBack::Lost;
    }
    state.GridMain = std::move(*loaded);
    state.GridComplete = state.GridMain;
    state.completeRevision = state.GridComplete.revision();
    return CacheReadBack::Taken;
}
