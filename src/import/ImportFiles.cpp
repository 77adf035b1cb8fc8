#include "import/ImportFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The text of a link as it is written, so that a copied relative link points as it did.
QString linkText(const QString &path)
{
#ifdef Q_OS_UNIX
    QByteArray buffer(4096, '\0');
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer.data(), size_t(buffer.size()));
    if (length > 0 && length < buffer.size())
        return QFile::decodeName(buffer.left(length));
#endif
    return QFileInfo(path).symLinkTarget();
}

// A new file with the bytes of another. QFile::copy makes a temporary file, syncs it to the disk
// and renames it, for each file: an import of thousands of pictures into game folders that
// appear only once they are whole needs none of that.
Result<void> copyBytes(const QString &source, const QString &destination)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return Failure(Failure::Kind::FileNotCopied, source, from.errorString());
    QFile to(destination);
    if (!to.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Failure(Failure::Kind::FileNotCopied, source, to.errorString());
    constexpr qint64 chunk = 256 * 1024;
    QByteArray buffer(chunk, Qt::Uninitialized);
    for (;;) {
        const qint64 read = from.read(buffer.data(), chunk);
        if (read < 0) {
            to.remove();
            return Failure(Failure::Kind::FileNotCopied, source, from.errorString());
        }
        if (read == 0)
            break;
        if (to.write(buffer.constData(), read) != read) {
            const QString why = to.errorString();
            to.remove();
            return Failure(Failure::Kind::FileNotCopied, source, why);
        }
    }
    if (!to.flush()) {
        const QString why = to.errorString();
        to.remove();
        return Failure(Failure::Kind::FileNotCopied, source, why);
    }
    return {};
}

Result<void> copyEntry(const QFileInfo &entry, const QString &destination)
{
    using Kind = Failure::Kind;
    const QString source = entry.absoluteFilePath();
    if (entry.isSymLink()) {
        if (!QFile::link(linkText(source), destination))
            return Failure(Kind::LinkNotCopied, source);
        return {};
    }
    if (entry.isDir()) {
        if (!QDir().mkdir(destination))
            return Failure(Kind::FolderNotCreated, destination);
        const QFileInfoList children =
            QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo &child : children) {
            if (Result<void> copied = copyEntry(child, destination + QLatin1Char('/') + child.fileName()); !copied)
                return copied;
        }
        return {};
    }
    if (!entry.isFile())
        return Failure(Kind::NotPlainFileOrFolder, source);
    return copyBytes(source, destination);
}

} // namespace

namespace ImportFiles {

bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

Result<void> link(const QString &target, const QString &link)
{
    if (nameTaken(link))
        return Failure(Failure::Kind::AlreadyExists, link);
    if (!QFile::link(QFileInfo(target).absoluteFilePath(), link))
        return Failure(Failure::Kind::ImportLinkFailed, link).with(Failure::Fact::Target, target);
    return {};
}

Result<void> copy(const QString &source, const QString &destination)
{
    if (nameTaken(destination))
        return Failure(Failure::Kind::AlreadyExists, destination);
    return copyEntry(QFileInfo(source), destination);
}

Result<void> renameNoReplace(const QString &from, const QString &to, bool *taken)
{
    if (taken)
        *taken = false;
#ifdef Q_OS_LINUX
    // The kernel refuses to replace the destination, so nothing that appeared since a check
    // is swallowed.
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, QFile::encodeName(to).constData(),
                    RENAME_NOREPLACE) == 0)
        return {};
    const int error = errno;
    if (error == EEXIST || error == ENOTEMPTY) {
        if (taken)
            *taken = true;
        return Failure(Failure::Kind::AlreadyExists, to);
    }
    if (error != EINVAL && error != ENOSYS)
        return Failure(Failure::Kind::CannotMove, from, qt_error_string(error));
#endif
    if (nameTaken(to)) {
        if (taken)
            *taken = true;
        return Failure(Failure::Kind::AlreadyExists, to);
    }
    if (!QDir().rename(from, to))
        return Failure(Failure::Kind::CannotMove, from, qt_error_string(errno));
    return {};
}

Result<Moved> move(const QString &source, const QString &destination)
{
    Result<void> renamed = renameNoReplace(source, destination);
#ifdef Q_OS_LINUX
    if (renamed)
        return Moved::Renamed;
    if (renamed.error().reason() != qt_error_string(EXDEV))
        return std::move(renamed).error();
#else
    if (renamed)
        return Moved::Renamed;
#endif
    if (Result<void> copied = copy(source, destination); !copied) {
        QFileInfo(destination).isDir() && !QFileInfo(destination).isSymLink() ? void(QDir(destination).removeRecursively())
                                                                              : void(QFile::remove(destination));
        return std::move(copied).error();
    }
    return Moved::Copied;
}

Result<void> removeOriginal(const QString &source)
{
    const QFileInfo info(source);
    const bool removed =
        info.isDir() && !info.isSymLink() ? QDir(source).removeRecursively() : QFile::remove(source);
    if (!removed)
        return Failure(Failure::Kind::ImportOriginalKept, source);
    return {};
}

} // namespace ImportFiles
