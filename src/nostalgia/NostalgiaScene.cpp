#include "nostalgia/NostalgiaScene.h"

#include "app/IniFile.h"

#include <QtGlobal>

NostalgiaScene::NostalgiaScene(const QString &skinsFolder) : m_skinsFolder(skinsFolder) {}

NostalgiaScene::~NostalgiaScene() = default;

QString NostalgiaScene::LoadNostalgiaFile(const QString &System, const QString &YearString)
{
    const QString file = NostalgiaSkin::chooseFile(m_skinsFolder, System, YearString);
    // Browsing games of one era keeps one file open, and with it what was read of it.
    if (!m_skinsFile || m_skinsFile->fileName() != file)
        m_skinsFile = std::make_unique<IniFile>(file);
    // Every key has a default, so a file that is no skin would give an empty desk without a word.
    return NostalgiaSkin::problemOf(*m_skinsFile);
}

const QString &NostalgiaScene::skinsFileName() const
{
    static const QString none;
    return m_skinsFile ? m_skinsFile->fileName() : none;
}

const NostalgiaSkinValues &NostalgiaScene::readSkin(int windowWidth)
{
    if (!m_skinsFile)
        LoadNostalgiaFile(QString(), QString());
    m_skin = NostalgiaSkinValues::read(*m_skinsFile, NostalgiaSkin::widthBucket(windowWidth));
    return m_skin;
}

int NostalgiaScene::transitionInterval() const
{
    // A delay of nothing would flicker the two pictures as fast as the window can paint.
    return qMax(1, m_skin.TransitionDelay) * 1000;
}

const QString &NostalgiaScene::manualPicture(bool highlighted) const
{
    return highlighted ? m_skin.manualHighlight : m_skin.manualImage;
}

void NostalgiaScene::showGame(const Game &game)
{
    m_game = game;
    m_backShowing = false;
    // Both are up; the title lies over the screen, so the title is seen first.
    m_screenShown = game.hasScreen;
    m_titleShown = game.hasTitle;
}

bool NostalgiaScene::tick()
{
    if (!m_game.hasTitle) {
        m_screenShown = m_game.hasScreen;
        return false;
    }
    if (m_screenShown) {
        m_screenShown = false;
        m_titleShown = true;
    } else if (m_game.hasScreen) {
        m_screenShown = true;
        m_titleShown = false;
    }
    return true;
}
