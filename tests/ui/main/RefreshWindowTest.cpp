#include "presentation/MainLayout.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/ListEntries.h"
#include "ui/startup/PalloxRun.h"
#include "ui/main/ReloadGauge.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Refresh All, Reload Data and Refresh This Game from the menus of the program as main() starts
// it, with the questions answered by the fake dialogs.
class RefreshWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Adventure"), QStringLiteral("Puzzle")});
        addGame(QStringLiteral("Adventure"), QStringLiteral("Alpha"), QStringLiteral("Alpha Quest"), "1990");
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Delta"), QStringLiteral("Delta Blocks"), "1988");
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Gamma"), QStringLiteral("Gamma Tiles"), "1993");
        lib.writeSettings();
        fake.random.numbers = {0};
    }

    void addGame(const QString &category, const QString &folder, const QString &name, const char *year)
    {
        lib.addGame(category, folder, name,
                    {{QStringLiteral("Year"), QString::fromLatin1(year)}, {QStringLiteral("Platform"), QStringLiteral("DOS")}});
    }

    std::unique_ptr<PalloxRun> start()
    {
        auto run = PalloxRun::start(lib.root(), platform);
        if (run) {
            window = &run->mainWindow();
            list = window->findChild<QListView *>(QStringLiteral("lbMain"));
            pie = window->findChild<ReloadGauge *>(QStringLiteral("pbReloading"));
            bar = window->findChild<ReloadGauge *>(QStringLiteral("pbReloading2"));
        }
        return run;
    }

    QAction *action(const char *objectName) const
    {
        return window->findChild<QAction *>(QLatin1String(objectName));
    }
    QString shown(const char *label) const { return window->findChild<QLabel *>(QLatin1String(label))->text(); }
    bool scanRunning() const { return window->session().library().isScanRunning(); }
    bool waitForScan() const
    {
        return QTest::qWaitFor([this] { return !scanRunning(); }, 20000);
    }
    QStringList entries() const
    {
        QStringList texts;
        for (int i = 0; i < ListEntries::count(*list); ++i)
            texts << ListEntries::text(*list, i);
        return texts;
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    TfrmMain *window = nullptr;
    QListView *list = nullptr;
    ReloadGauge *pie = nullptr;
    ReloadGauge *bar = nullptr;
};

TEST_F(RefreshWindowTest, RefreshAllAsksThenReadsTheLibraryWithTheGaugesShownAndTheCommandsHeld)
{
    auto run = start();
    ASSERT_NE(run, nullptr);
    ASSERT_NE(pie, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(pie->kind(), ReloadGauge::Kind::Pie);
    EXPECT_EQ(bar->kind(), ReloadGauge::Kind::VerticalBar);
    EXPECT_FALSE(pie->isVisible());
    ASSERT_NE(action("Refresh1"), nullptr);
    ASSERT_TRUE(action("Refresh1")->isEnabled());
    EXPECT_EQ(action("Refresh1")->text(), QStringLiteral("&Refresh All"));

    addGame(QStringLiteral("Adventure"), QStringLiteral("Beta"), QStringLiteral("Beta Trail"), "1985");
    fake.dialogs.confirmAnswers = {false};
    action("Refresh1")->trigger();
    EXPECT_EQ(fake.dialogs.questions, QStringList{QStringLiteral("Are you sure?")});
    EXPECT_FALSE(scanRunning());
    EXPECT_EQ(ListEntries::count(*list), 3) << "Cancel changes nothing";

    action("Refresh1")->trigger();
    ASSERT_TRUE(scanRunning());
    EXPECT_TRUE(pie->isVisible());
    EXPECT_TRUE(bar->isVisible());
    // The two gauges side by side under the middle of the name.
    const QLabel *name = window->findChild<QLabel *>(QStringLiteral("lblName"));
    const QRect nameRect(name->mapTo(bar->parentWidget(), QPoint(0, 0)), name->size());
    EXPECT_EQ(bar->x(), MainLayout::reloadGaugeLeft(nameRect));
    EXPECT_EQ(pie->x(), MainLayout::rightEdge(bar->geometry()));
    EXPECT_GE(bar->y(), MainLayout::bottomEdge(nameRect));
    for (const char *command : {"Refresh1", "RefreshThisGame1", "ReloadData1"})
        EXPECT_FALSE(action(command)->isEnabled()) << command;
    for (const char *menu : {"mnuSortBy", "mnuCategory", "mnuEdit"})
        EXPECT_FALSE(window->findChild<QMenu *>(QLatin1String(menu))->menuAction()->isEnabled()) << menu;
    EXPECT_FALSE(list->isEnabled());
    EXPECT_FALSE(run->mainWindow().session().library().refreshAll(false));
    EXPECT_TRUE(action("mnuExit")->isEnabled()) << "the window can always be closed";

    ASSERT_TRUE(waitForScan());
    EXPECT_FALSE(pie->isVisible());
    EXPECT_FALSE(bar->isVisible());
    for (const char *command : {"Refresh1", "RefreshThisGame1", "ReloadData1"})
        EXPECT_TRUE(action(command)->isEnabled()) << command;
    EXPECT_TRUE(window->findChild<QMenu *>(QStringLiteral("mnuSortBy"))->menuAction()->isEnabled());
    EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(entries().contains(QStringLiteral("Beta Trail")));
    EXPECT_EQ(shown("lblTotal"), QStringLiteral("4 Listed"));
    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(RefreshWindowTest, ReloadDataKeepsTheSortAndRefreshThisGameReadsOneFile)
{
    auto run = start();
    ASSERT_NE(run, nullptr);
    action("mnuYear")->trigger();
    ListEntries::setCurrentRow(*list, 2); // 1993 -- Gamma Tiles
    action("ReloadData1")->trigger();
    ASSERT_TRUE(waitForScan());
    EXPECT_EQ(ListEntries::text(*list, 2), QStringLiteral("1993 -- Gamma Tiles"));
    EXPECT_EQ(ListEntries::currentRow(*list), 2);

    lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Gamma"), QStringLiteral("Gamma Tiles"),
                {{QStringLiteral("Year"), QStringLiteral("1996")}, {QStringLiteral("Platform"), QStringLiteral("DOS")}});
    action("RefreshThisGame1")->trigger();
    EXPECT_EQ(shown("lblYear"), QStringLiteral("1996"));
    EXPECT_EQ(ListEntries::text(*list, 2), QStringLiteral("1996 -- Gamma Tiles"))
        << "the entry says what its row holds, in its old place: the list is not sorted again";
    EXPECT_EQ(ListEntries::currentRow(*list), 2);
    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(RefreshWindowTest, ClosingWhileALargeLibraryIsReadEndsCleanly)
{
    for (int i = 0; i < 200; ++i)
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Extra%1").arg(i), QStringLiteral("Extra %1").arg(i), "1990");
    auto run = start();
    ASSERT_NE(run, nullptr);
    action("ReloadData1")->trigger();
    ASSERT_TRUE(scanRunning());
    // Let a few folders' progress arrive, then close as the user would.
    QTest::qWait(5);
    run->mainWindow().close();
    run.reset();
    SUCCEED();
}

} // namespace
