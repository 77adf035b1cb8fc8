#include "session/LibrarySession.h"

#include "base/FreedMemory.h"
#include "base/SettingsFile.h"
#include "browse/DetailsLinks.h"
#include "browse/MainList.h"
#include "browse/PlatformSwitch.h"
#include "browse/TextSearch.h"
#include "browse/ValueLists.h"
#include "import/ImportRun.h"
#include "launch/Launcher.h"
#include "library/GameRefresh.h"
#include "library/GridTextFile.h"
#include "library/LibraryPaths.h"
#include "library/LibraryScanner.h"
#include "nostalgia/NostalgiaScene.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "session/AppearanceModel.h"
#include "session/BackgroundScan.h"
#include "session/EmulatorSettingsModel.h"
#include "session/FilterState.h"
#include "session/MainListModel.h"
#include "wizard/EntryFiles.h"

#include <QFile>
#include <QScopeGuard>

// Hands the scan's progress on as the session's signals.
class LibrarySession::Observer : public ScanObserver
{
public:
    explicit Observer(LibrarySession &session) : m_session(session) {}

    void categoriesStarted(int count) override { emit m_session.scanCategoriesStarted(count); }
    void categoryStarted(int index, int count, const QString &name) override
    {
        emit m_session.scanCategoryStarted(index, count, name);
    }
    void gamesStarted(int count) override { emit m_session.scanGamesStarted(count); }
    void gameStarted(int index) override { emit m_session.scanGameStarted(index); }
    void scanFinished() override { emit m_session.scanFinished(); }
    void failed(const Failure &failure) override { emit m_session.message(failure.message()); }

private:
    LibrarySession &m_session;
};

LibrarySession::LibrarySession(const Platform &platform, const FilePlaces &places, QObject *parent)
    : QObject(parent), m_platform(platform), m_observer(std::make_unique<Observer>(*this))
{
    m_state.ExeFolder = places.programFolder();
    m_state.SkinsFolder = places.skinsFolder();
    m_state.library.Places = places;
    if (Result<void> made = places.makeSettingsFile(); made) {
        m_settings = std::make_unique<SettingsFile>(places.settingsFile());
    } else {
        // A read-only home: the installed settings hold for this run, changes included, and the
        // user hears once that none of it is kept.
        m_settingsNotKept = std::move(made).error();
        QFile installed(places.defaultSettingsFile());
        m_settings = std::make_unique<SettingsFile>(
            IniFile::inMemory(installed.open(QIODevice::ReadOnly) ? installed.readAll() : QByteArray()));
    }
    m_settings->setErrorHandler([this](const Failure &failure) { emit message(failure.message()); });
    m_appearance = std::make_unique<AppearanceModel>(*m_settings, m_platform.dialogs);

    m_backgroundScan = std::make_unique<BackgroundScan>();
    BackgroundScan *scan = m_backgroundScan.get();
    connect(scan, &BackgroundScan::categoriesStarted, this, &LibrarySession::scanCategoriesStarted);
    connect(scan, &BackgroundScan::categoryStarted, this, &LibrarySession::scanCategoryStarted);
    connect(scan, &BackgroundScan::gamesStarted, this, &LibrarySession::scanGamesStarted);
    connect(scan, &BackgroundScan::gameStarted, this, &LibrarySession::scanGameStarted);
    connect(scan, &BackgroundScan::message, this, &LibrarySession::message);
    connect(scan, &BackgroundScan::finished, this, &LibrarySession::adoptScan);
    m_list = new MainListModel(this);
    m_filter = new FilterState(*this);
    m_nostalgiaScene = std::make_unique<NostalgiaScene>(
        m_state.SkinsFolder, [this](const QString &file, const Failure &failure) { reportOnce(file, failure.message()); });
    m_entryFiles = std::make_unique<EntryFiles>(platform.dialogs);
    m_emulatorSettings = std::make_unique<EmulatorSettingsModel>(*this);
}

LibrarySession::~LibrarySession() = default;

const QStringList &LibrarySession::listEntries() const
{
    return m_list->entries();
}

QAbstractItemModel &LibrarySession::listModel()
{
    return *m_list;
}

