#include "base/IniFile.h"
#include "base/SettingsFile.h"
#include "library/GameTable.h"
#include "session/LibrarySession.h"
#include "session/PreferencesModel.h"
#include "session/LibraryModel.h"
#include "support/LibraryBuilder.h"
#include "support/TableHelpers.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "support/ListEntries.h"
#include "session/SplashScanObserver.h"
#include "ui/main/TfrmMain.h"
#include "ui/startup/TfrmSplashScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TfrmMainStartup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Action"), QStringLiteral("Puzzle")});
        lib.addGame(QStringLiteral("Action"), QStringLiteral("Blaster"), QStringLiteral("Blaster"),
                    {{QStringLiteral("Platform"), QStringLiteral("DOS")}});
        lib.addGame(QStringLiteral("Action"), QStringLiteral("Comet"), QStringLiteral("Comet"));
        lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Aztec"), QStringLiteral("Aztec Tiles"));
        fake.clock.time = QDateTime(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);
    }

    std::unique_ptr<TfrmMain> start()
    {
        return std::make_unique<TfrmMain>(platform, lib.root(), nullptr);
    }

    IniFile settingsFile() const { return IniFile(lib.settingsFile()); }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
};

TEST_F(TfrmMainStartup, FirstStartWithoutLibraryRootScansBesideTheProgramAndPicksARandomGame)
{
    lib.setMainKey(QStringLiteral("VADPath"), QString());
    lib.writeSettings();
    fake.random.numbers = {2};

    auto frm = start();

    EXPECT_EQ(settingsFile().readString(QStringLiteral("Main"), QStringLiteral("VADPath"), QString()), lib.root());
    EXPECT_TRUE(QFile::exists(lib.root() + QStringLiteral("DataCache.txt")));
    EXPECT_EQ(frm->session().library().state().GridMain.rowCount(), 4);
    EXPECT_FALSE(frm->session().library().state().ScanPending);
    ASSERT_EQ(fake.random.bounds, std::vector<int>{3});
    ASSERT_EQ(fake.random.seeds.size(), 1u);
    EXPECT_EQ(fake.random.seeds.front(), static_cast<std::uint64_t>(fake.clock.time.toMSecsSinceEpoch()));
    EXPECT_EQ(ListEntries::currentRow(*child<QListView>(*frm, "lbMain")), 2);
    // The selection is saved once the user stops browsing; flushing stands for that pause.
    frm->session().preferences().flush();
    EXPECT_EQ(settingsFile().readInteger(QStringLiteral("Main"), QStringLiteral("LastSelectedGame"), -1), 2);
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("PALLOX"));
    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(TfrmMainStartup, DamagedCacheIsReportedAndReplacedByAFreshScan)
{
    lib.writeSettings();
    const QByteArray damaged[] = {
        QByteArray("999999999\r\n999999999\r\nNumber\r\n"),
        QByteArray("abc\r\n2\r\n"),
        QByteArray("\x00\xff\x13garbage\x00\x00", 12),
        QByteArray("66\r\n4\r\nNumber\r\n1\r\n"),
    };
    for (const QByteArray &bytes : damaged) {
        lib.writeFile(QStringLiteral("DataCache.txt"), bytes);
        fake.dialogs.messages.clear();

        auto frm = start();

        ASSERT_EQ(fake.dialogs.messages.size(), 1);
        EXPECT_TRUE(fake.dialogs.messages.front().contains(QStringLiteral("damaged")))
            << fake.dialogs.messages.front().toStdString();
        EXPECT_EQ(frm->session().library().state().GridMain.rowCount(), 4);
        GameTable reread;
        EXPECT_TRUE(loadStringGridInto(reread, lib.root() + QStringLiteral("DataCache.txt")));
        EXPECT_EQ(reread.rowCount(), 4);
    }
}

TEST_F(TfrmMainStartup, RememberedSelectionFallsBackToTheFirstEntryWhenOutOfRange)
{
    lib.setMainKey(QStringLiteral("RememberLastSelected"), QStringLiteral("1"));
    lib.setMainKey(QStringLiteral("LastSelectedGame"), QStringLiteral("1"));
    lib.writeSettings();
    EXPECT_EQ(ListEntries::currentRow(*child<QListView>(*start(), "lbMain")), 1);
    EXPECT_TRUE(fake.random.bounds.empty());

    IniFile(lib.settingsFile()).writeInteger(QStringLiteral("Main"), QStringLiteral("LastSelectedGame"), 3);
    EXPECT_EQ(ListEntries::currentRow(*child<QListView>(*start(), "lbMain")), 0);
}

TEST_F(TfrmMainStartup, EmptyLibrarySaysSoAndSelectsNothing)
{
    lib.setSubfolders({});
    lib.writeSettings();

    auto frm = start();

    EXPECT_EQ(fake.dialogs.messages, QStringList{QStringLiteral("No Data Found - Please check folders")});
    EXPECT_EQ(ListEntries::count(*child<QListView>(*frm, "lbMain")), 0);
    EXPECT_EQ(ListEntries::currentRow(*child<QListView>(*frm, "lbMain")), -1);
    EXPECT_EQ(child<QLabel>(*frm, "lblTotal")->text(), QStringLiteral("0 Listed"));
}

