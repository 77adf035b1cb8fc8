#include "session/FolderCommands.h"
#include "session/BrowseModel.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/ResultText.h"
#include "support/BrowseRig.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString q(const char *text)
{
    return QString::fromUtf8(text);
}

// The folder commands on a real library in a temporary folder; the moves really happen, and the
// trash is a removal.
class FolderCommandsTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid() && destinationDir.isValid());
        lib.setSubfolders({q("Adventure"), q("Puzzle")});
        addGame(q("Adventure"), q("Alpha"), q("Alpha Quest"), "DOS");
        addGame(q("Adventure"), q("Beta Two"), q("Beta Trail"), "Amiga");
        addGame(q("Puzzle"), q("Delta"), q("Delta Blocks"), "DOS");
        addGame(q("Puzzle"), q("Gamma"), q("Gamma Tiles"), "Amiga");
        lib.writeSettings();
        fake.fileOps.applyToDisk = true;
    }

    void addGame(const QString &category, const QString &folder, const QString &name,
                 const char *platformName, const QString &iniName = q("game.ini"))
    {
        lib.addGame(category, folder, name, {{q("Platform"), q(platformName)}}, iniName);
    }

    void start()
    {
        rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
    }
    void select(const char *name)
    {
        rig->browse->select(static_cast<int>(rig->browse->listEntries().indexOf(q(name))));
    }
    void setCell(const char *name, const char *field, const QString &value)
    {
        const int selected = rig->browse->selectedIndex();
        LibraryState tables = rig->tables();
        GameTable &table = tables.GridMain;
        for (int row = 1; row < table.rowCount(); ++row) {
            if (table.cell(table.column(q("Name")), row) == q(name))
                table.setCell(table.column(q(field)), row, value);
        }
        rig->rebuild(std::move(tables));
        rig->browse->select(selected);
    }
    FolderCommands commands() { return FolderCommands(*rig->browse, fake.fileOps, fake.shell); }

    QString game(const char *relative) const { return lib.path(q("Games/") + q(relative)); }
    QStringList moved() const
    {
        return QDir(destinationDir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    LibraryBuilder lib;
    QTemporaryDir destinationDir;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<BrowseRig> rig;
};

TEST_F(FolderCommandsTest, MoveAllMovesTheListedGamesFoldersAndRefusesRowsThatNameNone)
{
    start();
    rig->browse->applyFieldFilter(q("Platform"), q("Amiga"));
    const FolderCommands folders = commands();
    // A cancelled folder browser hands over no folder; a vanished one is said once.
    EXPECT_TRUE(messageOf(FolderCommands::moveAllOutcome(folders.moveAllInto(QString()))).isEmpty());
    EXPECT_TRUE(
        messageOf(FolderCommands::moveAllOutcome(folders.moveAllInto(q("/no/such/place")))).contains(q("not exist")));
    EXPECT_TRUE(fake.fileOps.moves.empty());

    const MoveAllReport report = folders.moveAllInto(destinationDir.path());
    EXPECT_EQ(report.moved, 2);
    EXPECT_TRUE(FolderCommands::moveAllOutcome(report));
    EXPECT_EQ(moved(), QStringList({q("Beta Two"), q("Gamma")}));
    EXPECT_TRUE(QFileInfo::exists(destinationDir.path() + q("/Beta Two/Pallox/IniFile/game.ini")));
    EXPECT_TRUE(QFileInfo::exists(game("Adventure/Alpha")) && QFileInfo::exists(game("Puzzle/Delta")));
    // The table is the next refresh's business.
    EXPECT_EQ(rig->browse->listEntries(), QStringList({q("Beta Trail"), q("Gamma Tiles")}));

    // Rows that do not name a game folder never reach the file operations.
    rig->browse->restoreAll();
    setCell("Alpha Quest", "Subfolder", QString());
    setCell("Delta Blocks", "Folder", q(".."));
    fake.fileOps.moves.clear();
    const MoveAllReport refused = commands().moveAllInto(destinationDir.path());
    ASSERT_EQ(refused.failures.size(), 4u);
    EXPECT_TRUE(refused.failures[0].reason.message().contains(q("Subfolder value is empty")));
    EXPECT_TRUE(refused.failures[2].reason.message().contains(q("\"..\"")));
    EXPECT_EQ(fake.fileOps.moves.size(), 0u);
    EXPECT_TRUE(QFileInfo::exists(game("Adventure")) && QFileInfo::exists(game("Puzzle/Delta")));
}

TEST_F(FolderCommandsTest, MoveAllReportsClashesAndMissingFoldersAndGoesOn)
{
    // A second record in Alpha's folder under another name: the first move takes the folder.
    addGame(q("Adventure"), q("Alpha"), q("Alpha Again"), "Amiga", q("again.ini"));
    ASSERT_TRUE(writeFile(destinationDir.path() + q("/Delta/mine.txt"), "keep me"));
    start();

    const MoveAllReport report = commands().moveAllInto(destinationDir.path());
    EXPECT_EQ(report.moved, 3);
    ASSERT_EQ(report.failures.size(), 2u);
    EXPECT_EQ(report.failures[0].gameName, q("Alpha Quest"));
    EXPECT_TRUE(report.failures[0].reason.message().contains(q("does not exist")));
    EXPECT_EQ(report.failures[1].gameName, q("Delta Blocks"));
    EXPECT_TRUE(report.failures[1].reason.message().contains(q("already exists")));
    // Nothing overwritten or merged; the entry after the clash still moved.
    EXPECT_EQ(readFile(destinationDir.path() + q("/Delta/mine.txt")), QByteArray("keep me"));
    EXPECT_FALSE(QFileInfo::exists(destinationDir.path() + q("/Delta/Pallox")));
    EXPECT_TRUE(QFileInfo::exists(game("Puzzle/Delta/Pallox/IniFile/game.ini")));
    EXPECT_TRUE(QFileInfo::exists(destinationDir.path() + q("/Gamma/Pallox")));

    const QString text = messageOf(FolderCommands::moveAllOutcome(report));
    EXPECT_TRUE(text.startsWith(q("2 game folders were not moved"))) << text.toStdString();
    EXPECT_TRUE(text.contains(q("Alpha Quest: ")) && text.contains(q("Delta Blocks: ")));
    // Two hundred failures still make one box that fits a screen and names every game.
    MoveAllReport many;
    for (int i = 0; i < 200; ++i)
        many.failures.push_back({QStringLiteral("Game %1").arg(i), Failure(Failure::Kind::GameFolderMissing, q("/g"))});
    const QString manyText = messageOf(FolderCommands::moveAllOutcome(many));
    EXPECT_TRUE(manyText.contains(q("Game 0: ")) && manyText.contains(q(", Game 199.")));
    EXPECT_LT(manyText.count(QLatin1Char('\n')), 25);
}

TEST_F(FolderCommandsTest, OpenFolderAndDeleteActOnTheSelectedGamesCheckedFolder)
{
    start();
    select("Beta Trail");
    EXPECT_TRUE(commands().openSelectedFolder());
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls[0].program, q("\"") + game("Adventure/Beta Two") + q("\""));
    EXPECT_TRUE(fake.shell.calls[0].parameters.isEmpty() && fake.shell.calls[0].workingFolder.isEmpty());

    const DeleteTarget target = commands().deleteTarget();
    EXPECT_EQ(target.gameName, q("Beta Trail"));
    EXPECT_EQ(target.folder.path, game("Adventure/Beta Two"));
    EXPECT_TRUE(commands().moveToTrash(target));
    EXPECT_EQ(fake.fileOps.trashed, QStringList({game("Adventure/Beta Two")}));
    EXPECT_FALSE(QFileInfo::exists(game("Adventure/Beta Two")));
    EXPECT_TRUE(QFileInfo::exists(game("Adventure/Alpha")));
    // Gone now: both commands say so and touch nothing.
    EXPECT_TRUE(messageOf(commands().moveToTrash(target)).contains(q("does not exist")));
    EXPECT_TRUE(messageOf(commands().openSelectedFolder()).contains(q("does not exist")));
    EXPECT_EQ(fake.fileOps.trashed.size(), 1);
    EXPECT_EQ(fake.shell.calls.size(), 1u);
}

