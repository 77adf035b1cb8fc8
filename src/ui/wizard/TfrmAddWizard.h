#pragma once

#include "wizard/EntryFields.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class Dialogs;
class EntryFiles;
class LibrarySession;

// The entry helper: the facts of one game as fields, filled by hand, from a game of the table or
// from an ini file, and written to a game ini file and its About file. Created once after the
// main window, with its value lists fixed from the table of that moment; closing only hides it
// and the fields keep what they hold.
class TfrmAddWizard : public QWidget
{
    Q_OBJECT
public:
    TfrmAddWizard(LibrarySession &session, QWidget &mainWindow);
    ~TfrmAddWizard() override;

    // Centred on the main window and shown without blocking it; for "Edit Current" first filled
    // from the game the details show.
    void showFromMain(bool editCurrent);

    // Every field as the window holds it, and the About text.
    GameEntry entry() const;
    void showEntry(const GameEntry &entry);

    void cbLoadGameChange();
    void btnClearAllClick();
    void btnDupeClick();
    void lblEmulatorClick();
    void eCustomEmuPathClick();
    void btnBrowseClick();
    void btnOkayClick();
    void btnOkayOldClick();
    void btnLoadiniClick();
    void btnAboutCreateClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Controls;

    void FormCreate();
    void wireControls();
    void centreOnMain();
    // Writes the fields to the chosen file; false when nothing was written.
    bool saveIni();
    Dialogs &dialogs() const;

    LibrarySession &m_session;
    QWidget &m_mainWindow;
    std::unique_ptr<Controls> m_controls;
    EntryFiles &m_files;
};
