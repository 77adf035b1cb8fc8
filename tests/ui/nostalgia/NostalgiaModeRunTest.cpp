#include "base/IniFile.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "support/ListEntries.h"
#include "ui/startup/PalloxRun.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class NostalgiaModeRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lib.setSubfolders({QStringLiteral("Puzzle")});
        lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Delta"), QStringLiteral("Delta Blocks"),
                    {{QStringLiteral("Platform"), QStringLiteral("DOS")},
                     {QStringLiteral("Year"), QStringLiteral("1988")}});
        lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Gamma"), QStringLiteral("Gamma Tiles"),
                    {{QStringLiteral("Platform"), QStringLiteral("Amiga")}});
        fake.random.numbers = {0};
        lib.setMainKey(QStringLiteral("RememberLastSelected"), QStringLiteral("1"));
        lib.writeSettings();
    }

    QString savedMode() const
    {
        return IniFile(lib.settingsFile())
            .readString(QStringLiteral("Main"), QStringLiteral("NostalgiaMode"), QStringLiteral("none"));
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
};

TEST_F(NostalgiaModeRun, TheMenuSwitchesTheModeAndARestartKeepsIt)
{
    {
        auto run = PalloxRun::start(lib.root(), platform);
        ASSERT_NE(run, nullptr);
        TfrmMain &frm = run->mainWindow();
        auto *mode = child<QAction>(frm, "mnuNostalgia");
        auto *view = child<QMenu>(frm, "mnuView");
        QWidget *panel = child<QWidget>(frm, "pnlNostalgia");
        EXPECT_FALSE(panel->isVisible());
        ASSERT_TRUE(mode->isEnabled());

        mode->trigger();
        EXPECT_EQ(savedMode(), QStringLiteral("1"));
        EXPECT_TRUE(mode->isChecked());
        EXPECT_FALSE(view->menuAction()->isEnabled());
        EXPECT_TRUE(panel->isVisible());
        EXPECT_EQ(panel->geometry(), frm.centralWidget()->geometry());
        auto *list = child<QListView>(frm, "lbNostalgiaMain");
        EXPECT_EQ(ListEntries::count(*list), 2);
        EXPECT_EQ(frm.focusWidget(), list);
        // The tabs behind the view take neither Tab nor keys while it covers them.
        EXPECT_FALSE(child<QWidget>(frm, "PageControl1")->isEnabled());
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(child<QLabel>(frm, "lblName")->text(), QStringLiteral("Gamma Tiles"));
        EXPECT_EQ(child<QLabel>(frm, "lblNostalgiaName")->text(), QStringLiteral("C:\\>Name: Gamma Tiles"));

        mode->trigger();
        EXPECT_EQ(savedMode(), QStringLiteral("0"));
        EXPECT_FALSE(mode->isChecked());
        EXPECT_TRUE(view->menuAction()->isEnabled());
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(frm.focusWidget(), child<QListView>(frm, "lbMain"));
        EXPECT_TRUE(child<QWidget>(frm, "PageControl1")->isEnabled());

        mode->trigger();
        EXPECT_EQ(savedMode(), QStringLiteral("1"));
    }
    // The next start comes up in the mode last chosen, showing the remembered game.
    auto run = PalloxRun::start(lib.root(), platform);
    ASSERT_NE(run, nullptr);
    TfrmMain &frm = run->mainWindow();
    EXPECT_TRUE(child<QWidget>(frm, "pnlNostalgia")->isVisible());
    EXPECT_TRUE(child<QAction>(frm, "mnuNostalgia")->isChecked());
    EXPECT_FALSE(child<QMenu>(frm, "mnuView")->menuAction()->isEnabled());
    EXPECT_FALSE(child<QWidget>(frm, "PageControl1")->isEnabled());
    EXPECT_EQ(ListEntries::currentRow(*child<QListView>(frm, "lbNostalgiaMain")), 1);
    EXPECT_EQ(child<QLabel>(frm, "lblNostalgiaName")->text(), QStringLiteral("C:\\>Name: Gamma Tiles"));
    EXPECT_TRUE(fake.dialogs.messages.isEmpty())
        << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
}

// The name on the skin's disk is there as soon as the mode is on, follows Refresh This Game, and
// has the height its wrapped lines need.
TEST_F(NostalgiaModeRun, TheDiskLabelShowsTheGameAtOnceAndFollowsARefresh)
{
    lib.writeFile(QStringLiteral("Skins/skins.ini"),
                  "[Main]\r\nTransitionDelay=2\r\n[Background]\r\nImage=pc.png\r\n[Computer]\r\nImage=pc.png\r\n"
                  "800Left=10\r\n800Top=40\r\n800Width=300\r\n800Height=240\r\n"
                  "1800Left=10\r\n1800Top=40\r\n1800Width=300\r\n1800Height=240\r\n"
                  "[Disk]\r\nImage=disk.png\r\n800FontSize=9\r\n1800FontSize=9\r\n");
    lib.writeFile(QStringLiteral("Skins/pc.png"), pngBytes(60, 50));
    lib.writeFile(QStringLiteral("Skins/disk.png"), pngBytes(20, 20));
    auto run = PalloxRun::start(lib.root(), platform);
    ASSERT_NE(run, nullptr);
    TfrmMain &frm = run->mainWindow();
    ASSERT_EQ(child<QLabel>(frm, "lblName")->text(), QStringLiteral("Delta Blocks"));
    auto *disk = child<QLabel>(frm, "lblDiskLabel");
    const auto fits = [disk] { return disk->height() >= disk->heightForWidth(disk->width()); };

    child<QAction>(frm, "mnuNostalgia")->trigger();
    EXPECT_TRUE(disk->isVisible());
    EXPECT_EQ(disk->text(), QStringLiteral("Delta Blocks"));
    EXPECT_TRUE(fits()) << disk->height() << " < " << disk->heightForWidth(disk->width());

    lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Delta"), QStringLiteral("Delta Blocks of the Lost Temple"),
                {{QStringLiteral("Platform"), QStringLiteral("DOS")}, {QStringLiteral("Year"), QStringLiteral("1988")}});
    child<QAction>(frm, "RefreshThisGame1")->trigger();
    EXPECT_EQ(child<QLabel>(frm, "lblNostalgiaName")->text(),
              QStringLiteral("C:\\>Name: Delta Blocks of the Lost Temple"));
    EXPECT_EQ(disk->text(), QStringLiteral("Delta Blocks of the Lost Temple"));
    EXPECT_TRUE(fits()) << disk->height() << " < " << disk->heightForWidth(disk->width());
    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
}

} // namespace
