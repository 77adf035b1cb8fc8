#include "nostalgia/NostalgiaScene.h"

#include "base/IniFile.h"
#include "browse/DetailsContent.h"

#include <QtGlobal>

#include <algorithm>
#include <utility>

NostalgiaScene::NostalgiaScene(const QString &skinsFolder, ProblemReport report)
    : m_skinsFolder(skinsFolder), m_report(std::move(report))
{
}

NostalgiaScene::~NostalgiaScene() = default;

Result<void> NostalgiaScene::LoadNostalgiaFile(const QString &System, const QString &YearString)
{
    const QString file = NostalgiaSkin::chooseFile(m_skinsFolder, System, YearString);
    // Browsing games of one era keeps one file open, and with it what was read of it.
    if (!m_skinsFile || m_skinsFile->fileName() != file)
        m_skinsFile = std::make_unique<IniFile>(file);
    // Every key has a default, so a file that is no skin would give an empty desk without a word.
    return NostalgiaSkin::usable(*m_skinsFile);
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

static_assert(std::tuple_size_v<NostalgiaScene::PlatformRow> == DetailsContent::OtherPlatformCount + 1);

void NostalgiaScene::chooseSkinFor(const DetailsContent &details)
{
    // While the user switches between a game's platforms the row keeps the game picked in the
    // list, so that the way back stays on show.
    if (details.platformsUpdated) {
        m_platformRow[0] = details.platform;
        std::copy(details.otherPlatforms.begin(), details.otherPlatforms.end(), m_platformRow.begin() + 1);
    }
    const Result<void> loaded = LoadNostalgiaFile(m_platformRow[0], details.year);
    if (!loaded && m_report)
        m_report(skinsFileName(), loaded.error());
}

bool NostalgiaScene::platformShown(size_t index) const
{
    if (index > 0)
        return !m_platformRow[index].isEmpty();
    return std::any_of(m_platformRow.begin() + 1, m_platformRow.end(),
                       [](const QString &platform) { return !platform.isEmpty(); });
}

QImage NostalgiaScene::skinPicture(const QString &name)
{
    const QString path = NostalgiaSkin::picturePath(m_skinsFolder, name);
    Result<QImage> picture = m_skinPictures.load(path);
    if (!picture) {
        if (m_report)
            m_report(path, picture.error());
        return QImage();
    }
    return std::move(*picture);
}

void NostalgiaScene::loadScenePictures()
{
    // In this order the user hears of the missing ones.
    m_skinImages[size_t(NostalgiaPiece::Computer)] = skinPicture(m_skin.computerImage);
    m_skinImages[size_t(NostalgiaPiece::Background)] = skinPicture(m_skin.backgroundImage);
    lightManual(m_manualLit);
}

void NostalgiaScene::loadScreenPictures()
{
    m_bigScreen = skinPicture(m_skin.bigScreenImage);
    m_skinImages[size_t(NostalgiaPiece::OpenBox)] = skinPicture(m_skin.openBoxImage);
}

void NostalgiaScene::lightManual(bool lit)
{
    m_manualLit = lit;
    m_skinImages[size_t(NostalgiaPiece::Manual)] = skinPicture(manualPicture(lit));
}

const QImage &NostalgiaScene::image(NostalgiaPiece piece) const
{
    switch (piece) {
    case NostalgiaPiece::Front:
        return picture(DetailsContent::Front);
    case NostalgiaPiece::Back:
        return picture(DetailsContent::Back);
    case NostalgiaPiece::Screen:
        return picture(DetailsContent::Screen);
    case NostalgiaPiece::Title:
        return picture(DetailsContent::Title);
    case NostalgiaPiece::Disk:
        return picture(DetailsContent::Media);
    default:
        return m_skinImages[size_t(piece)];
    }
}

bool NostalgiaScene::shown(NostalgiaPiece piece) const
{
    switch (piece) {
    case NostalgiaPiece::Front:
        return frontShown();
    case NostalgiaPiece::Back:
        return backShown();
    case NostalgiaPiece::Screen:
        return screenShown();
    case NostalgiaPiece::Title:
        return titleShown();
    case NostalgiaPiece::Manual:
        return manualShown();
    default:
        // A game without a medium gets the skin's disk: there always is one.
        return true;
    }
}

void NostalgiaScene::showGame(const DetailsContent *details, const PictureLoader &load)
{
    for (int slot = DetailsContent::Front; slot <= DetailsContent::Media; ++slot) {
        const QString path = details ? details->picturePaths[size_t(slot)] : QString();
        // A side the game lacks stays empty rather than keeping another game's picture.
        Result<QImage> picture = path.isEmpty() ? Result<QImage>(QImage()) : load(path);
        if (!picture && m_report)
            m_report(path, picture.error());
        m_pictures[size_t(slot)] = std::move(picture).value_or(QImage());
    }
    m_diskLabel = details ? details->name : QString();
    const auto has = [this](int slot) { return !m_pictures[size_t(slot)].isNull(); };
    showGame(Game{details != nullptr, has(DetailsContent::Front), has(DetailsContent::Back),
                  has(DetailsContent::Screen), has(DetailsContent::Title), has(DetailsContent::Media),
                  details && details->hasManual()});
    if (diskShowsSkin())
        m_pictures[DetailsContent::Media] = skinPicture(m_skin.diskImage);
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
