#include "library/GameFolderGuard.h"

#include "library/GameTable.h"
#include "library/LibraryPaths.h"

#include <QFileInfo>

namespace {

// Each cell must be the name of one folder. With no separator in it, "." and ".." are the only
// names that lead anywhere but down; a name such as "Wait..." is an ordinary folder.
Result<void> checkName(const QString &value, const QString &field, Failure::Kind whenEmpty)
{
    if (value.isEmpty())
        return Failure(whenEmpty);
    if (value.contains(QLatin1Char('/')) || value.contains(QLatin1Char('\\')))
        return Failure(Failure::Kind::CellHoldsSeparator)
            .with(Failure::Fact::Column, field)
            .with(Failure::Fact::Cell, value);
    if (value == QLatin1String(".") || value == QLatin1String(".."))
        return Failure(Failure::Kind::CellNamesNoFolder)
            .with(Failure::Fact::Column, field)
            .with(Failure::Fact::Cell, value);
    return {};
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
    using Kind = Failure::Kind;
    GameFolderTarget target{folder, subfolder, QString(), {}};
    if (m_gamesFolder.isEmpty()) {
        target.verdict = Failure(Kind::LibraryNotSet);
        return target;
    }
    target.verdict = checkName(folder, QStringLiteral("Folder"), Kind::FolderCellEmpty);
    if (target.verdict)
        target.verdict = checkName(subfolder, QStringLiteral("Subfolder"), Kind::SubfolderCellEmpty);
    if (!target.verdict)
        return target;

    // Libraries made on Windows name folders in any letter case; the cells stay as they are.
    const QString categoryPath = LibraryPaths::resolve(LibraryPaths::join(m_gamesFolder, folder));
    target.path = LibraryPaths::resolve(LibraryPaths::join(categoryPath, subfolder));

    const QFileInfo game(target.path);
    if (!game.exists() && !game.isSymLink()) {
        target.verdict = Failure(Kind::GameFolderMissing, target.path);
        return target;
    }
    const QString canonicalGame = game.canonicalFilePath();
    const QString canonicalCategory = QFileInfo(categoryPath).canonicalFilePath();
    const QString canonicalGames = QFileInfo(m_gamesFolder).canonicalFilePath();
    if (canonicalGame.isEmpty() || canonicalCategory.isEmpty() || canonicalGames.isEmpty()) {
        target.verdict = Failure(Kind::GameFolderLeadsNowhere, target.path);
        return target;
    }
    if (!game.isDir()) {
        target.verdict = Failure(Kind::GameFolderNotAFolder, target.path);
        return target;
    }
    if (canonicalGame == canonicalCategory) {
        target.verdict = Failure(Kind::GameFolderIsCategory, target.path)
                             .with(Failure::Fact::CategoryFolder, categoryPath);
        return target;
    }
    // A category folder may itself be a link to another drive; what counts is that the game
    // folder lies within wherever the category folder really is.
    if (!isInsideOrEqual(canonicalGame, canonicalCategory)) {
        target.verdict = Failure(Kind::GameFolderOutsideCategory, target.path)
                             .with(Failure::Fact::LeadsTo, canonicalGame)
                             .with(Failure::Fact::CategoryFolder, categoryPath);
        return target;
    }
    if (isInsideOrEqual(canonicalGames, canonicalGame)) {
        target.verdict = Failure(Kind::GameFolderHoldsGames, target.path);
        return target;
    }
    return target;
}
