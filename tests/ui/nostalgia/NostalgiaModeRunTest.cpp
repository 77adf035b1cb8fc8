#include "app/IniFile.h"
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

} // namespace