void LibrarySession::openSettings()
{
    LibraryState &library = m_state.library;
    library.ScanPending = true;
    library.StartupLoading = true;
    if (m_settingsNotKept)
        emit message(m_settingsNotKept->message());
    library.LibraryRoot = m_settings->read(SettingsKeys::VADPath);
    if (library.LibraryRoot.isEmpty()) {
        library.LibraryRoot = library.Places.defaultLibraryRoot();
        m_settings->write(SettingsKeys::VADPath, library.LibraryRoot);
    } else {
        library.LibraryRoot = LibraryPaths::withTrailingSeparator(library.LibraryRoot);
    }
    if (!library.Places.libraryRootForRun().isEmpty())
        library.LibraryRoot = library.Places.libraryRootForRun();
    library.lbDirList = m_settings->subfolders();

    m_state.NostalgiaMode = m_settings->read(SettingsKeys::NostalgiaMode);
    m_state.AboutListSeparator = m_settings->read(SettingsKeys::AboutListSeparator);
    m_state.LastSelectedIndex = m_settings->read(SettingsKeys::LastSelectedGame);
    m_state.ConfirmClose = m_settings->read(SettingsKeys::ConfirmClose);
    m_state.RememberLastSelected = m_settings->read(SettingsKeys::RememberLastSelected);
    m_state.ShowDates = m_settings->read(SettingsKeys::ShowDates);
}

TableSource LibrarySession::loadTable()
{
    const TableSource source = loadGameTableAtStartup(m_state.library, *m_settings, *m_observer);
    m_state.MainSortField = QStringLiteral("Name");
    sortByMainSortField();
    return source;
}

void LibrarySession::loadEmulators()
{
    EmulatorRegistry &emulators = m_state.emulators;
    emulators.loadBuiltIns(m_settings->ini());
    emulators.loadCustomSlots(m_settings->ini());
    emulators.setDOSBoxExit(m_settings->read(SettingsKeys::DOSBoxExit));
    emulators.setUseSingleConfFolder(m_settings->read(SettingsKeys::UseSingleConfFolder));
    m_dosBoxCommandLine = m_settings->read(SettingsKeys::CMDLine);
}

void LibrarySession::setLibraryRoot(const QString &folder)
{
    // The user's own choice ends the one the command line made for the run.
    m_state.library.Places = m_state.library.Places.withLibraryRootForRun(QString());
    m_state.library.LibraryRoot = LibraryPaths::withTrailingSeparator(folder);
    emit libraryRootChanged(m_state.library.LibraryRoot);
    m_settings->write(SettingsKeys::VADPath, m_state.library.LibraryRoot);
}

void LibrarySession::setConfirmClose(bool on)
{
    m_state.ConfirmClose = on;
    m_settings->write(SettingsKeys::ConfirmClose, on);
}

void LibrarySession::setRememberLastSelected(bool on)
{
    m_state.RememberLastSelected = on;
    m_settings->write(SettingsKeys::RememberLastSelected, on);
}

void LibrarySession::setShowDates(bool shown)
{
    m_state.ShowDates = shown;
    m_settings->write(SettingsKeys::ShowDates, shown);
    emit showDatesChanged(shown);
}

void LibrarySession::setNostalgiaMode(bool on)
{
    m_state.NostalgiaMode = on;
    m_settings->write(SettingsKeys::NostalgiaMode, on);
}

void LibrarySession::setAboutListSeparator(int offset)
{
    m_state.AboutListSeparator = offset;
    m_settings->write(SettingsKeys::AboutListSeparator, offset);
}

void LibrarySession::rememberWindowSize(int width, int height)
{
    // A drag of the window's edge sends many sizes; only the one it rests at is written.
    m_settings->writeWhenIdle(SettingsKeys::Width, width);
    m_settings->writeWhenIdle(SettingsKeys::Height, height);
}

bool LibrarySession::flushSettings()
{
    return m_settings->flush().has_value();
}

LaunchOptions LibrarySession::launchOptions(bool setup) const
{
    LaunchOptions options;
    options.DOSBoxExit = m_state.emulators.dosBoxExit();
    options.CMDLine = m_dosBoxCommandLine;
    options.UseSingleConfFolder = m_state.emulators.useSingleConfFolder();
    options.setup = setup;
    return options;
}

void LibrarySession::setDOSBoxCommandLine(const QString &commandLine)
{
    m_dosBoxCommandLine = commandLine;
}

void LibrarySession::confirmDOSBoxOptions(bool exitOnExit, bool singleConfFolder, const QString &commandLine)
{
    EmulatorRegistry &emulators = m_state.emulators;
    emulators.setDOSBoxExit(exitOnExit);
    emulators.setUseSingleConfFolder(singleConfFolder);
    m_dosBoxCommandLine = commandLine;
    m_settings->write(SettingsKeys::DOSBoxExit, exitOnExit);
    m_settings->write(SettingsKeys::UseSingleConfFolder, singleConfFolder);
    m_settings->write(SettingsKeys::CMDLine, commandLine);
}

QStringList LibrarySession::listEmulatorGroup(const QString &group)
{
    m_state.emulators.loadCustomSlots(m_settings->ini());
    return m_state.emulators.groupListing(group);
}

