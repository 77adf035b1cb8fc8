#pragma once

#include <QObject>

class Dialogs;
class LibrarySession;

// "&Move All" and "&OpenFolder" of the list's context menu: asks the user where to, hands the
// work to the folder commands, and shows what they report.
class FolderController : public QObject
{
    Q_OBJECT
  public:
    FolderController(LibrarySession &session, Dialogs &dialogs, QObject *parent = nullptr);

    void MoveAll1Click();
    void mnuOpenFolderClick();

  private:
    LibrarySession &m_session;
    Dialogs &m_dialogs;
};
