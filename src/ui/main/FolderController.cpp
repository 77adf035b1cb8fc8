#include "ui/main/FolderController.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/BrowseModel.h"
#include "session/LibrarySession.h"
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
        report = FolderCommands(m_session.browse(), m_session.platform().fileOps, m_session.platform().shell).moveAllInto(destination);
    }
    if (const Result<void> outcome = FolderCommands::moveAllOutcome(report); !outcome)
        m_dialogs.message(outcome.error().message());
}

void FolderController::mnuOpenFolderClick()
{
    if (const Result<void> opened = FolderCommands(m_session.browse(), m_session.platform().fileOps, m_session.platform().shell).openSelectedFolder(); !opened)
        m_dialogs.message(opened.error().message());
}