EmulatorDetails LibrarySession::emulatorDetailsAfterListing(const QString &listText) const
{
    return m_state.emulators.detailsAfterListing(listText, m_settings->ini());
}

EmulatorEditForm LibrarySession::beginAddEmulator(const QString &group)
{
    // The slots in memory are those of the last group change: a Save since then, or another
    // program editing PALLOX.ini, may have taken the slot they call free, and offering it again
    // would overwrite that emulator.
    m_state.emulators.loadCustomSlots(m_settings->ini());
    return m_state.emulators.beginAdd(group);
}

bool LibrarySession::saveEmulator(const EmulatorEditForm &form)
{
    const std::vector<IniFile::Edit> keys = EmulatorRegistry::keysToSave(form);
    return !keys.empty() && m_settings->writeValues(keys).has_value();
}

void LibrarySession::configureEmulator(const QString &path)
{
    Launcher(m_platform.shell).start({LaunchCommand::ConfigureEmulator(m_state.emulators, path)});
}

int LibrarySession::firstListIndex()
{
    const int count = static_cast<int>(listEntries().size());
    if (m_state.LastSelectedIndex < 0 || m_state.LastSelectedIndex >= count)
        m_state.LastSelectedIndex = 0;
    int index = m_state.LastSelectedIndex;
    if (!m_state.RememberLastSelected) {
        m_platform.random.seed(static_cast<std::uint64_t>(m_platform.clock.now().toMSecsSinceEpoch()));
        index = m_platform.random.below(count);
    }
    return count == 0 ? -1 : index;
}

void LibrarySession::sortByMainSortField()
{
    emit sorting(true);
    // The end is reported also when the sort ends in an exception, so no window keeps waiting.
    const auto sorted = qScopeGuard([this] { emit sorting(false); });
    applyMainSortField(m_state.library.GridMain, m_state.MainSortField, m_state.MainSortColumn,
                       m_state.ListShowsSortValue);
}

void LibrarySession::rebuildList()
{
    MainListBuild build =
        buildMainList(m_state.library.GridMain, MainListOptions{m_state.MainSortColumn, m_state.ListShowsSortValue,
                                                                m_state.ListShowsRating, m_ratingColumn});
    m_ratingColumn = build.ratingColumn;
    m_names = std::move(build.names);
    m_list->setEntries(std::move(build.entries));
    m_totalText = std::move(build.totalText);
    if (m_selectedIndex >= listEntries().size())
        m_selectedIndex = -1;
    emit listChanged();
    select(m_selectedIndex);
}

void LibrarySession::setSortField(const QString &field)
{
    m_state.MainSortField = field;
    sortByMainSortField();
    rebuildList();
}

void LibrarySession::setListShowsRating(bool shown)
{
    m_state.ListShowsRating = shown;
    rebuildList();
}

QStringList LibrarySession::valueListFor(const QString &field)
{
    // The quicksort is not stable: this sort also decides which record of a name a folded entry
    // opens after the filter that usually follows, so it stays even where it looks redundant.
    sortByMainSortField();
    m_names = NameIndex(m_state.library.GridMain);
    return fieldValueList(m_state.library.GridMain, field);
}

void LibrarySession::applyFieldFilter(const QString &field, const QString &value)
{
    sortByMainSortField();
    ::applyFieldFilter(m_state.library.GridMain, field, value, m_state.filterModes);
    rebuildList();
}

void LibrarySession::categoryChosen(CategoryMenu menu, const QString &value)
{
    m_state.galleryHint = galleryHintFor(menu, value);
    switchModeFor(menu, m_state.filterModes);
}

void LibrarySession::textSearch(const QString &text)
{
    applyTextSearch(m_state.library.GridMain, text);
    rebuildList();
}

