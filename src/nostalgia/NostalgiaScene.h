#pragma once

#include "nostalgia/NostalgiaSkin.h"

#include <QString>

#include <memory>

class IniFile;

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

    explicit NostalgiaScene(const QString &skinsFolder);
    ~NostalgiaScene();

    // Makes the skins file for this platform and year the current one. Returns what the user has
    // to hear of it; empty when it can dress the view.
    QString LoadNostalgiaFile(const QString &System, const QString &YearString);
    const QString &skinsFileName() const;
    // Reads the current skins file (skins.ini until one was chosen) for a window of this outer
    // width.
    const NostalgiaSkinValues &readSkin(int windowWidth);
    const NostalgiaSkinValues &skin() const { return m_skin; }
    const QString &skinsFolder() const { return m_skinsFolder; }

    // Milliseconds between two steps of the alternation.
    int transitionInterval() const;
    // The skin's manual, lit while the mouse is over it.
    const QString &manualPicture(bool highlighted) const;

    // A new selection: the front of the box, the title over the screen, the alternation afresh.
    void showGame(const Game &game);
    bool frontShown() const { return !m_backShowing && m_game.hasFront; }
    bool backShown() const { return m_backShowing && m_game.hasBack; }
    bool screenShown() const { return m_screenShown; }
    bool titleShown() const { return m_titleShown; }
    // A game without a medium of its own gets the skin's disk with its name written on it.
    bool diskShowsSkin() const { return !m_game.hasMedia; }
    bool diskLabelShown() const { return !m_game.hasMedia && m_game.selected; }
    bool manualShown() const { return m_game.hasManual; }

    void showBack(bool back) { m_backShowing = back; }
    void flipBox() { m_backShowing = !m_backShowing; }
    // One step of the alternation; false once there is nothing left to alternate.
    bool tick();

private:
    QString m_skinsFolder;
    std::unique_ptr<IniFile> m_skinsFile;
    NostalgiaSkinValues m_skin;
    Game m_game;
    bool m_backShowing = false;
    bool m_screenShown = false;
    bool m_titleShown = false;
};
