#include "platform/QtFileOps.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Without a trailing separator, so that fileName() gives the folder's own name.
QString cleanFolderPath(const QString &path)
{
    return QDir::cleanPath(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

// exists() is false for a symbolic link that points nowhere, yet its name is taken.
bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool isInside(const QString &path, const QString &folder)
{
    const QString canonicalPath = QFileInfo(path).canonicalFilePath();
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalPath.isEmpty() || canonicalFolder.isEmpty())
        return false;
    return canonicalPath == canonicalFolder
        || canonicalPath.startsWith(canonicalFolder + QLatin1Char('/'));
}

// The text a copied link should hold. A relative link that stays within the copied tree
// keeps its text, so that it points into the copy; any other keeps pointing where it did.
QString linkTextForCopy(const QFileInfo &link, const QString &copiedRoot)
{
    const QString absoluteTarget = link.symLinkTarget();
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(link.absoluteFilePath());
    QByteArray buffer(4096, '\0');
    const ssize_t length = ::readlink(path.constData(), buffer.data(), size_t(buffer.size()));
    if (length > 0 && length < buffer.size()) {
        const QString text = QFile::decodeName(buffer.left(length));
        const QString root = QDir::cleanPath(QFileInfo(copiedRoot).absoluteFilePath());
        if (QDir::isRelativePath(text) && !copiedRoot.isEmpty()
            && QDir::cleanPath(absoluteTarget).startsWith(root + QLatin1Char('/')))
            return text;
    }
#else
    Q_UNUSED(copiedRoot);
#endif
    return absoluteTarget;
}

enum class RenameOutcome { Done, OtherFileSystem };

// Why a move failed, as the clause that follows the folder's name.
Failure cannotMove(const QString &source, Failure why)
{
    return Failure(Failure::Kind::CannotMove, source).withCause(std::move(why));
}

Result<RenameOutcome> renameNoReplace(const QString &source, const QString &target)
{
#ifdef Q_OS_LINUX
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    // The kernel refuses to replace the target, so a folder that appeared since our own
    // check is not swallowed either.
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return RenameOutcome::Done;
    const int error = errno;
    if (error == EXDEV)
        return RenameOutcome::OtherFileSystem;
    if (error != EINVAL && error != ENOSYS)
        return Failure(Failure::Kind::CannotMove, source, qt_error_string(error));
    // The file system cannot rename without replacing; fall through to the checked rename.
#endif
    if (nameTaken(target))
        return cannotMove(source, Failure(Failure::Kind::RenameTargetTaken, target));
    if (QDir().rename(source, target))
        return RenameOutcome::Done;
    if (QStorageInfo(source).rootPath() != QStorageInfo(QFileInfo(target).absolutePath()).rootPath())
        return RenameOutcome::OtherFileSystem;
    return cannotMove(source, Failure(Failure::Kind::NotRenamed, source));
}

// Copies what `source` (a folder below or equal to `root`, the folder being moved) holds into
// the empty folder `target`. Symbolic links are copied as links, never followed, so that the copy cannot reach outside
// the folder or run in circles.
Result<void> copyContents(const QString &root, const QString &source, const QString &target)
{
    using Kind = Failure::Kind;
    const QDir sourceDir(source);
    const QFileInfoList entries = sourceDir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString to = target + QLatin1Char('/') + entry.fileName();
        if (entry.isSymLink()) {
            if (!QFile::link(linkTextForCopy(entry, root), to))
                return Failure(Kind::LinkNotCopied, entry.absoluteFilePath());
        } else if (entry.isDir()) {
            if (!QDir().mkdir(to))
                return Failure(Kind::FolderNotCreated, to);
            if (Result<void> copied = copyContents(root, entry.absoluteFilePath(), to); !copied)
                return copied;
        } else if (entry.isFile()) {
            QFile file(entry.absoluteFilePath());
            if (!file.copy(to))
                return Failure(Kind::FileNotCopied, entry.absoluteFilePath(), file.errorString());
            QFile copy(to);
            if (copy.open(QIODevice::ReadWrite))
                copy.setFileTime(entry.lastModified(), QFileDevice::FileModificationTime);
        } else {
            // Pipes and devices have no content to copy; reading one could hang.
            return Failure(Kind::NotPlainFileOrFolder, entry.absoluteFilePath());
        }
    }
    QFile::setPermissions(target, QFileInfo(source).permissions());
    return {};
}

} // namespace

