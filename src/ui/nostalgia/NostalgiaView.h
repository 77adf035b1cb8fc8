#pragma once

#include "nostalgia/NostalgiaPieces.h"

#include <QWidget>

#include <array>

class LibrarySession;
class NostalgiaBigScreen;
class NostalgiaScene;
class NostalgiaLabels;
class NostalgiaPicture;
class QLabel;
class QListView;
class QMainWindow;
class QTimer;

// The themed second face of the main window (pnlNostalgia): the selected game framed by a period
// computer, its box, screen and title, manual, disk and extras, a row of its platforms, the game
// list and the big screen. It shows the session's list and selection, as the Main tab does, and
// reads the skin for the game from the skins folder.
class NostalgiaView : public QWidget
{
    Q_OBJECT
public:
    NostalgiaView(LibrarySession &session, QMainWindow &window);
    ~NostalgiaView() override;

    // Mode switch from the File menu: writes the choice at once, shows or hides the view.
    void switchMode(bool on);
    // Start-up: shown or not as the preferences say, without writing them.
    void showMode(bool on);
    // Prepares the view from skins.ini and shows the selected game in it.
    void LoadNostalgia();
    // The platform labels, for the hover colours the details panel's platform labels have too.
    QList<QLabel *> platformLabels() const;
    // The arrow keys browse the list at once.
    void focusList();

signals:
    // Enter or a double click in the list (false), or a click on the screen or title of a game
    // with a set-up program (true).
    void launchRequested(bool setup);
    void platformLaunchRequested(const QString &platform);
    void fieldClicked(const QString &field, const QString &value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPictures();
    void buildDiskLabel();
    // The name on the disk, wrapped and, where it needs to, made smaller to fit the disk.
    void placeDiskLabel();
    void buildList();
    void placeOverClientArea();
    void attachList(bool attached);
    void showList();
    // Highlights the session's entry without selecting it again.
    void highlight(int index);
    int currentRow() const;
    void followSelection();
    void lbNostalgiaMainChange();
    // The selection update: the game the session has selected, in its own skin.
    void lbNostalgiaMainClick();
    // Places everything for the window's width bucket.
    void LoadNostalgiaImages();
    void timerNostalgiaTimer();
    NostalgiaPicture *piece(NostalgiaPiece which) const;
    // What the pictures show, and which of them are up, as the scene says.
    void showPictures();
    void showScene();
    void applyFonts();

    LibrarySession &m_session;
    QMainWindow &m_window;
    QWidget *m_client = nullptr;
    NostalgiaScene &m_scene;
    NostalgiaLabels *m_labels = nullptr;
    bool m_following = false; // the highlight is being moved to the session's entry
    bool m_listAttached = false;
    bool m_prepared = false;
    bool m_on = false; // the Nostalgia mode, as the preferences last said
    // imgNostalgiaBG, imgNostalgiaComp and the rest, by piece.
    std::array<NostalgiaPicture *, NostalgiaPieceCount> m_pieces{};
    QLabel *lblDiskLabel = nullptr;
    QListView *lbNostalgiaMain = nullptr;
    NostalgiaBigScreen *pnlBigScreen = nullptr;
    QTimer *timerNostalgia = nullptr;
};
