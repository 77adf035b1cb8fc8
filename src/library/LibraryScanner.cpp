#include "library/LibraryScanner.h"

#include "app/IniFile.h"
#include "app/SettingsFile.h"
#include "library/GridTextFile.h"
#include "library/LibraryPaths.h"
#include "library/LibraryState.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstring>
#include <vector>

#if defined(Q_OS_UNIX)
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm");

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

// What is known of the game folder being scanned; its dates are looked up with its first game.
struct GameFolder
{
    const QString *category = nullptr;
    const QString *name = nullptr;
    QString path;
    FolderDates dates;
    bool datesKnown = false;
};

enum class EntryKind { Folder, IniFile };

bool isIniName(const char *name, size_t length)
{
    return length >= 4 && strncasecmp(name + length - 4, ".ini", 4) == 0;
}

// Appends the names of a folder's entries of one kind, unsorted: visible folders, or files
// whose names end in ".ini". Returns false when the folder cannot be listed. A scan lists every
// game folder of the library, so this stays as close to the system as it can.
#if defined(Q_OS_UNIX)
void readEntries(DIR *dir, EntryKind kind, QStringList &names)
{
    const int fd = dirfd(dir);
    while (const dirent *entry = readdir(dir)) {
        const char *name = entry->d_name;
        const size_t length = std::strlen(name);
        if (name[0] == '.' && (kind == EntryKind::Folder || length == 1 || (length == 2 && name[1] == '.')))
            continue;
        if (kind == EntryKind::IniFile && !isIniName(name, length))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info;
            if (fstatat(fd, name, &info, 0) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == (kind == EntryKind::Folder ? DT_DIR : DT_REG))
            names.append(QFile::decodeName(QByteArray::fromRawData(name, static_cast<qsizetype>(length))));
    }
}
#endif

bool listFolder(const QString &folder, EntryKind kind, QStringList &names)
{
#if defined(Q_OS_UNIX)
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    readEntries(dir, kind, names);
    closedir(dir);
    return true;
#else
    if (!QFileInfo(folder).isDir())
        return false;
    const QDir::Filters filters = kind == EntryKind::Folder ? QDir::Dirs | QDir::NoDotAndDotDot : QDir::Files | QDir::Hidden;
    QDirIterator it(folder, filters);
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        if (kind == EntryKind::Folder ? !name.startsWith(u'.') : name.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
            names.append(std::move(name));
    }
    return true;
#endif
}

#if defined(Q_OS_LINUX)
bool folderTimesAt(int directoryFd, const QByteArray &path, qint64 *created, qint64 *modified)
{
    struct statx info;
    if (statx(directoryFd, path.constData(), 0, STATX_BTIME | STATX_CTIME | STATX_MTIME, &info) != 0)
        return false;
    // Not every file system records a birth time; the last status change is the nearest we have.
    *created = (info.stx_mask & STATX_BTIME) ? info.stx_btime.tv_sec : info.stx_ctime.tv_sec;
    *modified = info.stx_mtime.tv_sec;
    return true;
}

bool folderTimes(const QString &folderPath, qint64 *created, qint64 *modified)
{
    return folderTimesAt(AT_FDCWD, QFile::encodeName(folderPath), created, modified);
}
#else
bool folderTimes(const QString &folderPath, qint64 *created, qint64 *modified)
{
    const QFileInfo info(folderPath);
    if (!info.exists())
        return false;
    QDateTime birth = info.birthTime();
    if (!birth.isValid())
        birth = info.metadataChangeTime();
    *created = birth.toSecsSinceEpoch();
    *modified = info.lastModified().toSecsSinceEpoch();
    return true;
}
#endif

FolderDates formatDates(qint64 created, qint64 modified)
{
    FolderDates dates;
    dates.created = QDateTime::fromSecsSinceEpoch(created, Qt::UTC).toString(kDateFormat);
    dates.modified = QDateTime::fromSecsSinceEpoch(modified).toString(kDateFormat);
    dates.ok = true;
    return dates;
}

// Keeps what a game ini file may be: files too large to be a game record, and binary files, are
// not game records and give nothing.
bool isGameRecord(QByteArray &buffer, qint64 size)
{
    if (size < 0 || size > MaxGameIniSize)
        return false;
    buffer.truncate(size);
    return !buffer.contains('\0');
}

