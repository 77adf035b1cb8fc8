#pragma once

#include "library/GameFolderGuard.h"

#include <QString>
#include <QStringList>

#include <vector>

class BrowseModel;
class FileOps;
class Shell;

// A game folder that could not be moved, and why.
struct FolderMoveFailure
{
    QString gameName;
    Failure reason;
};

struct MoveAllReport
{
    QString destination;
    int moved = 0;
    std::vector<FolderMoveFailure> failures;
    // A failure when the destination as a whole was unusable; nothing was tried then.
    Result<void> destinationUsable;
};

// The game to delete, as the delete window shows it.
struct DeleteTarget
{
    QString gameName;
    GameFolderTarget folder;

    // Whether the window may offer to delete it; why not, naming the game.
    Result<void> deletable() const;
};

// The folder commands of the list's context menu: move the folders of every listed game, open
// the selected game's folder, and send it to the trash. The windows ask the user; everything
// decided here runs without them. Nothing here changes the game table: the user refreshes it.
class FolderCommands
{
  public:
    FolderCommands(const BrowseModel &browse, FileOps &fileOps, Shell &shell);

    // Every list entry from first to last: its game's folder (the last row of its name) moves into
    // destination under its own name. A folder that cannot or must not move is recorded and the
    // next entry goes on. An empty destination is a cancelled folder browser: nothing moves.
    MoveAllReport moveAllInto(const QString &destination) const;
    // Every failure of a Move All as one, to be told in one box; success when there is nothing
    // to tell.
    static Result<void> moveAllOutcome(const MoveAllReport &report);

    // Shows the selected game's folder in the file manager.
    Result<void> openSelectedFolder() const;

    // The selected game and its folder, checked; a refusal when nothing is selected.
    DeleteTarget deleteTarget() const;
    // Checks the target's cells again (the disk may have changed while the window waited) and
    // sends the folder to the trash.
    Result<void> moveToTrash(const DeleteTarget &target) const;

  private:
    const BrowseModel &m_browse;
    FileOps &m_fileOps;
    Shell &m_shell;
};
