#include "library/LibraryScanner.h"

#include "base/IniFile.h"
#include "base/SettingsFile.h"
#include "library/GameFolderReader.h"
#include "library/GridTextFile.h"
#include "library/LibraryPaths.h"
#include "library/LibraryState.h"
#include "library/ReadAheadPool.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <deque>
#include <memory>
#include <vector>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Where a column's text comes from: the game's ini file, or what the scan knows of the file.
enum class Source { Key, Folder, Subfolder, IniFile, DateCreated, DateModified };

struct ColumnPlan
{
    Source source = Source::Key;
    int key = -1; // index into the distinct keys, for Source::Key
};

// The column plan is worked out once per scan, so that a game costs one look-up per distinct
// field name and nothing more. Columns that share a name share a key and so a value.
struct RowPlan
{
    std::vector<ColumnPlan> columns;
    QStringList keys;

    explicit RowPlan(const QStringList &fieldNames)
    {
        static const QHash<QString, Source> pseudo{
            {QStringLiteral("Folder"), Source::Folder},
            {QStringLiteral("Subfolder"), Source::Subfolder},
            {QStringLiteral("IniFile"), Source::IniFile},
            {QStringLiteral("FolderDateCreated"), Source::DateCreated},
            {QStringLiteral("FolderDateModified"), Source::DateModified},
        };
        QHash<QString, int> keyIndex;
        columns.reserve(static_cast<size_t>(fieldNames.size()));
        for (const QString &name : fieldNames) {
            ColumnPlan plan;
            plan.source = pseudo.value(name, Source::Key);
            if (plan.source == Source::Key) {
                auto it = keyIndex.constFind(name);
                if (it == keyIndex.constEnd()) {
                    it = keyIndex.insert(name, static_cast<int>(keys.size()));
                    keys.append(name);
                }
                plan.key = it.value();
            }
            columns.push_back(plan);
        }
    }
};

// A category folder as the walk found it. Its reads hold it until the last of them is done, and
// the folder is closed with it.
struct CategoryFolder
{
    QString path;
    QStringList games;
    int fd = -1;

    CategoryFolder() = default;
    CategoryFolder(const CategoryFolder &) = delete;
    CategoryFolder &operator=(const CategoryFolder &) = delete;
    ~CategoryFolder()
    {
#if defined(Q_OS_UNIX)
        if (fd >= 0)
            ::close(fd);
#endif
    }
};

struct CategorySlot : ReadAheadPool::Slot
{
    std::shared_ptr<CategoryFolder> folder = std::make_shared<CategoryFolder>();
};

struct ParsedFile
{
    QString name;
    Result<void> read;               // why it could not be read, if the system said so
    std::vector<QString> values;     // one per distinct key, when the file is a game
    bool game = false;
};

// One game folder, read and parsed on a reader thread; the walk makes rows of it in its turn.
struct GameFolderSlot : ReadAheadPool::Slot
{
    QString path;
    QString iniFolder;
    std::vector<ParsedFile> files;
    Result<FolderDates> dates;
    // Deleted while the library was being read (Delete Folder during a rescan, or another
    // program): its games went with it, and there is nothing to tell of its dates.
    bool gone = false;
};

