#include "nostalgia/NostalgiaScene.h"
#include "support/Files.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Game = NostalgiaScene::Game;

// What the view shows: front, back, screen, title.
std::vector<bool> shown(const NostalgiaScene &scene)
{
    return {scene.frontShown(), scene.backShown(), scene.screenShown(), scene.titleShown()};
}

TEST(NostalgiaScene, TheSkinOfTheGameIsReadForTheWindowsWidth)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QStringLiteral("/Skins");
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/skins.ini"), "[Main]\r\nTransitionDelay=0\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/DOS386skins.ini"),
                          "[Main]\r\nTransitionDelay=2\r\n[Manual]\r\nImage=book.png\r\nHighlight=lit.png\r\n"
                          "[Computer]\r\n800Left=7\r\n1800Left=9\r\n"));
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
    EXPECT_EQ(scene.manualPicture(false), QStringLiteral("book.png"));
    EXPECT_EQ(scene.manualPicture(true), QStringLiteral("lit.png"));

    // A file that is no skin is named to the user, and still becomes the current one.
    EXPECT_FALSE(scene.LoadNostalgiaFile(QStringLiteral("Amiga"), QString()).isEmpty());
    EXPECT_EQ(QFileInfo(scene.skinsFileName()).fileName(), QStringLiteral("Amigaskins.ini"));
    EXPECT_TRUE(scene.LoadNostalgiaFile(QStringLiteral("C64"), QString()).isEmpty());
    EXPECT_EQ(QFileInfo(scene.skinsFileName()).fileName(), QStringLiteral("skins.ini"));
}

TEST(NostalgiaScene, WhatASelectionShows)
{
    const struct
    {
        const char *what;
        Game game;
        std::vector<bool> pictures; // front, back, screen, title
        bool diskShowsSkin;
        bool diskLabel;
    } cases[] = {
        {"everything", {true, true, true, true, true, true, true}, {true, false, true, true}, false, false},
        {"no medium", {true, true, false, false, true, false, false}, {true, false, false, true}, true, true},
        {"no front", {true, false, true, true, false, true, true}, {false, false, true, false}, false, false},
        // Nothing selected: the skin's disk, with no name to write on it.
        {"nothing selected", {}, {false, false, false, false}, true, false},
    };
    NostalgiaScene scene{QString()};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        scene.showGame(c.game);
        EXPECT_EQ(shown(scene), c.pictures);
        EXPECT_EQ(scene.diskShowsSkin(), c.diskShowsSkin);
        EXPECT_EQ(scene.diskLabelShown(), c.diskLabel);
        EXPECT_EQ(scene.manualShown(), c.game.hasManual);
    }
}

TEST(NostalgiaScene, TheBoxFlipsAndEverySelectionShowsTheFront)
{
    NostalgiaScene scene{QString()};
    scene.showGame({true, true, true, false, false, false, false});
    scene.flipBox();
    EXPECT_EQ(shown(scene), (std::vector<bool>{false, true, false, false}));
    scene.flipBox();
    EXPECT_EQ(shown(scene), (std::vector<bool>{true, false, false, false}));
    scene.showBack(true);
    scene.showGame({true, true, true, false, false, false, false});
    EXPECT_TRUE(scene.frontShown());

    // No back: the flipped box shows neither side rather than another game's back.
    scene.showGame({true, true, false, false, false, false, false});
    scene.flipBox();
    EXPECT_EQ(shown(scene), (std::vector<bool>{false, false, false, false}));
}

TEST(NostalgiaScene, TitleAndScreenAlternateTitleFirst)
{
    NostalgiaScene scene{QString()};
    Game both{true, false, false, true, true, false, false};
    scene.showGame(both);
    EXPECT_TRUE(scene.screenShown() && scene.titleShown());
    for (int tick = 0; tick < 4; ++tick) {
        SCOPED_TRACE(tick);
        EXPECT_TRUE(scene.tick());
        const bool titleTurn = tick % 2 == 0;
        EXPECT_EQ(scene.titleShown(), titleTurn);
        EXPECT_EQ(scene.screenShown(), !titleTurn);
    }
    // A new selection starts again with the title.
    scene.showGame(both);
    EXPECT_TRUE(scene.tick());
    EXPECT_TRUE(scene.titleShown());
    EXPECT_FALSE(scene.screenShown());

    // A screen alone stays, and the alternation ends at its first step.
    scene.showGame({true, false, false, true, false, false, false});
    EXPECT_FALSE(scene.tick());
    EXPECT_TRUE(scene.screenShown());
    EXPECT_FALSE(scene.titleShown());

    // A title alone stays, and nothing alternates.
    scene.showGame({true, false, false, false, true, false, false});
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_TRUE(scene.tick());
        EXPECT_TRUE(scene.titleShown());
        EXPECT_FALSE(scene.screenShown());
    }
}

} // namespace