TEST_F(FolderCommandsTest, DeleteRefusesFoldersOutsideTheirCategoryAlsoWhenTheDiskChangesMeanwhile)
{
    QTemporaryDir outside;
    ASSERT_TRUE(outside.isValid() && writeFile(outside.path() + q("/precious.txt"), "mine"));
    ASSERT_TRUE(QFile::link(outside.path(), game("Puzzle/Linked")));
    start();
    select("Gamma Tiles");
    for (const QString &subfolder : {q("Linked"), QString(), q("../Puzzle")}) {
        setCell("Gamma Tiles", "Subfolder", subfolder);
        EXPECT_FALSE(commands().deleteTarget().folder.allowed()) << subfolder.toStdString();
    }

    // The window waited while the folder was swapped for a link elsewhere: checked again at Yes.
    setCell("Gamma Tiles", "Subfolder", q("Gamma"));
    const DeleteTarget target = commands().deleteTarget();
    ASSERT_TRUE(target.folder.allowed());
    ASSERT_TRUE(QDir(game("Puzzle/Gamma")).removeRecursively() &&
                QFile::link(outside.path(), game("Puzzle/Gamma")));
    EXPECT_TRUE(messageOf(commands().moveToTrash(target)).contains(q("not deleted")));
    EXPECT_TRUE(fake.fileOps.trashed.isEmpty());
    EXPECT_EQ(readFile(outside.path() + q("/precious.txt")), QByteArray("mine"));

    rig->browse->select(-1);
    EXPECT_FALSE(commands().deleteTarget().folder.allowed());
}

} // namespace
