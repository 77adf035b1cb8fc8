#include "ui/main/FolderController.h"

#include "platform/Dialogs.h"
#include "session/FolderCommands.h"
#include "ui/common/WaitCursor.h"

FolderController::FolderController(LibrarySession &session, Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_session(session), m_dialogs(dialogs)
{
}

void FolderController::MoveAll1Click()
{
    const QString destination = m_dialogs.browseFolder(QStringLiteral("Browse for Folder"));
    if (destination.isEmpty())
        return;
    MoveAllReport report;
    {
        // Folders on another drive are copied, which takes a while for a large list.
        const WaitCursor wait;
        report = FolderCommands(m_session).moveAllInto(destination);
    }
    const QString text = FolderCommands::moveAllMessage(report);
    if (!text.isEmpty())
        m_dialogs.message(text);
}

void FolderController::mnuOpenFolderClick()
{
    const QString problem = FolderCommands(m_session).openSelectedFolder();
    if (!problem.isEmpty())
        m_dialogs.message(problem);
}
