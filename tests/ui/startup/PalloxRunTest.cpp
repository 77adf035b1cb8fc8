#include "base/IniFile.h"
#include "base/SettingsFile.h"
#include "browse/PictureLoader.h"
#include "session/LibrarySession.h"
#include "session/PreferencesModel.h"
#include "session/BrowseModel.h"
#include "support/Clicks.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/ListEntries.h"
#include "ui/main/DetailsPanel.h"
#include "ui/startup/PalloxRun.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

namespace {

// The program as main() starts it, over fake seams, driven only through what a user can reach:
// menus, the list, the keyboard and the mouse.
class PalloxRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Adventure"), QStringLiteral("Puzzle")});
        addGame(QStringLiteral("Adventure"), QStringLiteral("Alpha"), QStringLiteral("Alpha Quest"), "1990", "Adventure", "DOS");
        addGame(QStringLiteral("Adventure"), QStringLiteral("Beta"), QStringLiteral("Beta Trail"), "1985", "Adventure", "Amiga");
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Alpha"), QStringLiteral("Alpha Quest"), "1991", "Puzzle", "Amiga");
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Delta"), QStringLiteral("Delta Blocks"), "1988", "Puzzle", "DOS");
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Gamma"), QStringLiteral("Gamma Tiles"), "1993", "Puzzle", "DOS");
        fake.random.numbers = {0};
    }

    void addGame(const QString &category, const QString &folder, const QString &name, const char *year,
                 const char *genre, const char *platform)
    {
        lib.addGame(category, folder, name,
                    {{QStringLiteral("Year"), QString::fromLatin1(year)},
                     {QStringLiteral("Genre"), QString::fromLatin1(genre)},
                     {QStringLiteral("Platform"), QString::fromLatin1(platform)}});
    }

    std::unique_ptr<PalloxRun> start()
    {
        auto run = PalloxRun::start(lib.root(), platform);
        if (run) {
            list = run->mainWindow().findChild<QListView *>(QStringLiteral("lbMain"));
            shownName = run->mainWindow().findChild<QLabel *>(QStringLiteral("lblName"));
            total = run->mainWindow().findChild<QLabel *>(QStringLiteral("lblTotal"));
        }
        return run;
    }

    static void trigger(const PalloxRun &run, const char *objectName)
    {
        auto *action = run.mainWindow().findChild<QAction *>(QLatin1String(objectName));
        ASSERT_NE(action, nullptr) << objectName;
        action->trigger();
    }

    QPoint centreOf(int entry) const { return ListEntries::rect(*list, entry).center(); }
    // What the settings file holds once the user has paused.
    int savedAfterPause(const PalloxRun &run, const char *key) const
    {
        run.mainWindow().session().preferences().flush();
        return savedInteger(key);
    }
    int savedInteger(const char *key) const
    {
        return IniFile(lib.settingsFile()).readInteger(QStringLiteral("Main"), QLatin1String(key), -1);
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    QListView *list = nullptr;
    QLabel *shownName = nullptr;
    QLabel *total = nullptr;
};

TEST_F(PalloxRunTest, SortFilterRestoreAndSelectionWorkAfterStartUp)
{
    lib.writeSettings();
    auto run = start();
    ASSERT_NE(run, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(run->mainWindow().isVisible());
    EXPECT_EQ(shownName->text(), QStringLiteral("Alpha Quest"));

    trigger(*run, "mnuYear");
    ASSERT_EQ(ListEntries::count(*list), 5);
    EXPECT_EQ(ListEntries::text(*list, 0), QStringLiteral("1985 -- Beta Trail"));

    auto *genres = run->mainWindow().findChild<QMenu *>(QStringLiteral("mnuCatGenre"));
    ASSERT_NE(genres, nullptr);
    QAction *puzzle = openedMenuItem(*genres, QStringLiteral("Puzzle"));
    ASSERT_NE(puzzle, nullptr);
    puzzle->trigger();
    EXPECT_EQ(total->text(), QStringLiteral("3 Listed"));

    trigger(*run, "mnuShowAll");
    EXPECT_EQ(total->text(), QStringLiteral("5 Listed"));
    ASSERT_EQ(ListEntries::count(*list), 4);

    list->setFocus();
    ListEntries::setCurrentRow(*list, 0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(shownName->text(), QStringLiteral("Beta Trail"));
    EXPECT_EQ(savedAfterPause(*run, "LastSelectedGame"), 1);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(3));
    EXPECT_EQ(shownName->text(), QStringLiteral("Gamma Tiles"));
    EXPECT_EQ(savedAfterPause(*run, "LastSelectedGame"), 3);
    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PalloxRunTest, PlayWithAnEmulatorWhoseProgramIsNotSetSaysWhereToSetIt)
{
    lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Elite"), QStringLiteral("Elite"),
                {{QStringLiteral("Platform"), QStringLiteral("C64")},
                 {QStringLiteral("Emulator"), QStringLiteral("MESS")},
                 {QStringLiteral("Executable"), QStringLiteral("\\elite.d64")}});
    lib.writeSettings();
    auto run = start();
    ASSERT_NE(run, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(3));
    ASSERT_EQ(shownName->text(), QStringLiteral("Elite"));

    run->mainWindow().findChild<QPushButton *>(QStringLiteral("btnPlay"))->click();

    EXPECT_TRUE(fake.shell.calls.empty());
    EXPECT_EQ(fake.dialogs.messages,
              QStringList{QStringLiteral("The emulator \"MESS\" has no program set: choose it on the Config tab "
                                         "under Emulator and Game Runner EXE Paths.")});
}