void readGameFolder(const GameFolderReader &reader, const RowPlan &plan, const CategoryFolder &category,
                    qsizetype index, GameFolderSlot &slot)
{
    GameFolderRequest request;
    request.categoryFd = category.fd;
    request.name = category.games[index];
    request.path = LibraryPaths::join(category.path, request.name);
    GameFolderFiles read = reader.read(request);
    slot.path = request.path;
    slot.iniFolder = std::move(read.iniFolder);
    slot.files.resize(read.files.size());
    const QString main = QStringLiteral("Main");
    const QString nameKey = QStringLiteral("Name");
    bool anyGame = false;
    for (size_t f = 0; f < read.files.size(); ++f) {
        IniFileContents &file = read.files[f];
        ParsedFile &parsed = slot.files[f];
        parsed.name = std::move(file.name);
        if (!file.bytes) {
            parsed.read = std::move(file.bytes).error();
            continue;
        }
        if (!file.record)
            continue;
        const IniFile ini = IniFile::fromBytes(*file.bytes);
        file.bytes->clear();
        if (ini.readString(main, nameKey, QString()).isEmpty())
            continue;
        parsed.values.resize(static_cast<size_t>(plan.keys.size()));
        for (qsizetype k = 0; k < plan.keys.size(); ++k)
            parsed.values[static_cast<size_t>(k)] = ini.readString(main, plan.keys[k], QString());
        parsed.game = true;
        anyGame = true;
    }
    // Only a folder that holds a game is dated, and so only such a folder can fail to be.
    if (anyGame) {
        slot.dates = reader.dates(request);
        slot.gone = !slot.dates && reader.missing(request);
    }
}

void addRows(const QString &category, const QString &game, const GameFolderSlot &folder, const RowPlan &plan,
             GameTable &grid, Failure &unreadable, ScanObserver &observer)
{
    if (folder.gone)
        return;
    // A folder that could not be dated gives its games empty dates.
    static const FolderDates undated;
    const FolderDates &dates = folder.dates ? *folder.dates : undated;
    bool dated = false;
    for (const ParsedFile &file : folder.files) {
        if (!file.read) {
            unreadable.withCause(file.read.error());
            continue;
        }
        if (!file.game)
            continue;
        if (!dated) {
            dated = true;
            if (!folder.dates)
                observer.failed(folder.dates.error());
        }
        std::vector<QString> row(plan.columns.size());
        for (size_t c = 0; c < plan.columns.size(); ++c) {
            const ColumnPlan &column = plan.columns[c];
            switch (column.source) {
            case Source::Key: row[c] = file.values[static_cast<size_t>(column.key)]; break;
            case Source::Folder: row[c] = category; break;
            case Source::Subfolder: row[c] = game; break;
            case Source::IniFile: row[c] = file.name; break;
            case Source::DateCreated: row[c] = dates.created; break;
            case Source::DateModified: row[c] = dates.modified; break;
            }
        }
        grid.appendRow(std::move(row));
    }
}

// Keeps the reader threads busy ahead of the walk: category listings one category ahead, and
// game folders up to the window's width, in walk order, so that the walk finds each one it
// comes to read already (or at least under way). The window is wider than the reads in flight:
// one slow answer then holds up only the walk, not the reads behind it.
class ReadAhead
{
public:
    ReadAhead(const QStringList &categories, const QString &gamesFolder, const GameFolderReader &reader,
              const RowPlan &plan, int inFlight)
        : m_categories(categories), m_gamesFolder(gamesFolder), m_reader(reader), m_plan(plan),
          m_window(inFlight * ScanFoldersAheadPerRead), m_listings(static_cast<size_t>(categories.size())),
          m_pool(inFlight)
    {
    }

    // The listing of category q; null when the scan was cancelled while waiting for it. Reader
    // threads use it at the same time, so it is only read from here on.
    std::shared_ptr<const CategoryFolder> category(int q, const std::function<bool()> &cancelled)
    {
        request(q);
        request(q + 1);
        const std::shared_ptr<CategorySlot> slot = m_listings[static_cast<size_t>(q)];
        if (!m_pool.wait(*slot, cancelled))
            return nullptr;
        m_walked = q + 1;
        fill();
        // The walk and the reads of the category keep what they need of it.
        if (m_category > q)
            m_listings[static_cast<size_t>(q)].reset();
        return slot->folder;
    }

