#include "nostalgia/NostalgiaScene.h"
#include "support/Files.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

    EXPECT_TRUE(scene.LoadNostalgiaFile(QStringLiteral("DOS"), QStringLiteral("1987")).isEmpty());
    EXPECT_EQ(scene.readSkin(1000).computer.left(), 7);
    EXPECT_EQ(scene.readSkin(1750).computer.left(), 9);
    EXPECT_EQ(scene.transitionInterval(), 2000);
    EXPECT_FALSE(scene.LoadNostalgiaFile(QStringLiteral("Amiga"), QString()).isEmpty());
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

} // namespace