TEST_F(PalloxRunTest, DetailsFollowTheEntryADragEndsOn)
{
    lib.writeSettings();
    auto run = start();
    ASSERT_NE(run, nullptr);

    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centreOf(0));
    QTest::mouseMove(list->viewport(), centreOf(2));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centreOf(2));

    EXPECT_EQ(ListEntries::currentRow(*list), 2);
    EXPECT_EQ(shownName->text(), ListEntries::text(*list, 2));
    EXPECT_EQ(savedAfterPause(*run, "LastSelectedGame"), 2);
    EXPECT_EQ(run->mainWindow().session().browse().selectedGameName(), ListEntries::text(*list, 2));
}

TEST_F(PalloxRunTest, WindowSizeStaysTheSameOverRestarts)
{
    lib.setMainKey(QStringLiteral("Width"), QStringLiteral("790"));
    lib.setMainKey(QStringLiteral("Height"), QStringLiteral("590"));
    lib.writeSettings();
    for (int restart = 0; restart < 3; ++restart) {
        auto run = start();
        ASSERT_NE(run, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(1));
    }
    EXPECT_EQ(savedInteger("Width"), 790);
    EXPECT_EQ(savedInteger("Height"), 590);
}

TEST_F(PalloxRunTest, BrowsingWritesTheSelectionOnceTheUserPausesOrCloses)
{
    lib.writeSettings();
    auto run = start();
    ASSERT_NE(run, nullptr);
    run->mainWindow().session().preferences().flush();
    // Held open, the file keeps its inode number from being handed to its replacement.
    QFile held(lib.settingsFile());
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    struct stat before{};
    ASSERT_EQ(::stat(QFile::encodeName(lib.settingsFile()).constData(), &before), 0);

    list->setFocus();
    for (int press = 0; press < 3; ++press)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);

    // Every atomic write replaces the file; while keys come, none has happened.
    struct stat during{};
    ASSERT_EQ(::stat(QFile::encodeName(lib.settingsFile()).constData(), &during), 0);
    EXPECT_EQ(during.st_ino, before.st_ino);
    ASSERT_TRUE(run->mainWindow().close());
    EXPECT_EQ(savedInteger("LastSelectedGame"), 2);
}

#ifdef Q_OS_UNIX
TEST_F(PalloxRunTest, ANoteOrPictureThatCannotBeReadIsReportedOnce)
{
    lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Broken"), QStringLiteral("Broken Files"),
                {{QStringLiteral("About"), QStringLiteral("note.txt")}, {QStringLiteral("Front01"), QStringLiteral("front.png")}});
    lib.writeFile(QStringLiteral("Games/Puzzle/Broken/Pallox/Front/front.png"), QByteArray("not a picture"));
    // A regular file whose reading fails, even for root.
    ASSERT_TRUE(QDir().mkpath(lib.path(QStringLiteral("Games/Puzzle/Broken/Pallox/About"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), lib.path(QStringLiteral("Games/Puzzle/Broken/Pallox/About/note.txt"))));
    lib.writeSettings();
    auto run = start();
    ASSERT_NE(run, nullptr);

    const QList<int> broken = ListEntries::rowsOf(*list, QStringLiteral("Broken Files"));
    ASSERT_EQ(broken.size(), 1);
    const int row = broken.front();
    const auto *details = run->mainWindow().findChild<DetailsPanel *>(QStringLiteral("panelDetails"));
    ASSERT_NE(details, nullptr);
    for (int visit = 0; visit < 2; ++visit) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(row));
        // The pictures of a game are read while it stays selected.
        ASSERT_TRUE(QTest::qWaitFor([&] { return details->findChild<PictureLoader *>()->pending() == 0; }, 10000));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(row == 0 ? 1 : 0));
    }

    ASSERT_EQ(fake.dialogs.messages.size(), 2) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(fake.dialogs.messages.filter(QStringLiteral("note.txt")).size() == 1);
    EXPECT_TRUE(fake.dialogs.messages.filter(QStringLiteral("front.png")).size() == 1);
}
#endif

TEST_F(PalloxRunTest, MessagesDuringStartUpOpenAboveTheSplash)
{
    lib.setSubfolders({});
    lib.writeSettings();
    QString text;
    QString owner;
    bool ownerShown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            // The splash is gone once start-up ends; look at it while it is there.
            if (const QWidget *parent = box->parentWidget()) {
                owner = parent->objectName();
                ownerShown = parent->isVisible();
            }
            box->accept();
        }
    });
    poll.start(5);

    // The real dialogs this time: what matters is the window a message box belongs to.
    auto run = PalloxRun::start(lib.root());

    ASSERT_NE(run, nullptr);
    EXPECT_EQ(text, QStringLiteral("No Data Found - Please check folders"));
    EXPECT_EQ(owner, QStringLiteral("TfrmSplashScreen"));
    EXPECT_TRUE(ownerShown);
}

} // namespace
