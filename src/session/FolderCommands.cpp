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

namespace {

// A box taller than the screen hides its own OK button, so past this many the rest are named
// without their reasons.
constexpr int FailuresWithReasons = 15;

} // namespace

FolderCommands::FolderCommands(LibrarySession &session) : m_session(session) {}

MoveAllReport FolderCommands::moveAllInto(const QString &destination) const
{
    MoveAllReport report;
    report.destination = destination;
    if (destination.isEmpty())
        return report;
    if (!QFileInfo(destination).isDir()) {
        report.refusal =
            QStringLiteral("The folder \"%1\" does not exist; nothing was moved.").arg(nativePath(destination));
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
        const GameFolderTarget target = guard.checkRow(table, row);
        QString reason = target.refusal;
        if (reason.isEmpty())
            reason = fileOps.moveFolderInto(target.path, destination);
        if (reason.isEmpty())
            ++report.moved;
        else
            report.failures.push_back(FolderMoveFailure{name, reason});
    }
    return report;
}

QString FolderCommands::moveAllMessage(const MoveAllReport &report)
{
    if (!report.refusal.isEmpty())
        return report.refusal;
    if (report.failures.empty())
        return QString();
    const int failed = static_cast<int>(report.failures.size());
    QString text =
        failed == 1 ? QStringLiteral("1 game folder was not moved to \"%1\":").arg(nativePath(report.destination))
                    : QStringLiteral("%1 game folders were not moved to \"%2\":")
                          .arg(failed)
                          .arg(nativePath(report.destination));
    text += QLatin1Char('\n');
    QStringList rest;
    for (int i = 0; i < failed; ++i) {
        const FolderMoveFailure &failure = report.failures[static_cast<size_t>(i)];
        if (i < FailuresWithReasons)
            text += QStringLiteral("\n%1: %2").arg(failure.gameName, failure.reason);
        else
            rest << failure.gameName;
    }
    if (!rest.isEmpty())
        text += QStringLiteral("\n\nNor were: %1.").arg(rest.join(QStringLiteral(", ")));
    text += QStringLiteral("\n\n%1 moved; nothing at the destination was replaced.").arg(report.moved);
    return text;
}

QString FolderCommands::openSelectedFolder() const
{
    if (m_session.selectedIndex() < 0 || m_session.state().SelectedRow < 1)
        return QStringLiteral("No game is selected.");
    const MainState &state = m_session.state();
    const QString folder = LibraryPaths::resolve(
        LibraryPaths::gameFolder(state.library.LibraryRoot, state.library.GridMain, state.SelectedRow));
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("The folder \"%1\" of \"%2\" does not exist.")
            .arg(nativePath(folder), state.SelectedGameName);
    // The quotes keep a folder name with blanks whole, as a shell would need it.
    m_session.platform().shell.execute(QString(), QLatin1Char('"') + nativePath(folder) + QLatin1Char('"'),
                                       QString(), QString());
    return QString();
}

DeleteTarget FolderCommands::deleteTarget() const
{
    const MainState &state = m_session.state();
    DeleteTarget target;
    if (m_session.selectedIndex() < 0 || state.SelectedRow < 1) {
        target.folder.refusal = QStringLiteral("no game is selected");
        return target;
    }
    target.gameName = state.SelectedGameName;
    target.folder =
        GameFolderGuard(state.library.LibraryRoot).checkRow(state.library.GridMain, state.SelectedRow);
    return target;
}

QString FolderCommands::moveToTrash(const DeleteTarget &target) const
{
    const GameFolderTarget folder = GameFolderGuard(m_session.state().library.LibraryRoot)
                                        .check(target.folder.folder, target.folder.subfolder);
    QString reason = folder.refusal;
    if (reason.isEmpty() && folder.path != target.folder.path)
        reason = QStringLiteral("its folder is now \"%1\", not the one shown").arg(nativePath(folder.path));
    if (!reason.isEmpty())
        return QStringLiteral("\"%1\" was not deleted: %2.").arg(target.gameName, reason);
    const QString failure = m_session.platform().fileOps.moveToTrash(folder.path);
    if (!failure.isEmpty())
        return QStringLiteral("\"%1\" was not deleted: %2").arg(target.gameName, failure);
    return QString();
}
