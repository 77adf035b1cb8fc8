#pragma once

#include "nostalgia/NostalgiaSkin.h"
#include "nostalgia/SkinPictureCache.h"

#include <QWidget>

#include <functional>
#include <memory>

class IniFile;
class LibrarySession;
class NostalgiaBigScreen;
class NostalgiaLabels;
class NostalgiaPicture;
class QLabel;
class QListWidget;
class QMainWindow;
class QTimer;
struct DetailsContent;

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
    // Makes the skins file for this platform and year the current one.
    void LoadNostalgiaFile(const QString &System, const QString &YearString);
    // Prepares the view from skins.ini and shows the selected game in it.
    void LoadNostalgia();
    // The selection update: the game the session has selected, in its own skin.
    void lbNostalgiaMainClick();
    // Places everything for the window's width bucket.
    void LoadNostalgiaImages();
    void timerNostalgiaTimer();
    // Front to back or back to front.
    void flipBox();

    const NostalgiaSkinValues &skin() const { return m_skin; }
    // The platform labels, for the hover colours the details panel's platform labels have too.
    QList<QLabel *> platformLabels() const;
    NostalgiaLabels &labels() const { return *m_labels; }

    NostalgiaPicture *imgNostalgiaBG = nullptr;
    NostalgiaPicture *imgNostalgiaComp = nullptr;
    NostalgiaPicture *imgNostalgiaScreen = nullptr;
    NostalgiaPicture *imgNostalgiaTitle = nullptr;
    NostalgiaPicture *imgNostalgiaOpenBox = nullptr;
    NostalgiaPicture *imgNostalgiaFront = nullptr;
    NostalgiaPicture *imgNostalgiaBack = nullptr;
    NostalgiaPicture *imgNostalgiaManual = nullptr;
    NostalgiaPicture *imgNostalgiaDisk = nullptr;
    QLabel *lblDiskLabel = nullptr;
    QListWidget *lbNostalgiaMain = nullptr;
    NostalgiaBigScreen *pnlBigScreen = nullptr;
    QTimer *timerNostalgia = nullptr;

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
    void buildList();
    void placeOverClientArea();
    void showList();
    void followSelection();
    void lbNostalgiaMainChange();
    QImage skinPicture(const QString &name);
    QImage gamePicture(const DetailsContent &details, int slot);
    void loadScenePictures();
    void loadScreenPictures();
    void showManualPicture(bool highlighted);
    void showBoxSide();
    void applyFonts();

    LibrarySession &m_session;
    QMainWindow &m_window;
    QWidget *m_client = nullptr;
    std::unique_ptr<IniFile> m_skinsFile;
    NostalgiaSkinValues m_skin;
    SkinPictureCache m_pictures;
    NostalgiaLabels *m_labels = nullptr;
    bool m_hasFront = false;
    bool m_hasBack = false;
    bool m_hasScreen = false;
    bool m_hasTitle = false;
    bool m_backShowing = false;
    bool m_listStale = true;
    bool m_prepared = false;
};
