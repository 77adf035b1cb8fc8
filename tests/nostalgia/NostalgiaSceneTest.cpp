#include "browse/DetailsContent.h"
#include "nostalgia/NostalgiaScene.h"
#include "nostalgia/NostalgiaPieces.h"
#include "presentation/NostalgiaLayout.h"
#include "support/Files.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Front, back, screen, title: which of them are up.
std::vector<bool> shown(const NostalgiaScene &scene)
{
    return {scene.frontShown(), scene.backShown(), scene.screenShown(), scene.titleShown()};
}

TEST(NostalgiaScene, TheGamesSkinIsReadForTheWindowsWidthAndAFileThatIsNoSkinIsNamed)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Skins");
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/skins.ini"), "[Main]\r\nTransitionDelay=0\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/DOS386skins.ini"),
                          "[Main]\r\nTransitionDelay=2\r\n[Computer]\r\n800Left=7\r\n1800Left=9\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/Amigaskins.ini"), QByteArray(64, '\x01')));
    NostalgiaScene scene(folder);
    // Before any game, skins.ini; a delay of nothing still waits a second.
    EXPECT_EQ(scene.readSkin(1000).bucket, 800);
    EXPECT_EQ(QFileInfo(scene.skinsFileName()).fileName(), QStringLiteral("skins.ini"));
    EXPECT_EQ(scene.transitionInterval(), 1000);

    EXPECT_TRUE(scene.LoadNostalgiaFile(QStringLiteral("DOS"), QStringLiteral("1987")));
    EXPECT_EQ(scene.readSkin(1000).computer.left(), 7);
    EXPECT_EQ(scene.readSkin(1750).computer.left(), 9);
    EXPECT_EQ(scene.transitionInterval(), 2000);
    EXPECT_FALSE(scene.LoadNostalgiaFile(QStringLiteral("Amiga"), QString()));
}

TEST(NostalgiaScene, ASelectionShowsWhatTheGameHasAndTheSkinsDiskForAMissingMedium)
{
    const struct
    {
        NostalgiaScene::Game game; // selected, front, back, screen, title, media, manual
        std::vector<bool> pictures;
        bool diskShowsSkin;
        bool diskLabel;
    } cases[] = {
        {{true, true, true, true, true, true, true}, {true, false, true, true}, false, false},
        {{true, true, false, false, true, false, false}, {true, false, false, true}, true, true},
        {{true, false, true, true, false, true, true}, {false, false, true, false}, false, false},
        // Nothing selected: the skin's disk, with no name to write on it.
        {{}, {false, false, false, false}, true, false},
    };
    NostalgiaScene scene{QString()};
    for (const auto &c : cases) {
        scene.showGame(c.game);
        EXPECT_EQ(shown(scene), c.pictures);
        EXPECT_EQ(scene.diskShowsSkin(), c.diskShowsSkin);
        EXPECT_EQ(scene.diskLabelShown(), c.diskLabel);
        EXPECT_EQ(scene.manualShown(), c.game.hasManual);
    }
}

TEST(NostalgiaScene, TheBoxFlipsAndTitleAndScreenAlternateTitleFirst)
{
    NostalgiaScene scene{QString()};
    scene.showGame({true, true, false, true, true, false, false});
    // No back: the flipped box shows neither side rather than another game's back.
    scene.flipBox();
    EXPECT_EQ(shown(scene), (std::vector<bool>{false, false, true, true}));
    for (int tick = 0; tick < 4; ++tick) {
        EXPECT_TRUE(scene.tick());
        EXPECT_EQ(scene.titleShown(), tick % 2 == 0) << tick;
        EXPECT_EQ(scene.screenShown(), tick % 2 == 1) << tick;
    }
    // A new selection shows the front, and starts again with the title.
    scene.showGame({true, true, true, true, true, false, false});
    EXPECT_EQ(shown(scene), (std::vector<bool>{true, false, true, true}));
    scene.flipBox();
    EXPECT_EQ(shown(scene), (std::vector<bool>{false, true, true, true}));

    // A screen alone stays and the alternation ends; a title alone stays and never ends.
    scene.showGame({true, false, false, true, false, false, false});
    EXPECT_FALSE(scene.tick());
    EXPECT_EQ(shown(scene), (std::vector<bool>{false, false, true, false}));
    scene.showGame({true, false, false, false, true, false, false});
    EXPECT_TRUE(scene.tick());
    EXPECT_TRUE(scene.tick());
    EXPECT_EQ(shown(scene), (std::vector<bool>{false, false, false, true}));
}