    // The next game folder of the walk, read; null when the scan was cancelled while waiting.
    std::shared_ptr<GameFolderSlot> next(const std::function<bool()> &cancelled)
    {
        fill();
        if (m_ahead.empty())
            return nullptr;
        const std::shared_ptr<GameFolderSlot> slot = m_ahead.front();
        if (!m_pool.wait(*slot, cancelled))
            return nullptr;
        m_ahead.pop_front();
        fill();
        return slot;
    }

private:
    // Asks for the listings of every category up to q that was not asked for yet.
    void request(int q)
    {
        while (m_listed <= q && m_listed < static_cast<int>(m_listings.size())) {
            auto slot = std::make_shared<CategorySlot>();
            m_listings[static_cast<size_t>(m_listed)] = slot;
            CategoryFolder *folder = slot->folder.get();
            const QString category = m_categories[m_listed++];
            const QString gamesFolder = m_gamesFolder;
            m_pool.submit(std::move(slot), [folder, category, gamesFolder] {
                folder->path = LibraryPaths::resolve(LibraryPaths::join(gamesFolder, category));
                GetSubDirectories(folder->path, folder->games);
#if defined(Q_OS_UNIX)
                folder->fd =
                    ::open(QFile::encodeName(folder->path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
            });
        }
    }

    void fill()
    {
        while (static_cast<int>(m_ahead.size()) < m_window &&
               m_category < static_cast<int>(m_listings.size())) {
            request(m_category);
            request(m_category + 1);
            const std::shared_ptr<CategorySlot> &listing = m_listings[static_cast<size_t>(m_category)];
            if (!m_pool.isDone(*listing))
                return; // taken up again once the listing is in
            if (m_game >= listing->folder->games.size()) {
                if (m_walked > m_category)
                    m_listings[static_cast<size_t>(m_category)].reset();
                ++m_category;
                m_game = 0;
                continue;
            }
            auto slot = std::make_shared<GameFolderSlot>();
            m_ahead.push_back(slot);
            std::shared_ptr<const CategoryFolder> folder = listing->folder;
            const qsizetype index = m_game++;
            const GameFolderReader &reader = m_reader;
            const RowPlan &plan = m_plan;
            GameFolderSlot *target = slot.get();
            m_pool.submit(std::move(slot), [&reader, &plan, folder, index, target] {
                readGameFolder(reader, plan, *folder, index, *target);
            });
        }
    }

    const QStringList &m_categories;
    const QString m_gamesFolder;
    const GameFolderReader &m_reader;
    const RowPlan &m_plan;
    const int m_window;
    std::vector<std::shared_ptr<CategorySlot>> m_listings;
    std::deque<std::shared_ptr<GameFolderSlot>> m_ahead;
    int m_listed = 0;    // categories whose listing was asked for
    int m_walked = 0;    // categories the walk has come to
    int m_category = 0;  // where the next game folder to read ahead is
    qsizetype m_game = 0;
    // Last, so that it is destroyed first: its threads use everything above.
    ReadAheadPool m_pool;
};

void scan(LibraryState &state, SettingsFile &settings, ScanObserver &observer)
{
    // A root given for this run wins over the settings file's.
    const QString &forRun = state.Places.libraryRootForRun();
    ScanLibrary(state, forRun.isEmpty() ? settings.read(SettingsKeys::VADPath) : forRun, settings.fields(), observer);
}

void restore(LibraryState &state)
{
    state.GridMain = state.GridComplete;
}

} // namespace

bool ScanLibrary(LibraryState &state, const QString &root, const QStringList &fields, ScanObserver &observer,
                 const ScanReading &reading)
{
    // A settings file that could not be written holds no root; the one in memory still stands.
    if (!root.isEmpty())
        state.LibraryRoot = LibraryPaths::withTrailingSeparator(root);

    state.lbGridRead = fields + appendedColumns();
    GameTable &grid = state.GridMain;
    grid = GameTable();
    grid.setSize(static_cast<int>(state.lbGridRead.size()), 1);
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setCell(c, 0, state.lbGridRead[c]);
    const RowPlan plan(state.lbGridRead);

    const int categoryCount = static_cast<int>(state.lbDirList.size());
    if (state.StartupLoading || state.ReloadInProgress)
        observer.categoriesStarted(categoryCount);

    const GameFolderReader fileSystem;
    const std::function<bool()> cancelled = [&observer] { return observer.cancelled(); };
    Failure unreadable(Failure::Kind::GameFilesUnreadable);
    bool stopped = false;
    {
        // The categories are copied: a reader thread must not see the state change under it.
        const QStringList categories = state.lbDirList;
        ReadAhead ahead(categories, LibraryPaths::gamesFolder(state.LibraryRoot),
                        reading.reader ? *reading.reader : fileSystem, plan,
                        reading.inFlight > 0 ? reading.inFlight : DefaultScanReadsInFlight);
        for (int q = 0; q < categoryCount && !stopped && !observer.cancelled(); ++q) {
            const QString &category = categories[q];
            observer.categoryStarted(q, categoryCount, category);
            const std::shared_ptr<const CategoryFolder> folder = ahead.category(q, cancelled);
            if (!folder) {
                stopped = true;
                break;
            }
            state.lbSubDirList = folder->games;

            const int gameCount = static_cast<int>(folder->games.size());
            observer.gamesStarted(gameCount);
            for (int s = 0; s < gameCount && !observer.cancelled(); ++s) {
                observer.gameStarted(s);
                const std::shared_ptr<GameFolderSlot> read = ahead.next(cancelled);
                if (!read) {
                    stopped = true;
                    break;
                }
                addRows(category, folder->games[s], *read, plan, grid, unreadable, observer);
            }
        }
        // Leaving this block drops what was read ahead and waits for the reads under way.
    }

    // Half a library must never become the cache the next start trusts.
    if (stopped || observer.cancelled())
        return false;

    // A game whose file the system would not let us read (its permissions, a disk error) is a
    // game of the user's that is missing from the list; say so, once for the whole scan.
    if (!unreadable.causes().empty())
        observer.failed(unreadable);
    if (grid.rowCount() < 2)
        observer.failed(Failure(Failure::Kind::NoGamesFound));

    grid.dropLookups();
    state.GridComplete = grid;

    const FilePlaces::DataCache cache = state.Places.dataCache(state.LibraryRoot);
    if (cache.inUserCache)
        QDir().mkpath(QFileInfo(cache.file).absolutePath());
    const QString &cacheFile = cache.file;
    if (const Result<void> saved = SaveStringGrid(grid, cacheFile); !saved) {
        // A cache in the user's cache folder that cannot be written is no news: the library
        // still shows, and a read-only home has been named once already.
        if (!cache.inUserCache)
            observer.failed(saved.error());
        state.completeStamp = CacheStamp();
    } else {
        state.completeStamp = CacheStamp::of(cacheFile);
        state.completeRevision = state.GridComplete.revision();
    }

    state.ScanPending = false;
    observer.scanFinished();
    state.StartupLoading = false;
    return true;
}

void LoadGrid(LibraryState &state, SettingsFile &settings, ScanObserver &observer)
{
    if (state.ScanPending)
        scan(state, settings, observer);
    else
        restore(state);
}

QStringList appendedColumns()
{
    QStringList columns{QStringLiteral("Rating"),  QStringLiteral("CustomEmuPath"), QStringLiteral("Adv01"),
                        QStringLiteral("Extra6"),  QStringLiteral("ExtraLink6"),    QStringLiteral("Extra7"),
                        QStringLiteral("ExtraLink7")};
    for (int i = 1; i <= 10; ++i) {
        columns.append(QStringLiteral("OtherPlatform%1").arg(i));
        columns.append(QStringLiteral("OtherPlatformFile%1").arg(i));
    }
    columns.append(QStringLiteral("FolderDateCreated"));
    columns.append(QStringLiteral("FolderDateModified"));
    columns.append(QStringLiteral("IniFile"));
    return columns;
}
