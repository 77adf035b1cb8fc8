#include "session/LibraryModel.h"

#include "base/FreedMemory.h"
#include "base/SettingsFile.h"
#include "import/ImportRun.h"
#include "library/GameRefresh.h"
#include "library/GridTextFile.h"
#include "library/LibraryPaths.h"
#include "library/LibraryScanner.h"
#include "session/BackgroundScan.h"

#include <QFile>

class LibraryModel::Progress : public ScanObserver
{
public:
    explicit Progress(LibraryModel &model) : m_model(model) {}

    void categoriesStarted(int count) override { emit m_model.scanCategoriesStarted(count); }
    void categoryStarted(int index, int count, const QString &name) override
    {
        emit m_model.scanCategoryStarted(index, count, name);
    }
    void gamesStarted(int count) override { emit m_model.scanGamesStarted(count); }
    void gameStarted(int index) override { emit m_model.scanGameStarted(index); }
    void scanFinished() override { emit m_model.scanFinished(); }
    void failed(const Failure &failure) override { emit m_model.message(failure.message()); }

private:
    LibraryModel &m_model;
};

LibraryModel::LibraryModel(SettingsFile &settings, LibraryState state, QObject *parent)
    : QObject(parent), m_settings(settings), m_state(std::move(state)), m_progress(std::make_unique<Progress>(*this))
{
    m_backgroundScan = std::make_unique<BackgroundScan>(*m_progress);
    connect(m_backgroundScan.get(), &BackgroundScan::finished, this, &LibraryModel::adoptScan);
}

LibraryModel::~LibraryModel() = default;

void LibraryModel::open(const QString &preferredRoot)
{
    LibraryState &library = m_state;
    library.ScanPending = true;
    library.StartupLoading = true;
    const QString &forRun = library.Places.libraryRootForRun();
    library.LibraryRoot = forRun.isEmpty() ? preferredRoot : forRun;
    library.lbDirList = m_settings.subfolders();
}

TableSource LibraryModel::loadAtStartUp()
{
    return loadGameTableAtStartup(m_state, m_settings, *m_progress);
}

void LibraryModel::setRoot(const QString &root)
{
    m_state.Places = m_state.Places.withLibraryRootForRun(QString());
    m_state.LibraryRoot = LibraryPaths::withTrailingSeparator(root);
}

void LibraryModel::restoreAll()
{
    finishScan();
    LibraryState &library = m_state;
    const QString cacheFile = library.Places.dataCache(library.LibraryRoot).file;
    // A data cache that is still the file the complete copy was read from or written to, with
    // the copy unchanged since, holds that very table: the copy shares its texts, where a new
    // read would hold them all twice.
    if (library.completeStamp.isValid() && library.GridComplete.revision() == library.completeRevision &&
        CacheStamp::of(cacheFile) == library.completeStamp) {
        library.GridMain = library.GridComplete;
        return;
    }
    Result<GameTable> loaded = LoadStringGrid(cacheFile);
    if (loaded) {
        library.GridMain = std::move(*loaded);
    } else {
        // The complete copy holds what the cache was made from; a missing or broken cache must
        // not leave the user stuck with a filtered list.
        emit message(loaded.error().message());
        library.GridMain = library.GridComplete;
    }
}

void LibraryModel::reload()
{
    // A refresh under way would replace whatever this scan reads with what it read before.
    finishScan();
    LoadGrid(m_state, m_settings, *m_progress);
    FreedMemory::giveBack();
}

Result<void> LibraryModel::refreshRow(int row)
{
    return GameRefresh::refreshRow(m_state.GridMain, row, m_state.LibraryRoot);
}

bool LibraryModel::refreshAll(bool deleteCache)
{
    if (isScanRunning())
        return false;
    LibraryState &library = m_state;
    // The scan writes a new one; one that cannot be deleted is simply replaced then.
    if (deleteCache)
        QFile::remove(library.Places.dataCache(library.LibraryRoot).file);
    LibraryState start;
    start.LibraryRoot = library.LibraryRoot;
    start.Places = library.Places;
    start.lbDirList = library.lbDirList;
    start.ScanPending = true;
    start.StartupLoading = false;
    start.ReloadInProgress = true;
    // The settings file belongs to this thread; the worker gets what it needs of it as texts.
    const QString &forRun = library.Places.libraryRootForRun();
    const QString root = forRun.isEmpty() ? m_settings.read(SettingsKeys::VADPath) : forRun;
    if (!m_backgroundScan->start(std::move(start), root, m_settings.fields()))
        return false;
    library.ReloadInProgress = true;
    emit scanRunning(true);
    return true;
}

void LibraryModel::refreshAllWhenIdle()
{
    if (isScanRunning())
        m_refreshAfterScan = true;
    else
        refreshAll(false);
}

Result<QString> LibraryModel::prepareImportCategory(const QString &category)
{
    LibraryState &library = m_state;
    Result<QString> prepared = ImportRun::prepareCategory(m_settings, library.LibraryRoot, category);
    if (prepared && !library.lbDirList.contains(*prepared))
        library.lbDirList.append(*prepared);
    return prepared;
}

void LibraryModel::finishScan()
{
    // Taking a scan in may start the one that waited for it; that one is waited for too.
    while (isScanRunning())
        adoptScan();
}

void LibraryModel::adoptScan()
{
    if (!isScanRunning())
        return;
    m_backgroundScan->wait();
    const bool completed = m_backgroundScan->completed();
    LibraryState scanned = m_backgroundScan->takeResult();
    LibraryState &library = m_state;
    if (completed) {
        // The old tables go as the new ones come in: never more than one old and one new.
        library.GridMain = std::move(scanned.GridMain);
        library.GridComplete = std::move(scanned.GridComplete);
        FreedMemory::giveBack();
        library.LibraryRoot = std::move(scanned.LibraryRoot);
        library.lbGridRead = std::move(scanned.lbGridRead);
        library.lbSubDirList = std::move(scanned.lbSubDirList);
        library.completeStamp = scanned.completeStamp;
        library.completeRevision = scanned.completeRevision;
        library.ScanPending = false;
        library.StartupLoading = false;
    }
    library.ReloadInProgress = false;
    if (completed) {
        emit scanFinished();
        emit tablesReplaced();
    }
    emit scanRunning(false);
    // The library changed while it was being read, perhaps after the scan had passed that folder.
    if (m_refreshAfterScan) {
        m_refreshAfterScan = false;
        refreshAll(false);
    }
}
