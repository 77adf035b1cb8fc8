#pragma once

#include "base/Result.h"

#include <QString>

class GameTable;

// A game folder that a command wants to move or send to the trash, and whether it may.
struct GameFolderTarget
{
    QString folder;    // the row's Folder cell: the category folder's name
    QString subfolder; // the row's Subfolder cell: the game folder's name
    QString path;      // the game folder as it is on disk, empty when the cells name none
    // Why it must not be touched, when it must not; told inside a sentence that names the game.
    Result<void> verdict;

    bool allowed() const { return verdict.has_value(); }
};

// Moving or deleting a folder cannot be taken back the way a wrong list entry can, and the
// table's cells come from files anyone may edit or from a cache that may be stale. So before a
// folder goes anywhere it must be a game folder strictly inside a category folder of this
// library: a row whose cells are empty, climb with "..", hold a separator, or lead elsewhere
// through a link would otherwise hand a category folder, the games folder or something outside
// the library to the move or the trash.
class GameFolderGuard
{
  public:
    explicit GameFolderGuard(const QString &libraryRoot);

    GameFolderTarget check(const QString &folder, const QString &subfolder) const;
    // The cells of a row of the table; a table without Folder or Subfolder columns has empty ones.
    GameFolderTarget checkRow(const GameTable &table, int row) const;

  private:
    QString m_gamesFolder;
};
