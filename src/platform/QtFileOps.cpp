#include "platform/QtFileOps.h"

#include "platform/NativePath.h"

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

enum class RenameOutcome { Done, OtherFileSystem, Failed };

RenameOutcome renameNoReplace(const QString &source, const QString &target, QString *reason)
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
    if (error != EINVAL && error != ENOSYS) {
        *reason = qt_error_string(error);
        return RenameOutcome::Failed;
    }
    // The file system cannot rename without replacing; fall through to the checked rename.
#endif
    if (nameTaken(target)) {
        *reason = QStringLiteral("\"%1\" already exists").arg(nativePath(target));
        return RenameOutcome::Failed;
    }
    if (QDir().rename(source, target))
        return RenameOutcome::Done;
    if (QStorageInfo(source).rootPath() != QStorageInfo(QFileInfo(target).absolutePath()).rootPath())
        return RenameOutcome::OtherFileSystem;
    *reason = QStringLiteral("the folder could not be renamed");
    return RenameOutcome::Failed;
}

// Copies what `source` (a folder below or equal to `root`, the folder being moved) holds into
// the empty folder `target`. Symbolic links are copied as links, never followed, so that the copy cannot reach outside
// the folder or run in circles.
bool copyContents(const QString &root, const QString &source, const QString &target,
                  QString *reason)
{
    const QDir sourceDir(source);
    const QFileInfoList entries = sourceDir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString to = target + QLatin1Char('/') + entry.fileName();
        if (entry.isSymLink()) {
            if (!QFile::link(linkTextForCopy(entry, root), to)) {
                *reason = QStringLiteral("could not copy the link \"%1\"")
                              .arg(nativePath(entry.absoluteFilePath()));
                return false;
            }
        } else if (entry.isDir()) {
            if (!QDir().mkdir(to)) {
                *reason = QStringLiteral("could not create \"%1\"").arg(nativePath(to));
                return false;
            }
            if (!copyContents(root, entry.absoluteFilePath(), to, reason))
                return false;
        } else if (entry.isFile()) {
            QFile file(entry.absoluteFilePath());
            if (!file.copy(to)) {
                *reason = QStringLiteral("could not copy \"%1\": %2")
                              .arg(nativePath(entry.absoluteFilePath()), file.errorString());
                return false;
            }
            QFile copy(to);
            if (copy.open(QIODevice::ReadWrite))
                copy.setFileTime(entry.lastModified(), QFileDevice::FileModificationTime);
        } else {
            // Pipes and devices have no content to copy; reading one could hang.
            *reason = QStringLiteral("\"%1\" is not a plain file or folder")
                          .arg(nativePath(entry.absoluteFilePath()));
            return false;
        }
    }
    QFile::setPermissions(target, QFileInfo(source).permissions());
    return true;
}

} // namespace

QString QtFileOps::moveFolderInto(const QString &folder, const QString &destinationFolder)
{
    if (folder.trimmed().isEmpty() || destinationFolder.trimmed().isEmpty())
        return QStringLiteral("No folder was given.");
    const QString source = cleanFolderPath(folder);
    const QString destination = cleanFolderPath(destinationFolder);
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isDir() || sourceInfo.fileName().isEmpty() || sourceInfo.isRoot())
        return QStringLiteral("The folder \"%1\" does not exist.").arg(nativePath(folder));
    if (!QFileInfo(destination).isDir())
        return QStringLiteral("The destination folder \"%1\" does not exist.")
            .arg(nativePath(destinationFolder));
    if (isInside(destination, source))
        return QStringLiteral("The folder \"%1\" cannot be moved into itself.").arg(nativePath(folder));

    const QString target = destination + QLatin1Char('/') + sourceInfo.fileName();
    if (nameTaken(target))
        return QStringLiteral("Could not move \"%1\": \"%2\" already exists.")
            .arg(nativePath(source), nativePath(target));

    QString reason;
    switch (renameNoReplace(source, target, &reason)) {
    case RenameOutcome::Done:
        return QString();
    case RenameOutcome::Failed:
        return QStringLiteral("Could not move \"%1\": %2").arg(nativePath(source), reason);
    case RenameOutcome::OtherFileSystem:
        break;
    }

    if (sourceInfo.isSymLink()) {
        // Across file systems a link is recreated rather than the folder it points to copied.
        if (!QFile::link(linkTextForCopy(sourceInfo, QString()), target) || !QFile::remove(source))
            return QStringLiteral("Could not move the link \"%1\".").arg(nativePath(source));
        return QString();
    }

    // mkdir refuses a folder that appeared meanwhile, and then nothing of it is touched.
    if (!QDir().mkdir(target))
        return QStringLiteral("Could not move \"%1\": could not create \"%2\".")
            .arg(nativePath(source), nativePath(target));
    if (!copyContents(source, source, target, &reason)) {
        // Only the copy is ours to remove; the original stays as it was.
        QDir(target).removeRecursively();
        return QStringLiteral("Could not move \"%1\": %2").arg(nativePath(source), reason);
    }
    if (!QDir(source).removeRecursively())
        return QStringLiteral("\"%1\" was copied to \"%2\", but the original could not be "
                              "removed completely.")
            .arg(nativePath(source), nativePath(target));
    return QString();
}

QString QtFileOps::moveToTrash(const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return QStringLiteral("No folder was given.");
    const QString path = cleanFolderPath(folder);
    const QFileInfo info(path);
    if (!nameTaken(path))
        return QStringLiteral("The folder \"%1\" does not exist.").arg(nativePath(folder));
    if (info.isRoot())
        return QStringLiteral("The folder \"%1\" cannot be deleted.").arg(nativePath(folder));

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // When the folder that holds the home trash does not exist yet, Qt gives up on that trash
    // and files the folder into "files" and "info" folders of the working directory instead.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty())
        QDir().mkpath(dataHome);
#endif
    QFile file(path);
    if (file.moveToTrash())
        return QString();

    // Removing for good is only right where there is no trash at all; any other failure
    // (no permission, a trash on another drive) leaves the folder where it is.
    if (file.errorString() != qt_error_string(ENOSYS))
        return QStringLiteral("Could not move \"%1\" to the trash: %2")
            .arg(nativePath(folder), file.errorString());
    if (info.isSymLink() || !info.isDir())
        return QFile::remove(path)
            ? QString()
            : QStringLiteral("Could not delete \"%1\".").arg(nativePath(folder));
    if (!QDir(path).removeRecursively())
        return QStringLiteral("Could not delete \"%1\" completely.").arg(nativePath(folder));
    return QString();
}

QString QtFileOps::copyFileNoOverwrite(const QString &source, const QString &destination)
{
    if (!QFileInfo(source).isFile())
        return QStringLiteral("The file \"%1\" does not exist.").arg(nativePath(source));
    if (nameTaken(destination))
        return QStringLiteral("\"%1\" already exists.").arg(nativePath(destination));
    QFile file(source);
    if (!file.copy(destination))
        return QStringLiteral("Could not copy \"%1\" to \"%2\": %3")
            .arg(nativePath(source), nativePath(destination), file.errorString());
    return QString();
}