// The ini files of one game folder, each read once into a buffer that serves the whole scan.
// Where the system allows it, the files are opened relative to their folder, and the game
// folder is dated relative to its category folder: a scan touches every game folder, and
// walking the full path again for every file is most of what it would otherwise cost.
class IniFolderReader
{
public:
    IniFolderReader(int categoryFd, const GameFolder &folder) : m_folder(folder)
    {
        const QString sep = LibraryPaths::separator();
        m_path = folder.path + sep + QStringLiteral("Pallox") + sep + QStringLiteral("IniFile");
#if defined(Q_OS_UNIX)
        if (categoryFd >= 0) {
            m_categoryFd = categoryFd;
            m_nameInCategory = QFile::encodeName(*folder.name);
            const int fd = openat(categoryFd, QByteArray(m_nameInCategory + "/Pallox/IniFile").constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd >= 0) {
                m_dir = fdopendir(fd);
                if (!m_dir) {
                    ::close(fd);
                } else {
                    readEntries(m_dir, EntryKind::IniFile, m_files);
                    m_listed = true;
                }
            }
        }
#endif
        if (!m_listed)
            m_listed = listFolder(m_path, EntryKind::IniFile, m_files);
        if (!m_listed) {
            // Libraries made on Windows may spell the metadata folders in any case.
            const QString resolved = LibraryPaths::resolve(m_path);
            if (resolved != m_path && listFolder(resolved, EntryKind::IniFile, m_files)) {
                m_path = resolved;
                m_listed = true;
            }
        }
        LibraryPaths::sortAsListing(m_files);
    }

    ~IniFolderReader()
    {
#if defined(Q_OS_UNIX)
        if (m_dir)
            closedir(m_dir);
#endif
    }
    IniFolderReader(const IniFolderReader &) = delete;
    IniFolderReader &operator=(const IniFolderReader &) = delete;

    const QStringList &files() const { return m_files; }
    QString path(const QString &file) const { return m_path + LibraryPaths::separator() + file; }

    // False for a file that is no game record; `failure` then says why the system would not let
    // us read it, and stays empty when the file was read but is too large or binary.
    bool read(const QString &file, QByteArray &buffer, QString *failure) const
    {
        buffer.resize(MaxGameIniSize + 1);
#if defined(Q_OS_UNIX)
        if (m_dir) {
            const int fd = openat(dirfd(m_dir), QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
            if (fd < 0) {
                *failure = qt_error_string(errno);
                return false;
            }
            qint64 size = 0;
            while (size < buffer.size()) {
                const ssize_t got = ::read(fd, buffer.data() + size, static_cast<size_t>(buffer.size() - size));
                if (got < 0 && errno == EINTR)
                    continue;
                if (got <= 0) {
                    if (got < 0) {
                        *failure = qt_error_string(errno);
                        size = -1;
                    }
                    break;
                }
                size += got;
            }
            ::close(fd);
            return isGameRecord(buffer, size);
        }
#endif
        QFile in(path(file));
        if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            *failure = in.errorString();
            return false;
        }
        const qint64 size = in.read(buffer.data(), buffer.size());
        if (size < 0)
            *failure = in.errorString();
        return isGameRecord(buffer, size);
    }

    FolderDates dates() const
    {
#if defined(Q_OS_LINUX)
        if (m_categoryFd >= 0) {
            qint64 created = 0;
            qint64 modified = 0;
            if (!folderTimesAt(m_categoryFd, m_nameInCategory, &created, &modified))
                return FolderDates();
            return formatDates(created, modified);
        }
#endif
        return DirectoryDateTimeInfo(m_folder.path);
    }

private:
    const GameFolder &m_folder;
    QString m_path;
    QStringList m_files;
    bool m_listed = false;
#if defined(Q_OS_UNIX)
    int m_categoryFd = -1;
    QByteArray m_nameInCategory;
    DIR *m_dir = nullptr;
#endif
};

void scanGameFolder(int categoryFd, GameFolder &folder, const RowPlan &plan, QByteArray &bytes, GameTable &grid,
                    QStringList &unreadable, ScanObserver &observer)
{
    const IniFolderReader reader(categoryFd, folder);
    const QString main = QStringLiteral("Main");
    const QString nameKey = QStringLiteral("Name");
    std::vector<QString> values(static_cast<size_t>(plan.keys.size()));
    for (const QString &file : reader.files()) {
        QString failure;
        if (!reader.read(file, bytes, &failure)) {
            if (!failure.isEmpty())
                unreadable.append(QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(reader.path(file)), failure));
            continue;
        }
        const IniFile ini = IniFile::fromBytes(bytes);
        if (ini.readString(main, nameKey, QString()).isEmpty())
            continue;

        if (!folder.datesKnown) {
            folder.dates = reader.dates();
            folder.datesKnown = true;
            if (!folder.dates.ok)
                observer.message(folderInfoError(folder.path));
        }
        for (qsizetype k = 0; k < plan.keys.size(); ++k)
            values[static_cast<size_t>(k)] = ini.readString(main, plan.keys[k], QString());

        std::vector<QString> row(plan.columns.size());
        for (size_t c = 0; c < plan.columns.size(); ++c) {
            const ColumnPlan &column = plan.columns[c];
            switch (column.source) {
            case Source::Key: row[c] = values[static_cast<size_t>(column.key)]; break;
            case Source::Folder: row[c] = *folder.category; break;
            case Source::Subfolder: row[c] = *folder.name; break;
            case Source::IniFile: row[c] = file; break;
            case Source::DateCreated: row[c] = folder.dates.created; break;
            case Source::DateModified: row[c] = folder.dates.modified; break;
            }
        }
        grid.appendRow(std::move(row));
    }
}

