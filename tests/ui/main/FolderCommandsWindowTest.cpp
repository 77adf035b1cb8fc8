#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "support/ListEntries.h"
#include "ui/startup/PalloxRun.h"
#include "ui/main/TfrmDeleteFolder.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString q(const char *text)
{
    return QString::fromUtf8(text);
}

// The folder commands of the list's context menu, as users reach them in the real program.
class FolderCommandsWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({q("Adventure"), q("Puzzle")});
        lib.addGame(q("Adventure"), q("Alpha Folder"), q("Alpha Quest"));
        lib.addGame(q("Puzzle"), q("Delta"), q("Delta Blocks"));
        lib.addGame(q("Puzzle"), longName, q("Long Story"));
        lib.writeSettings();
        fake.random.numbers = {0};
        fake.fileOps.applyToDisk = true;
        run = PalloxRun::start(lib.root(), platform);
        ASSERT_NE(run, nullptr);
        list = child<QListView>(run->mainWindow(), "lbMain");
        run->mainWindow().setGeometry(100, 80, 900, 640);
    }

    void trigger(const char *objectName) { child<QAction>(run->mainWindow(), objectName)->trigger(); }
    void select(const char *name)
    {
        ListEntries::setCurrentRow(*list, ListEntries::rowsOf(*list, q(name)).value(0, -1));
    }
    QString game(const QString &relative) const { return lib.path(q("Games/") + relative); }

    const QString longName = QString(120, QLatin1Char('L')) + QString(120, QLatin1Char('W'));
    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<PalloxRun> run;
    QListView *list = nullptr;
};

TEST_F(FolderCommandsWindowTest, DeleteWindowAsksThenSendsTheFolderToTheTrashAndAsksForARefresh)
{
    TfrmDeleteFolder &window = *::window<TfrmDeleteFolder>("TfrmDeleteFolder");
    QSignalSpy refreshes(&window, &TfrmDeleteFolder::refreshAllRequested);
    select("Delta Blocks");
    trigger("mnuDeleteCurrent");

    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), q("Really Delete This Game?"));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(child<QLabel>(window, "lblWarning")->text(),
              q("Are you sure you want to delete the entire folder for this game including ALL information, "
                "images, "
                "THE GAME ITSELF, and all of your hard work?"));
    EXPECT_EQ(child<QLabel>(window, "lblFolderToBeDeleted")->text(), game(q("Puzzle/Delta")));
    QPushButton *yes = child<QPushButton>(window, "btnYes");
    QPushButton *no = child<QPushButton>(window, "btnNo");
    EXPECT_EQ(yes->text(), q("Yes"));
    EXPECT_EQ(no->text(), q("No"));
    const QRect owner = run->mainWindow().frameGeometry();
    EXPECT_LE(std::abs(window.frameGeometry().center().x() - owner.center().x()), 1);
    EXPECT_EQ(window.y(), owner.y() + 100);
    EXPECT_FALSE(window.isModal());

    QTest::mouseClick(no, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    trigger("mnuDeleteCurrent");
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(fake.fileOps.trashed.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(game(q("Puzzle/Delta"))));

    trigger("mnuDeleteCurrent");
    QTest::mouseClick(yes, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(fake.fileOps.trashed, QStringList({game(q("Puzzle/Delta"))}));
    EXPECT_FALSE(QFileInfo::exists(game(q("Puzzle/Delta"))));
    EXPECT_EQ(refreshes.count(), 1);
    // Refresh All asks its own question, then reads the library without the deleted game.
    EXPECT_EQ(fake.dialogs.questions, QStringList({q("Are you sure?")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !run->mainWindow().session().library().isScanRunning(); }, 20000));
    EXPECT_EQ(ListEntries::count(*list), 2);
    EXPECT_TRUE(fake.dialogs.messages.isEmpty())
        << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(FolderCommandsWindowTest, AFolderDeletedWhileTheLibraryIsReadIsGoneAfterTheRefreshThatFollows)
{
    TfrmDeleteFolder &window = *::window<TfrmDeleteFolder>("TfrmDeleteFolder");
    select("Delta Blocks");
    trigger("mnuDeleteCurrent");
    ASSERT_TRUE(window.isVisible());
    // The window does not hold the main window back: the library is being read when Yes comes.
    trigger("ReloadData1");
    LibrarySession &session = run->mainWindow().session();
    ASSERT_TRUE(session.library().isScanRunning());
    QTest::mouseClick(child<QPushButton>(window, "btnYes"), Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.questions, QStringList({q("Are you sure?"), q("Are you sure?")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session.library().isScanRunning(); }, 20000));
    EXPECT_TRUE(ListEntries::rowsOf(*list, q("Delta Blocks")).isEmpty());
    EXPECT_EQ(ListEntries::count(*list), 2);
    EXPECT_TRUE(fake.dialogs.messages.isEmpty())
        << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(FolderCommandsWindowTest, ALongPathFitsTheScreenAndARefusedFolderKeepsTheWindowShut)
{
    TfrmDeleteFolder &window = *::window<TfrmDeleteFolder>("TfrmDeleteFolder");
    select("Long Story");
    trigger("mnuDeleteCurrent");
    ASSERT_TRUE(window.isVisible());
    QLabel *folder = child<QLabel>(window, "lblFolderToBeDeleted");
    EXPECT_EQ(folder->text().remove(QChar(0x200B)), game(q("Puzzle/") + longName));
    EXPECT_LE(window.width(), window.screen()->availableGeometry().width());
    const QRect needed = folder->fontMetrics().boundingRect(
        QRect(0, 0, folder->width(), 10000), Qt::TextWordWrap | Qt::AlignHCenter, folder->text());
    EXPECT_LE(needed.width(), folder->width());
    EXPECT_LE(needed.height(), folder->height());
    QTest::keyClick(&window, Qt::Key_Escape);

    QTemporaryDir outside;
    // The game's folder turned into a link that leads out of the library behind the table's back.
    ASSERT_TRUE(outside.isValid() && QDir(game(q("Puzzle/") + longName)).removeRecursively());
    ASSERT_TRUE(QFile::link(outside.path(), game(q("Puzzle/") + longName)));
    trigger("mnuDeleteCurrent");
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(fake.dialogs.messages.size(), 1);
    EXPECT_TRUE(fake.dialogs.messages[0].startsWith(q("\"Long Story\" cannot be deleted: ")));
    EXPECT_TRUE(fake.fileOps.trashed.isEmpty());
}

TEST_F(FolderCommandsWindowTest, MoveAllAndOpenFolderFromTheContextMenu)
{
    QTemporaryDir destination;
    ASSERT_TRUE(destination.isValid() && QDir().mkpath(destination.path() + q("/Delta")));
    fake.dialogs.folder.clear();
    trigger("MoveAll1");
    EXPECT_EQ(fake.dialogs.folderTitles, QStringList({q("Browse for Folder")}));
    EXPECT_TRUE(fake.fileOps.moves.empty());

    fake.dialogs.folder = destination.path();
    trigger("MoveAll1");
    EXPECT_TRUE(QFileInfo::exists(destination.path() + q("/Alpha Folder/Pallox")));
    EXPECT_TRUE(QFileInfo::exists(game(q("Puzzle/Delta/Pallox"))));
    ASSERT_EQ(fake.dialogs.messages.size(), 1);
    EXPECT_TRUE(fake.dialogs.messages[0].contains(q("Delta Blocks: ")))
        << fake.dialogs.messages[0].toStdString();

    select("Delta Blocks");
    trigger("mnuOpenFolder");
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls[0].program, q("\"") + game(q("Puzzle/Delta")) + q("\""));
}

} // namespace
