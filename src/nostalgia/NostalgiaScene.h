#pragma once

#include "nostalgia/NostalgiaPieces.h"
#include "nostalgia/NostalgiaSkin.h"
#include "nostalgia/SkinPictureCache.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class IniFile;
struct DetailsContent;

// What the Nostalgia view shows and in which skin: the skins file of the selected game, which of
// its pictures are up, which side of the box faces the user and where the alternation of screen
// and title stands. The view loads the pictures, tells the scene what the game has, and shows
// what the scene says.
class NostalgiaScene
{
public:
    // What the selected game brings to the scene.
    struct Game
    {
        bool selected = false;
        bool hasFront = false;
        bool hasBack = false;
        bool hasScreen = false;
        bool hasTitle = false;
        bool hasMedia = false;
        bool hasManual = false;
    };

    // Reads one of the game's pictures: null when there is none, a failure when there is one that
    // cannot be used.
    using PictureLoader = std::function<Result<QImage>(const QString &path)>;
    // Told of every file the scene could not use, under the name the scene asked for it by.
    using ProblemReport = std::function<void(const QString &file, const Failure &failure)>;
    // The platform picked in the list first, then the game's others.
    using PlatformRow = std::array<QString, 11>;

    explicit NostalgiaScene(const QString &skinsFolder, ProblemReport report = {});
    ~NostalgiaScene();

    // Makes the skins file for this platform and year the current one. A failure when it cannot
    // dress the view.
    Result<void> LoadNostalgiaFile(const QString &System, const QString &YearString);
    const QString &skinsFileName() const;
    // Reads the current skins file (skins.ini until one was chosen) for a window of this outer
    // width.
    const NostalgiaSkinValues &readSkin(int windowWidth);
    const NostalgiaSkinValues &skin() const { return m_skin; }

    // Milliseconds between two steps of the alternation.
    int transitionInterval() const;
    // The skin's manual, lit while the mouse is over it.
    const QString &manualPicture(bool highlighted) const;

    // The skin and the platform row for the game the details show (empty ones when nothing is
    // selected).
    void chooseSkinFor(const DetailsContent &details);
    const PlatformRow &platformRow() const { return m_platformRow; }
    // The first platform is shown only beside others, as the way back to the game picked.
    bool platformShown(size_t index) const;

    // A picture of the skins folder; a missing one leaves its place empty and is reported.
    QImage skinPicture(const QString &name);
    // The current skin's computer, background and manual, and its big screen and open box: read
    // (from the cache) when the skin may have changed.
    void loadScenePictures();
    void loadScreenPictures();
    // The manual lit while the mouse is over it.
    void lightManual(bool lit);
    const QImage &bigScreenPicture() const { return m_bigScreen; }

    // What a piece of the view shows and whether it is up; where it stands is the window's
    // (NostalgiaLayout::pieceBox).
    const QImage &image(NostalgiaPiece piece) const;
    bool shown(NostalgiaPiece piece) const;

    // A new selection (null for none) with its pictures read through `load`: a picture that cannot
    // be read counts as missing. Read the skin for the window first: the disk may be the skin's.
    void showGame(const DetailsContent *details, const PictureLoader &load);
    // A new selection: the front of the box, the title over the screen, the alternation afresh.
    void showGame(const Game &game);
    // The game's pictures of the last selection; Media is the disk as shown.
    const QImage &picture(int slot) const { return m_pictures[size_t(slot)]; }
    bool frontShown() const { return !m_backShowing && m_game.hasFront; }
    bool backShown() const { return m_backShowing && m_game.hasBack; }
    bool screenShown() const { return m_screenShown; }
    bool titleShown() const { return m_titleShown; }
    // A game without a medium of its own gets the skin's disk with its name written on it.
    bool diskShowsSkin() const { return !m_game.hasMedia; }
    bool diskLabelShown() const { return !m_game.hasMedia && m_game.selected; }
    // What is written on the skin's disk: the name of the game last shown.
    const QString &diskLabel() const { return m_diskLabel; }
    bool manualShown() const { return m_game.hasManual; }

    void showBack(bool back) { m_backShowing = back; }
    void flipBox() { m_backShowing = !m_backShowing; }
    // One step of the alternation; false once there is nothing left to alternate.
    bool tick();

private:
    QString m_skinsFolder;
    ProblemReport m_report;
    SkinPictureCache m_skinPictures;
    PlatformRow m_platformRow;
    // Indexed by DetailsContent::PictureSlot, up to Media.
    std::array<QImage, 5> m_pictures;
    // The skin's own pictures, indexed by NostalgiaPiece.
    std::array<QImage, NostalgiaPieceCount> m_skinImages;
    QImage m_bigScreen;
    bool m_manualLit = false;
    std::unique_ptr<IniFile> m_skinsFile;
    NostalgiaSkinValues m_skin;
    Game m_game;
    QString m_diskLabel;
    bool m_backShowing = false;
    bool m_screenShown = false;
    bool m_titleShown = false;
};