// Every file the scene reported, with the reason it was given.
using Reports = std::vector<std::pair<QString, QString>>;
NostalgiaScene::ProblemReport into(Reports &reports)
{
    return [&reports](const QString &file, const Failure &failure) { reports.push_back({file, failure.reason()}); };
}

TEST(NostalgiaScene, ThePlatformRowKeepsTheGamePickedWhileItsPlatformsAreSwitchedAndChoosesTheSkin)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Skins");
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/skins.ini"), "[Computer]\r\n800Left=1\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/DOS386skins.ini"), "[Computer]\r\n800Left=2\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/Amigaskins.ini"), QByteArray(64, '\x01')));
    Reports reports;
    NostalgiaScene scene(folder, into(reports));

    DetailsContent dos;
    dos.platform = QStringLiteral("DOS");
    dos.year = QStringLiteral("1987");
    scene.chooseSkinFor(dos);
    // Without other platforms the row shows nothing, not even the game's own.
    EXPECT_FALSE(scene.platformShown(0));
    dos.otherPlatforms[0] = QStringLiteral("Amiga");
    scene.chooseSkinFor(dos);
    EXPECT_EQ((std::vector<bool>{scene.platformShown(0), scene.platformShown(1), scene.platformShown(2)}),
              (std::vector<bool>{true, true, false}));

    // The Amiga version on show: the row and the skin stay those of the DOS game picked.
    DetailsContent amiga;
    amiga.platform = QStringLiteral("Amiga");
    amiga.year = QStringLiteral("1987");
    amiga.platformsUpdated = false;
    scene.chooseSkinFor(amiga);
    EXPECT_EQ(scene.platformRow()[0], QStringLiteral("DOS"));
    EXPECT_EQ(scene.readSkin(1000).computer.left(), 2);
    EXPECT_TRUE(reports.empty());

    // Picked in the list, the Amiga game brings its skin, which is none and is named.
    amiga.platformsUpdated = true;
    amiga.year.clear();
    scene.chooseSkinFor(amiga);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(QFileInfo(reports[0].first).fileName(), QStringLiteral("Amigaskins.ini"));

    // Nothing selected: an empty row and skins.ini.
    scene.chooseSkinFor(DetailsContent());
    EXPECT_EQ(scene.platformRow()[0], QString());
    EXPECT_EQ(scene.readSkin(1000).computer.left(), 1);
}

TEST(NostalgiaScene, APictureThatCannotBeReadCountsAsMissingAndTheDiskFallsBackToTheSkins)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Skins");
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/skins.ini"), "[Disk]\r\nImage=disk.png\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/disk.png"), pngBytes(3, 3)));
    Reports reports;
    NostalgiaScene scene(folder, into(reports));
    scene.readSkin(1000);

    // Pictures named "good..." are read, "bad..." ones fail with a reason.
    QStringList asked;
    const auto load = [&asked](const QString &path) -> Result<QImage> {
        asked.append(path);
        if (path.startsWith(QLatin1String("bad")))
            return Failure(Failure::Kind::PictureUndecodable, path, QStringLiteral("cannot read ") + path);
        return path.startsWith(QLatin1String("good")) ? QImage(5, 5, QImage::Format_RGB32) : QImage();
    };
    DetailsContent game;
    game.picturePaths = {QStringLiteral("good-front"), QStringLiteral("bad-back"), QStringLiteral("good-title"),
                         QString(), QStringLiteral("good-media"), QStringLiteral("good-advert")};
    game.manual = QStringLiteral("manual.pdf");
    game.name = QStringLiteral("Beneath a Steel Sky");
    scene.showGame(&game, load);
    // Empty places are not asked for, and the advert is no part of the scene.
    EXPECT_EQ(asked, (QStringList{QStringLiteral("good-front"), QStringLiteral("bad-back"),
                                  QStringLiteral("good-title"), QStringLiteral("good-media")}));
    EXPECT_EQ(reports, (Reports{{QStringLiteral("bad-back"), QStringLiteral("cannot read bad-back")}}));
    scene.flipBox();
    EXPECT_EQ(shown(scene), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(scene.picture(DetailsContent::Media).width(), 5);
    EXPECT_FALSE(scene.diskLabelShown());

    // A medium that cannot be read gives the skin's disk with the name on it; no selection gives
    // it without a name, and asks for nothing.
    game.picturePaths[DetailsContent::Media] = QStringLiteral("bad-media");
    scene.showGame(&game, load);
    EXPECT_EQ(scene.picture(DetailsContent::Media).width(), 3);
    EXPECT_TRUE(scene.diskLabelShown());
    EXPECT_EQ(scene.diskLabel(), QStringLiteral("Beneath a Steel Sky"));
    asked.clear();
    scene.showGame(nullptr, load);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(scene.picture(DetailsContent::Media).width(), 3);
    EXPECT_FALSE(scene.diskLabelShown());
    EXPECT_EQ(scene.diskLabel(), QString());
    EXPECT_FALSE(scene.manualShown());
}