TEST_F(TfrmMainStartup, ClosingAsksOnlyWhenTheOptionIsOn)
{
    lib.writeSettings();
    auto frm = start();
    frm->show();
    EXPECT_TRUE(frm->close());
    EXPECT_TRUE(fake.dialogs.questions.isEmpty());

    lib.setMainKey(QStringLiteral("ConfirmClose"), QStringLiteral("1"));
    lib.writeSettings();
    frm = start();
    frm->show();
    fake.dialogs.confirmAnswers = {false, true};
    child<QAction>(*frm, "mnuExit")->trigger();
    EXPECT_TRUE(frm->isVisible());
    EXPECT_EQ(fake.dialogs.questions, QStringList{QStringLiteral("Close PALLOX?")});
    EXPECT_TRUE(frm->close());
    EXPECT_FALSE(frm->isVisible());
    EXPECT_EQ(fake.dialogs.questions.size(), 2);
}

TEST_F(TfrmMainStartup, SettingsPanelOptionsAreWrittenAtOnce)
{
    lib.writeSettings();
    auto frm = start();
    frm->show();
    QCheckBox *confirmClose = child<QCheckBox>(*frm, "checkConfirmClose");
    QCheckBox *showDates = child<QCheckBox>(*frm, "checkShowDates");
    EXPECT_FALSE(confirmClose->isChecked());
    EXPECT_TRUE(showDates->isChecked());
    EXPECT_TRUE(child<QLabel>(*frm, "lblGameCreatedDate")->isVisible());

    confirmClose->click();
    child<QCheckBox>(*frm, "checkRememberLast")->click();
    showDates->click();

    const IniFile ini = settingsFile();
    EXPECT_TRUE(ini.readBool(QStringLiteral("Main"), QStringLiteral("ConfirmClose"), false));
    EXPECT_TRUE(ini.readBool(QStringLiteral("Main"), QStringLiteral("RememberLastSelected"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("Main"), QStringLiteral("ShowDates"), true));
    EXPECT_TRUE(frm->session().preferences().preferences().confirmClose);
    EXPECT_FALSE(child<QLabel>(*frm, "lblGameCreatedDate")->isVisible());
    EXPECT_FALSE(child<QLabel>(*frm, "lblGameModifiedDate")->isVisible());
}

TEST_F(TfrmMainStartup, BrowseChangesTheRootButNotTheListedGames)
{
    lib.writeSettings();
    auto frm = start();
    const QString oldRoot = frm->session().library().state().LibraryRoot;

    QPushButton *browse = child<QPushButton>(*frm, "btnVADBrowse");
    fake.dialogs.folder.clear();
    browse->click();
    EXPECT_EQ(frm->session().library().state().LibraryRoot, oldRoot);

    QDir(lib.root()).mkpath(QStringLiteral("Other"));
    fake.dialogs.folder = lib.path(QStringLiteral("Other"));
    browse->click();

    const QString expected = lib.path(QStringLiteral("Other")) + QLatin1Char('/');
    EXPECT_EQ(fake.dialogs.folderTitles.last(), QStringLiteral("Browse for Game Folder"));
    EXPECT_EQ(child<QLabel>(*frm, "lblVADFolder")->text(), expected);
    EXPECT_EQ(settingsFile().readString(QStringLiteral("Main"), QStringLiteral("VADPath"), QString()), expected);
    EXPECT_EQ(ListEntries::count(*child<QListView>(*frm, "lbMain")), 3);
}

TEST_F(TfrmMainStartup, UnwritableSettingsFileIsReportedOnceAndStartUpGoesOn)
{
    // A folder where the settings file should be: nothing can be written, whoever we are.
    ASSERT_TRUE(QDir(lib.root()).mkpath(QStringLiteral("PALLOX.ini")));

    auto frm = start();

    ASSERT_FALSE(fake.dialogs.messages.isEmpty());
    EXPECT_TRUE(fake.dialogs.messages.front().contains(QStringLiteral("PALLOX.ini")));
    EXPECT_EQ(fake.dialogs.messages.filter(QStringLiteral("PALLOX.ini")).size(), 1);
    EXPECT_EQ(frm->session().library().state().LibraryRoot, lib.root());
}

TEST_F(TfrmMainStartup, SplashShowsScanProgressAndIsHiddenAfterStartUp)
{
    lib.writeSettings();
    TfrmSplashScreen splash;
    splash.show();
    LibraryState state;
    SplashScanObserver observer(state, &splash, fake.dialogs);
    observer.categoriesStarted(2);
    observer.categoryStarted(1, 2, QStringLiteral("Puzzle"));
    auto *line = child<QLabel>(splash, "lblLoading");
    auto *detail = child<QLabel>(splash, "lblLoading2");
    EXPECT_EQ(line->text(), QStringLiteral("Loading Folder 2 of 2"));
    EXPECT_EQ(detail->text(), QStringLiteral("Puzzle"));
    EXPECT_TRUE(child<QProgressBar>(splash, "pbLoading")->isVisible());

    TfrmMain frm(platform, lib.root(), &splash);
    EXPECT_FALSE(splash.isVisible());
    // The last thing start-up does on the splash is fold games of several platforms.
    EXPECT_EQ(line->text(), QStringLiteral("Checking for"));
    EXPECT_EQ(detail->text(), QStringLiteral("multiple platforms"));
}

} // namespace
