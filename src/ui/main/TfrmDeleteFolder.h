#pragma once

#include "session/FolderCommands.h"

#include <QWidget>

class Dialogs;
class LibrarySession;
class QLabel;
class QPushButton;

// The program's own question before a game folder goes to the trash. Created once at start-up
// and hidden; closing it only hides it again. It does not hold the main window back.
class TfrmDeleteFolder : public QWidget
{
    Q_OBJECT
  public:
    TfrmDeleteFolder(LibrarySession &session, Dialogs &dialogs, QWidget *parent = nullptr);

    // The selected game's folder, placed on the main window and shown; a folder that must not be
    // deleted is explained instead, and the window stays hidden.
    void mnuDeleteCurrentClick(const QWidget &mainWindow);

  signals:
    // The folder went to the trash: the table still lists it until Refresh All reads the library.
    void refreshAllRequested();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    // False when the selected game's folder must not be deleted; the user has been told why.
    bool LoadFolderToDelete();
    void showPath(const QString &path, const QWidget &mainWindow);
    void btnYesClick();
    void btnNoClick();

    LibrarySession &m_session;
    Dialogs &m_dialogs;
    DeleteTarget m_target;
    QLabel *lblWarning = nullptr;
    QLabel *lblFolderToBeDeleted = nullptr;
    QPushButton *btnYes = nullptr;
    QPushButton *btnNo = nullptr;
};
