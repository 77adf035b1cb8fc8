#include "library/GameFolderGuard.h"

#include "library/GameTable.h"
#include "library/LibraryPaths.h"
#include "platform/NativePath.h"

#include <QFileInfo>

namespace {

// Each cell must be the name of one folder. With no separator in it, "." and ".." are the only
// names that lead anywhere but down; a name such as "Wait..." is an ordinary folder.
QString nameRefusal(const QString &value, const QString &field, const QString &whatEmptyMeans)
{
    if (value.isEmpty())
        return QStringLiteral("its %1 value is empty, %2").arg(field, whatEmptyMeans);
    if (value.contains(QLatin1Char('/')) || value.contains(QLatin1Char('\\')))
        return QStringLiteral(
                   "its %1 value \"%2\" holds a path separator, so it is not the name of one folder")
            .arg(field, value);
    if (value == QLatin1String(".") || value == QLatin1String(".."))
        return QStringLiteral("its %1 value \"%2\" does not name a folder of its own").arg(field, value);
    return QString();
}

bool isInsideOrEqual(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(LibraryPaths::withTrailingSeparator(folder));
}

} // namespace

GameFolderGuard::GameFolderGuard(const QString &libraryRoot)
    : m_gamesFolder(libraryRoot.trimmed().isEmpty() ? QString() : LibraryPaths::gamesFolder(libraryRoot))
{
}

GameFolderTarget GameFolderGuard::checkRow(const GameTable &table, int row) const
{
    // Row 0 holds the field names: its "folder" is no game's and is refused as an empty one.
    if (row < 1)
        return check(QString(), QString());
    return check(table.cell(QStringLiteral("Folder"), row), table.cell(QStringLiteral("Subfolder"), row));
}

GameFolderTarget GameFolderGuard::check(const QString &folder, const QString &subfolder) const
{
    GameFolderTarget target{folder, subfolder, QString(), QString()};
    if (m_gamesFolder.isEmpty()) {
        target.refusal = QStringLiteral("the library folder is not set");
        return target;
    }
    target.refusal =
        nameRefusal(folder, QStringLiteral("Folder"), QStringLiteral("so it has no category folder"));
    if (target.refusal.isEmpty())
        target.refusal = nameRefusal(subfolder, QStringLiteral("Subfolder"),
                                     QStringLiteral("so the path would name its whole category folder"));
    if (!target.refusal.isEmpty())
        return target;

    // Libraries made on Windows name folders in any letter case; the cells stay as they are.
    const QString categoryPath = LibraryPaths::resolve(LibraryPaths::join(m_gamesFolder, folder));
    target.path = LibraryPaths::resolve(LibraryPaths::join(categoryPath, subfolder));

    const QFileInfo game(target.path);
    if (!game.exists() && !game.isSymLink()) {
        target.refusal = QStringLiteral("its folder \"%1\" does not exist").arg(nativePath(target.path));
        return target;
    }
    const QString canonicalGame = game.canonicalFilePath();
    const QString canonicalCategory = QFileInfo(categoryPath).canonicalFilePath();
    const QString canonicalGames = QFileInfo(m_gamesFolder).canonicalFilePath();
    if (canonicalGame.isEmpty() || canonicalCategory.isEmpty() || canonicalGames.isEmpty()) {
        target.refusal =
            QStringLiteral("its folder \"%1\" is a link that leads nowhere").arg(nativePath(target.path));
        return target;
    }
    if (!game.isDir()) {
        target.refusal = QStringLiteral("\"%1\" is not a folder").arg(nativePath(target.path));
        return target;
    }
    if (canonicalGame == canonicalCategory) {
        target.refusal = QStringLiteral("its folder \"%1\" is the category folder \"%2\" itself")
                             .arg(nativePath(target.path), nativePath(categoryPath));
        return target;
    }
    // A category folder may itself be a link to another drive; what counts is that the game
    // folder lies within wherever the category folder really is.
    if (!isInsideOrEqual(canonicalGame, canonicalCategory)) {
        target.refusal =
            QStringLiteral("its folder \"%1\" leads to \"%2\", outside the category folder \"%3\"")
                .arg(nativePath(target.path), nativePath(canonicalGame), nativePath(categoryPath));
        return target;
    }
    if (isInsideOrEqual(canonicalGames, canonicalGame)) {
        target.refusal =
            QStringLiteral("its folder \"%1\" holds the library's games folder").arg(nativePath(target.path));
        return target;
    }
    return target;
}