Result<void> QtFileOps::moveFolderInto(const QString &folder, const QString &destinationFolder)
{
    using Kind = Failure::Kind;
    if (folder.trimmed().isEmpty() || destinationFolder.trimmed().isEmpty())
        return Failure(Kind::NoFolderGiven);
    const QString source = cleanFolderPath(folder);
    const QString destination = cleanFolderPath(destinationFolder);
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isDir() || sourceInfo.fileName().isEmpty() || sourceInfo.isRoot())
        return Failure(Kind::FolderMissing, folder);
    if (!QFileInfo(destination).isDir())
        return Failure(Kind::DestinationMissing, destinationFolder);
    if (isInside(destination, source))
        return Failure(Kind::MoveIntoItself, folder);

    const QString target = destination + QLatin1Char('/') + sourceInfo.fileName();
    if (nameTaken(target))
        return Failure(Kind::MoveTargetTaken, source).with(Failure::Fact::Destination, target);

    const Result<RenameOutcome> renamed = renameNoReplace(source, target);
    if (!renamed)
        return renamed.error();
    if (*renamed == RenameOutcome::Done)
        return {};

    if (sourceInfo.isSymLink()) {
        // Across file systems a link is recreated rather than the folder it points to copied.
        if (!QFile::link(linkTextForCopy(sourceInfo, QString()), target) || !QFile::remove(source))
            return Failure(Kind::CannotMoveLink, source);
        return {};
    }

    // mkdir refuses a folder that appeared meanwhile, and then nothing of it is touched.
    if (!QDir().mkdir(target))
        return Failure(Kind::MoveTargetNotCreated, source).with(Failure::Fact::Destination, target);
    if (Result<void> copied = copyContents(source, source, target); !copied) {
        // Only the copy is ours to remove; the original stays as it was.
        QDir(target).removeRecursively();
        return cannotMove(source, std::move(copied).error());
    }
    if (!QDir(source).removeRecursively())
        return Failure(Kind::OriginalNotRemoved, source).with(Failure::Fact::Destination, target);
    return {};
}

Result<void> QtFileOps::moveToTrash(const QString &folder)
{
    using Kind = Failure::Kind;
    if (folder.trimmed().isEmpty())
        return Failure(Kind::NoFolderGiven);
    const QString path = cleanFolderPath(folder);
    const QFileInfo info(path);
    if (!nameTaken(path))
        return Failure(Kind::FolderMissing, folder);
    if (info.isRoot())
        return Failure(Kind::FolderNotDeletable, folder);

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // When the folder that holds the home trash does not exist yet, Qt gives up on that trash
    // and files the folder into "files" and "info" folders of the working directory instead.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty())
        QDir().mkpath(dataHome);
#endif
    QFile file(path);
    if (file.moveToTrash())
        return {};

    // Removing for good is only right where there is no trash at all; any other failure
    // (no permission, a trash on another drive) leaves the folder where it is.
    if (file.errorString() != qt_error_string(ENOSYS))
        return Failure(Kind::CannotTrash, folder, file.errorString());
    if (info.isSymLink() || !info.isDir()) {
        if (!QFile::remove(path))
            return Failure(Kind::CannotDelete, folder);
        return {};
    }
    if (!QDir(path).removeRecursively())
        return Failure(Kind::DeletedPartly, folder);
    return {};
}

Result<void> QtFileOps::copyFileNoOverwrite(const QString &source, const QString &destination)
{
    using Kind = Failure::Kind;
    if (!QFileInfo(source).isFile())
        return Failure(Kind::FileMissing, source);
    if (nameTaken(destination))
        return Failure(Kind::AlreadyExists, destination);
    QFile file(source);
    if (!file.copy(destination))
        return Failure(Kind::CannotCopy, source, file.errorString())
            .with(Failure::Fact::Destination, destination);
    return {};
}