void scan(LibraryState &state, SettingsFile &settings, ScanObserver &observer)
{
    ScanLibrary(state, settings.read(SettingsKeys::VADPath), settings.fields(), observer);
}

void restore(LibraryState &state)
{
    state.GridMain = state.GridComplete;
}

} // namespace

bool ScanLibrary(LibraryState &state, const QString &root, const QStringList &fields, ScanObserver &observer)
{
    // A settings file that could not be written holds no root; the one in memory still stands.
    if (!root.isEmpty())
        state.LibraryRoot = LibraryPaths::withTrailingSeparator(root);

    state.lbGridRead = fields + appendedColumns();
    GameTable &grid = state.GridMain;
    grid = GameTable();
    grid.setSize(static_cast<int>(state.lbGridRead.size()), 1);
    std::vector<QString> &names = grid.row(0);
    for (size_t c = 0; c < names.size(); ++c)
        names[c] = state.lbGridRead[static_cast<qsizetype>(c)];
    const RowPlan plan(state.lbGridRead);

    const int categoryCount = static_cast<int>(state.lbDirList.size());
    if (state.StartupLoading || state.ReloadInProgress)
        observer.categoriesStarted(categoryCount);

    const QString gamesFolder = LibraryPaths::gamesFolder(state.LibraryRoot);
    QByteArray buffer; // one for every ini file of the scan
    QStringList unreadable;
    for (int q = 0; q < categoryCount && !observer.cancelled(); ++q) {
        const QString &category = state.lbDirList[q];
        observer.categoryStarted(q, categoryCount, category);
        state.lbSubDirList.clear();
        const QString categoryFolder = LibraryPaths::resolve(LibraryPaths::join(gamesFolder, category));
        GetSubDirectories(categoryFolder, state.lbSubDirList);
        int categoryFd = -1;
#if defined(Q_OS_UNIX)
        categoryFd = ::open(QFile::encodeName(categoryFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif

        const int gameCount = static_cast<int>(state.lbSubDirList.size());
        observer.gamesStarted(gameCount);
        for (int s = 0; s < gameCount && !observer.cancelled(); ++s) {
            observer.gameStarted(s);
            GameFolder folder;
            folder.category = &category;
            folder.name = &state.lbSubDirList[s];
            folder.path = LibraryPaths::join(categoryFolder, *folder.name);
            scanGameFolder(categoryFd, folder, plan, buffer, grid, unreadable, observer);
        }
#if defined(Q_OS_UNIX)
        if (categoryFd >= 0)
            ::close(categoryFd);
#endif
    }

    // Half a library must never become the cache the next start trusts.
    if (observer.cancelled())
        return false;

    // A game whose file the system would not let us read (its permissions, a disk error) is a
    // game of the user's that is missing from the list; say so, once for the whole scan.
    if (!unreadable.isEmpty()) {
        constexpr qsizetype shown = 10;
        QString text = QStringLiteral("These game ini files could not be read, so their games are not listed:\n")
                       + QStringList(unreadable.mid(0, shown)).join(QLatin1Char('\n'));
        if (unreadable.size() > shown)
            text += QStringLiteral("\n... and %1 more.").arg(unreadable.size() - shown);
        observer.message(text);
    }
    if (grid.rowCount() < 2)
        observer.message(QStringLiteral("No Data Found - Please check folders"));

    state.GridComplete = grid;

    const GridFileResult saved = SaveStringGrid(grid, LibraryPaths::dataCacheFile(state.LibraryRoot));
    if (!saved.ok())
        observer.message(saved.error);

    state.ScanPending = false;
    observer.scanFinished();
    state.StartupLoading = false;
    return true;
}

void GetSubDirectories(const QString &folder, QStringList &list)
{
    QStringList names;
    listFolder(folder, EntryKind::Folder, names);
    LibraryPaths::sortAsListing(names);
    list.append(names);
}

FolderDates DirectoryDateTimeInfo(const QString &folderPath)
{
    qint64 created = 0;
    qint64 modified = 0;
    if (folderPath.isEmpty() || !folderTimes(folderPath, &created, &modified))
        return FolderDates();
    return formatDates(created, modified);
}

QString folderInfoError(const QString &folderPath)
{
    return QStringLiteral("Could not obtain info for \"%1\"").arg(QDir::toNativeSeparators(folderPath));
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