TEST(NostalgiaScene, EachPieceShowsItsPictureInItsBoxAndTheManualLightsUp)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Skins");
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/skins.ini"),
                          "[Computer]\r\nImage=pc.png\r\n800Left=10\r\n800Top=40\r\n800Width=300\r\n"
                          "800Height=240\r\n[Manual]\r\nImage=book.png\r\nHighlight=lit.png\r\n"
                          "[BigScreen]\r\nImage=big.png\r\n[Front]\r\n800Left=5\r\n"));
    for (const auto &[name, width] : {std::pair{"pc.png", 6}, {"book.png", 7}, {"lit.png", 8}, {"big.png", 9}})
        ASSERT_TRUE(writeFile(folder + QLatin1Char('/') + QLatin1String(name), pngBytes(width, 2)));
    Reports reports;
    NostalgiaScene scene(folder, into(reports));
    scene.readSkin(1000);
    scene.loadScenePictures();
    scene.loadScreenPictures();
    DetailsContent game;
    game.picturePaths[DetailsContent::Front] = QStringLiteral("front");
    game.picturePaths[DetailsContent::Title] = QStringLiteral("title");
    scene.showGame(&game,
                   [](const QString &path) { return Result<QImage>(QImage(path.size(), 1, QImage::Format_RGB32)); });

    const auto width = [&scene](NostalgiaPiece piece) { return scene.image(piece).width(); };
    EXPECT_EQ(width(NostalgiaPiece::Computer), 6);
    EXPECT_EQ(width(NostalgiaPiece::Manual), 7);
    EXPECT_EQ(scene.bigScreenPicture().width(), 9);
    EXPECT_EQ(width(NostalgiaPiece::Front), 5);
    EXPECT_EQ(width(NostalgiaPiece::Title), 5);
    EXPECT_EQ(width(NostalgiaPiece::Screen), 0);
    EXPECT_EQ(width(NostalgiaPiece::Back), 0);
    // The skin names no background, open box or disk: those places stay empty, and only the
    // disk, which stands for the game's medium, is up regardless.
    EXPECT_EQ(width(NostalgiaPiece::Background), 0);
    EXPECT_TRUE(reports.empty());
    scene.lightManual(true);
    EXPECT_EQ(width(NostalgiaPiece::Manual), 8);
    scene.loadScenePictures();
    EXPECT_EQ(width(NostalgiaPiece::Manual), 8);

    std::vector<bool> up;
    for (int piece = 0; piece < NostalgiaPieceCount; ++piece)
        up.push_back(scene.shown(NostalgiaPiece(piece)));
    // Background, computer, screen, title, open box, back, front, manual, disk.
    EXPECT_EQ(up, (std::vector<bool>{true, true, false, true, true, false, true, false, true}));

    const QRect view(0, 0, 1000, 700);
    const QRect placedComputer(10, 40, 0, 240);
    EXPECT_EQ(NostalgiaLayout::pieceBox(scene.skin(), NostalgiaPiece::Background, view, placedComputer), view);
    EXPECT_EQ(NostalgiaLayout::pieceBox(scene.skin(), NostalgiaPiece::Computer, view, placedComputer), QRect(10, 40, 300, 240));
    EXPECT_EQ(NostalgiaLayout::pieceBox(scene.skin(), NostalgiaPiece::Front, view, placedComputer).left(), 5);
    // The disk goes by the computer as placed, not as the skin asked.
    EXPECT_EQ(NostalgiaLayout::pieceBox(scene.skin(), NostalgiaPiece::Disk, view, placedComputer), QRect(-70, 200, 80, 80));
}

} // namespace