void LibrarySession::restoreAll()
{
    finishScan();
    LibraryState &library = m_state.library;
    const QString cacheFile = library.Places.dataCache(library.LibraryRoot).file;
    // A data cache that is still the file the complete copy was read from or written to, with
    // the copy unchanged since, holds that very table: the copy shares its texts, where a new
    // read would hold them all twice.
    if (library.completeStamp.isValid() && library.GridComplete.revision() == library.completeRevision &&
        CacheStamp::of(cacheFile) == library.completeStamp) {
        library.GridMain = library.GridComplete;
        setSortField(QStringLiteral("Name"));
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
    // The list build folds the games of one name, which is all that is left to do afterwards.
    setSortField(QStringLiteral("Name"));
}

void LibrarySession::rescan()
{
    // A refresh under way would replace whatever this scan reads with what it read before.
    finishScan();
    LoadGrid(m_state.library, *m_settings, *m_observer);
    FreedMemory::giveBack();
    // The complete copy is in scan order; the list shows the order of the sort field.
    setSortField(m_state.MainSortField);
}

void LibrarySession::scanAgain()
{
    m_state.library.ScanPending = true;
    rescan();
}

bool LibrarySession::refreshAll(bool deleteCache)
{
    if (isScanRunning())
        return false;
    LibraryState &library = m_state.library;
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
    const QString root = forRun.isEmpty() ? m_settings->read(SettingsKeys::VADPath) : forRun;
    if (!m_backgroundScan->start(std::move(start), root, m_settings->fields()))
        return false;
    library.ReloadInProgress = true;
    emit scanRunning(true);
    return true;
}

void LibrarySession::refreshAllWhenIdle()
{
    if (isScanRunning())
        m_refreshAfterScan = true;
    else
        refreshAll(false);
}

Result<QString> LibrarySession::prepareImportCategory(const QString &category)
{
    LibraryState &library = m_state.library;
    Result<QString> prepared = ImportRun::prepareCategory(*m_settings, library.LibraryRoot, category);
    if (prepared && !library.lbDirList.contains(*prepared))
        library.lbDirList.append(*prepared);
    return prepared;
}

void LibrarySession::finishScan()
{
    // Taking a scan in may start the one that waited for it; that one is waited for too.
    while (isScanRunning())
        adoptScan();
}

void LibrarySession::adoptScan()
{
    if (!isScanRunning())
        return;
    m_backgroundScan->wait();
    const bool completed = m_backgroundScan->completed();
    LibraryState scanned = m_backgroundScan->takeResult();
    LibraryState &library = m_state.library;
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
        // The scan order is the folders' order; the list keeps the field it was sorted by.
        setSortField(m_state.MainSortField);
    }
    emit scanRunning(false);
    // The library changed while it was being read, perhaps after the scan had passed that folder.
    if (m_refreshAfterScan) {
        m_refreshAfterScan = false;
        refreshAll(false);
    }
}

void LibrarySession::refreshThisGame()
{
    if (m_selectedIndex < 0) {
        emit message(Failure(Failure::Kind::NoEntrySelected).message());
        return;
    }
    if (isScanRunning())
        return;
    GameTable &table = m_state.library.GridMain;
    const QString name =
        gameNameOfEntry(listEntries().at(m_selectedIndex), m_state.ListShowsSortValue, m_state.ListShowsRating);
    const int row = GameRefresh::rowFor(table, name, m_entryPlatform);
    if (row == 0)
        return;
    if (const Result<void> refreshed = GameRefresh::refreshRow(table, row, m_state.library.LibraryRoot);
        !refreshed) {
        emit message(refreshed.error().message());
        return;
    }
    if (followRefreshedRow(row, name))
        emit listChanged();
    select(m_selectedIndex);
}

bool LibrarySession::followRefreshedRow(int row, const QString &oldName)
{
    const GameTable &table = m_state.library.GridMain;
    const QString newName = table.cell(m_names.nameColumn(), row);
    // The row stays where it is: the table is not sorted again, so neither is the list.
    const QString entry = mainListEntry(table.cell(1, row), table.cell(m_ratingColumn, row),
                                        table.cell(m_state.MainSortColumn, row), m_state.ListShowsSortValue,
                                        m_state.ListShowsRating);
    const qsizetype at = m_selectedIndex;
    if (newName == oldName) {
        // Only the entry of the record it shows carries that record's rating and sort value.
        if (m_names.rowOf(newName) != row || listEntries().at(at) == entry)
            return false;
        m_list->setEntry(at, entry);
        return true;
    }
    m_names = NameIndex(table);
    if (m_names.rowOf(oldName) != 0) {
        // The game's other platforms still bear the old name and keep the entry; the renamed
        // record gets one of its own next to it.
        m_list->insertEntry(at + 1, entry);
        ++m_selectedIndex;
    } else {
        m_list->setEntry(at, entry);
    }
    return true;
}

