#include "library/GameFolderReader.h"

#include "library/LibraryPaths.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstring>

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

enum class EntryKind { Folder, IniFile };

#if defined(Q_OS_UNIX)
bool isIniName(const char *name, size_t length)
{
    return length >= 4 && strncasecmp(name + length - 4, ".ini", 4) == 0;
}

// Appends the names of a folder's entries of one kind, unsorted: visible folders, or files
// whose names end in ".ini". A scan lists every game folder of the library, so this stays as
// close to the system as it can.
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

// False when the folder cannot be listed.
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
    const QDir::Filters filters =
        kind == EntryKind::Folder ? QDir::Dirs | QDir::NoDotAndDotDot : QDir::Files | QDir::Hidden;
    QDirIterator it(folder, filters);
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        if (kind == EntryKind::Folder ? !name.startsWith(u'.')
                                      : name.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
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

// Each reader thread reads every file into one buffer of its own and keeps only the bytes.
QByteArray &readBuffer()
{
    thread_local QByteArray buffer;
    buffer.resize(MaxGameIniSize + 1);
    return buffer;
}

Failure unreadable(const QString &folder, const QString &name, const QString &reason)
{
    return Failure(Failure::Kind::GameFileUnreadable, folder + LibraryPaths::separator() + name, reason);
}

#if defined(Q_OS_UNIX)
void readAt(int directoryFd, const QString &folder, IniFileContents &file)
{
    const int fd =
        openat(directoryFd, QFile::encodeName(file.name).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        file.bytes = unreadable(folder, file.name, qt_error_string(errno));
        return;
    }
    QByteArray &buffer = readBuffer();
    qint64 size = 0;
    while (size < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + size, static_cast<size_t>(buffer.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got < 0) {
                file.bytes = unreadable(folder, file.name, qt_error_string(errno));
                size = -1;
            }
            break;
        }
        size += got;
    }
    ::close(fd);
    file.record = isGameRecord(buffer, size);
    if (file.record)
        file.bytes = QByteArray(buffer.constData(), buffer.size());
}
#endif

void readByPath(const QString &folder, IniFileContents &file)
{
    QFile in(folder + LibraryPaths::separator() + file.name);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        file.bytes = unreadable(folder, file.name, in.errorString());
        return;
    }
    QByteArray &buffer = readBuffer();
    const qint64 size = in.read(buffer.data(), buffer.size());
    if (size < 0)
        file.bytes = unreadable(folder, file.name, in.errorString());
    file.record = isGameRecord(buffer, size);
    if (file.record)
        file.bytes = QByteArray(buffer.constData(), buffer.size());
}

} // namespace

GameFolderFiles GameFolderReader::read(const GameFolderRequest &request) const
{
    GameFolderFiles result;
    const QString sep = LibraryPaths::separator();
    result.iniFolder = request.path + sep + QStringLiteral("Pallox") + sep + QStringLiteral("IniFile");
    QStringList names;
    bool listed = false;
#if defined(Q_OS_UNIX)
    // Files are opened relative to their folder: walking the full path again for every file is
    // most of what a scan would otherwise cost.
    DIR *dir = nullptr;
    if (request.categoryFd >= 0) {
        const QByteArray relative = QFile::encodeName(request.name) + "/Pallox/IniFile";
        const int fd = openat(request.categoryFd, relative.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            dir = fdopendir(fd);
            if (!dir) {
                ::close(fd);
            } else {
                readEntries(dir, EntryKind::IniFile, names);
                listed = true;
            }
        }
    }
#endif
    if (!listed)
        listed = listFolder(result.iniFolder, EntryKind::IniFile, names);
    if (!listed) {
        // Libraries made on Windows may spell the metadata folders in any case.
        const QString resolved = LibraryPaths::resolve(result.iniFolder);
        if (resolved != result.iniFolder && listFolder(resolved, EntryKind::IniFile, names))
            result.iniFolder = resolved;
    }
    LibraryPaths::sortAsListing(names);

    result.files.resize(static_cast<size_t>(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i) {
        IniFileContents &file = result.files[static_cast<size_t>(i)];
        file.name = names[i];
#if defined(Q_OS_UNIX)
        if (dir) {
            readAt(dirfd(dir), result.iniFolder, file);
            continue;
        }
#endif
        readByPath(result.iniFolder, file);
    }
#if defined(Q_OS_UNIX)
    if (dir)
        closedir(dir);
#endif
    return result;
}

Result<FolderDates> GameFolderReader::dates(const GameFolderRequest &request) const
{
#if defined(Q_OS_LINUX)
    if (request.categoryFd >= 0) {
        qint64 created = 0;
        qint64 modified = 0;
        if (!folderTimesAt(request.categoryFd, QFile::encodeName(request.name), &created, &modified))
            return Failure(Failure::Kind::FolderInfo, request.path);
        return formatDates(created, modified);
    }
#endif
    return DirectoryDateTimeInfo(request.path);
}

bool GameFolderReader::missing(const GameFolderRequest &request) const
{
#if defined(Q_OS_UNIX)
    struct stat info;
    const int looked = request.categoryFd >= 0
                           ? ::fstatat(request.categoryFd, QFile::encodeName(request.name).constData(), &info, 0)
                           : ::stat(QFile::encodeName(request.path).constData(), &info);
    return looked != 0 && errno == ENOENT;
#else
    return !QFileInfo::exists(request.path);
#endif
}

void GetSubDirectories(const QString &folder, QStringList &list)
{
    QStringList names;
    listFolder(folder, EntryKind::Folder, names);
    LibraryPaths::sortAsListing(names);
    list.append(names);
}

Result<FolderDates> DirectoryDateTimeInfo(const QString &folderPath)
{
    qint64 created = 0;
    qint64 modified = 0;
    if (folderPath.isEmpty() || !folderTimes(folderPath, &created, &modified))
        return Failure(Failure::Kind::FolderInfo, folderPath);
    return formatDates(created, modified);
}
