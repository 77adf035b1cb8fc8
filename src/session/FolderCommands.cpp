#include "session/FolderCommands.h"

#include "browse/MainList.h"
#include "browse/NameIndex.h"
#include "library/LibraryPaths.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "session/LibrarySession.h"

#include <QFileInfo>

FolderCommands::FolderCommands(LibrarySession &session) : m_session(session) {}

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

    const MainState &state = m_session.state();
    const GameTable &table = state.library.GridMain;
    // One pass over the table instead of one per entry.
    const NameIndex names(table);
    const GameFolderGuard guard(state.library.LibraryRoot);
    FileOps &fileOps = m_session.platform().fileOps;
    for (const QString &entry : m_session.listEntries()) {
        const QString name = gameNameOfEntry(entry, state.ListShowsSortValue, state.ListShowsRating);
        const int row = names.rowOf(name);
        if (row < 1)
            continue;
        GameFolderTarget target = guard.checkRow(table, row);
        Result<void> moved = target.allowed() ? fileOps.moveFolderInto(target.path, destination)
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
    if (m_session.selectedIndex() < 0 || m_session.state().SelectedRow < 1)
        return Failure(Failure::Kind::NoGameSelected);
    const MainState &state = m_session.state();
    const QString folder = LibraryPaths::resolve(
        LibraryPaths::gameFolder(state.library.LibraryRoot, state.library.GridMain, state.SelectedRow));
    if (!QFileInfo(folder).isDir())
        return Failure(Failure::Kind::SelectedFolderMissing, folder)
            .with(Failure::Fact::Game, state.SelectedGameName);
    // The quotes keep a folder name with blanks whole, as a shell would need it.
    m_session.platform().shell.execute(QString(), QLatin1Char('"') + nativePath(folder) + QLatin1Char('"'),
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
    const MainState &state = m_session.state();
    DeleteTarget target;
    if (m_session.selectedIndex() < 0 || state.SelectedRow < 1) {
        target.folder.verdict = Failure(Failure::Kind::NothingSelected);
        return target;
    }
    target.gameName = state.SelectedGameName;
    target.folder =
        GameFolderGuard(state.library.LibraryRoot).checkRow(state.library.GridMain, state.SelectedRow);
    return target;
}

Result<void> FolderCommands::moveToTrash(const DeleteTarget &target) const
{
    using Kind = Failure::Kind;
    GameFolderTarget folder = GameFolderGuard(m_session.state().library.LibraryRoot)
                                  .check(target.folder.folder, target.folder.subfolder);
    if (folder.allowed() && folder.path != target.folder.path)
        folder.verdict = Failure(Kind::GameFolderChanged, folder.path);
    if (!folder.allowed())
        return Failure(Kind::GameNotDeletedRefused)
            .with(Failure::Fact::Game, target.gameName)
            .withCause(std::move(folder.verdict).error());
    if (Result<void> trashed = m_session.platform().fileOps.moveToTrash(folder.path); !trashed)
        return Failure(Kind::GameNotDeleted)
            .with(Failure::Fact::Game, target.gameName)
            .withCause(std::move(trashed).error());
    return {};
}