void LibrarySession::select(int listIndex)
{
    m_state.SelectedRow = 0;
    m_selectedIndex = listIndex >= 0 && listIndex < listEntries().size() ? listIndex : -1;
    if (m_selectedIndex < 0) {
        m_noteLines.clear();
        emit selectionChanged();
        return;
    }
    m_state.LastSelectedIndex = m_selectedIndex;
    // Written once the user pauses: holding an arrow key must not rewrite the file per entry.
    m_settings->writeWhenIdle(SettingsKeys::LastSelectedGame, m_selectedIndex);
    m_state.SelectedGameName = gameNameOfEntry(listEntries().at(m_selectedIndex), m_state.ListShowsSortValue,
                                               m_state.ListShowsRating);
    m_state.SelectedRow = m_state.ForcedRowPending ? m_state.ForcedRow : m_names.rowOf(m_state.SelectedGameName);
    // The pictures are read, and found, off the window's thread.
    m_details = DetailsContent::forRow(m_state.library.GridMain, m_state.SelectedRow, m_state.library.LibraryRoot,
                                       m_state.ForcedRowPending, DetailsContent::PictureFiles::AsNamed);
    Result<QStringList> note = DetailsContent::readNoteLines(m_details.notePath);
    if (note) {
        m_noteLines = std::move(*note);
    } else {
        m_noteLines.clear();
        reportOnce(m_details.notePath, note.error().message());
    }
    if (m_details.platformsUpdated)
        m_entryPlatform = m_details.platform;
    m_state.ForcedRowPending = false;
    emit selectionChanged();
}

void LibrarySession::reportOnce(const QString &path, const QString &text)
{
    // Browsing passes the same game again and again; one box per file is enough.
    if (!m_reported.contains(path)) {
        m_reported.insert(path);
        emit message(text);
    }
}

void LibrarySession::launchRow(int row)
{
    if (row < 1 || row >= m_state.library.GridMain.rowCount())
        return;
    // The current row stays the one the details show: PLAY and the folder commands that follow
    // must act on the game the user sees there, not on the thumbnail's.
    tellNotStarted(Launcher(m_platform.shell)
                       .LaunchGame(m_state.library.GridMain, row, m_state.library.LibraryRoot, m_state.emulators,
                                   launchOptions(false)));
}

void LibrarySession::launchSelected(bool setup)
{
    tellNotStarted(Launcher(m_platform.shell)
                       .LaunchGame(m_state.library.GridMain, m_state.SelectedRow, m_state.library.LibraryRoot,
                                   m_state.emulators, launchOptions(setup)));
}

void LibrarySession::tellNotStarted(const std::vector<Failure> &notStarted)
{
    for (const Failure &failure : notStarted)
        emit message(failure.message());
}

bool LibrarySession::showPlatform(const QString &platform)
{
    if (m_selectedIndex < 0)
        return false;
    const int row = FindOtherPlatform(m_state.library.GridMain, m_state.SelectedGameName, platform);
    if (row == 0)
        return false;
    m_state.ForcedRow = row;
    m_state.ForcedRowPending = true;
    select(m_selectedIndex);
    return true;
}

void LibrarySession::launchPlatform(const QString &platform)
{
    const GameTable &table = m_state.library.GridMain;
    const int column = table.findColumn(QStringLiteral("Platform"));
    const auto shown = [&] {
        return m_selectedIndex >= 0 && m_state.SelectedRow > 0 && column >= 0 &&
               table.cell(column, m_state.SelectedRow) == platform;
    };
    // The click before the double click normally switched records already. Without a record
    // for the platform, the record of another platform, still on show, would start instead.
    if (!shown() && !(showPlatform(platform) && shown())) {
        emit message(Failure(Failure::Kind::NoRecordForPlatform)
                         .with(Failure::Fact::Game, m_state.SelectedGameName)
                         .with(Failure::Fact::Platform, platform)
                         .message());
        return;
    }
    launchSelected(false);
}

void LibrarySession::openManual(const QString &manualFile)
{
    const QString target = DetailsLinks::manualTarget(m_details.metadataFolder, manualFile);
    if (!target.isEmpty())
        m_platform.shell.execute(QString(), target, QString(), QString());
}

void LibrarySession::openExtra(const QString &link)
{
    const QString target = DetailsLinks::extraTarget(m_details.metadataFolder, link);
    if (!target.isEmpty())
        m_platform.shell.execute(QString(), target, QString(), QString());
}

void LibrarySession::selectRandomEntry()
{
    select(m_platform.random.below(m_state.library.GridMain.rowCount() - 1));
}

void LibrarySession::startUp()
{
    openSettings();
    emit startUpStep(StartUpStep::SettingsOpened);
    emit startUpStep(StartUpStep::TableLoading);
    loadTable();
    emit startUpStep(StartUpStep::TableLoaded);
    rebuildList();
    emit startUpStep(StartUpStep::ListBuilt);
    loadEmulators();
    emit startUpStep(StartUpStep::EmulatorsLoaded);
    m_filter->fillFieldList();
    emit startUpStep(StartUpStep::FiltersFilled);
    select(firstListIndex());
    emit startUpStep(StartUpStep::Finished);
}
