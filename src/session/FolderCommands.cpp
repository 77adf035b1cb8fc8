#include "session/FolderCommands.h"

#include "browse/MainList.h"
#include "browse/NameIndex.h"
#include "library/LibraryPaths.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"
#include "platform/Shell.h"
#include "session/BrowseModel.h"

#include <QFileInfo>

FolderCommands::FolderCommands(const BrowseModel &browse, FileOps &fileOps, Shell &shell)
    : m_browse(browse), m_fileOps(fileOps), m_shell(shell)
{
}

MoveAllReport FolderCommands::moveAllInto(const QString &destination) const
{
    MoveAllReport report;
    report.destination = destination;
    if (destination.isEmpty())
        return report;
    if (!QFileInfo(destination).isDir()) {
        report.destinationUsable = Failure(Failure::Kind::MoveDestinationGone, destination);
        return report;
    }

    const GameTable &table = m_browse.table();
    // One pass over the table instead of one per entry.
    const NameIndex names(table);
    const GameFolderGuard guard(m_browse.libraryRoot());
    for (const QString &entry : m_browse.listEntries()) {
        const QString name = gameNameOfEntry(entry, m_browse.listShowsSortValue(), m_browse.listShowsRating());
        const int row = names.rowOf(name);
        if (row < 1)
            continue;
        GameFolderTarget target = guard.checkRow(table, row);
        Result<void> moved = target.allowed() ? m_fileOps.moveFolderInto(target.path, destination)
                                              : std::move(target.verdict);
        if (moved)
            ++report.moved;
        else
            report.failures.push_back(FolderMoveFailure{name, std::move(moved).error()});
    }
    return report;
}

Result<void> FolderCommands::moveAllOutcome(const MoveAllReport &report)
{
    if (!report.destinationUsable)
        return report.destinationUsable;
    if (report.failures.empty())
        return {};
    Failure notMoved(Failure::Kind::FoldersNotMoved, report.destination);
    notMoved.with(Failure::Fact::Moved, report.moved);
    for (const FolderMoveFailure &failure : report.failures) {
        notMoved.withCause(Failure(Failure::Kind::GameFolderNotMoved)
                               .with(Failure::Fact::Game, failure.gameName)
                               .withCause(failure.reason));
    }
    return notMoved;
}

Result<void> FolderCommands::openSelectedFolder() const
{
    if (m_browse.selectedIndex() < 0 || m_browse.selectedRow() < 1)
        return Failure(Failure::Kind::NoGameSelected);
    const QString folder = LibraryPaths::resolve(
        LibraryPaths::gameFolder(m_browse.libraryRoot(), m_browse.table(), m_browse.selectedRow()));
    if (!QFileInfo(folder).isDir())
        return Failure(Failure::Kind::SelectedFolderMissing, folder)
            .with(Failure::Fact::Game, m_browse.selectedGameName());
    // The quotes keep a folder name with blanks whole, as a shell would need it.
    m_shell.execute(QString(), QLatin1Char('"') + nativePath(folder) + QLatin1Char('"'),
                    QString(), QString());
    return {};
}

Result<void> DeleteTarget::deletable() const
{
    if (folder.allowed())
        return {};
    return Failure(Failure::Kind::GameNotDeletable)
        .with(Failure::Fact::Game, gameName)
        .withCause(folder.verdict.error());
}

DeleteTarget FolderCommands::deleteTarget() const
{
    DeleteTarget target;
    if (m_browse.selectedIndex() < 0 || m_browse.selectedRow() < 1) {
        target.folder.verdict = Failure(Failure::Kind::NothingSelected);
        return target;
    }
    target.gameName = m_browse.selectedGameName();
    target.folder = GameFolderGuard(m_browse.libraryRoot()).checkRow(m_browse.table(), m_browse.selectedRow());
    return target;
}

Result<void> FolderCommands::moveToTrash(const DeleteTarget &target) const
{
    using Kind = Failure::Kind;
    GameFolderTarget folder = GameFolderGuard(m_browse.libraryRoot())
                                  .check(target.folder.folder, target.folder.subfolder);
    if (folder.allowed() && folder.path != target.folder.path)
        folder.verdict = Failure(Kind::GameFolderChanged, folder.path);
    if (!folder.allowed())
        return Failure(Kind::GameNotDeletedRefused)
            .with(Failure::Fact::Game, target.gameName)
            .withCause(std::move(folder.verdict).error());
    if (Result<void> trashed = m_fileOps.moveToTrash(folder.path); !trashed)
        return Failure(Kind::GameNotDeleted)
            .with(Failure::Fact::Game, target.gameName)
            .withCause(std::move(trashed).error());
    return {};
}
