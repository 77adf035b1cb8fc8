#include "platform/QtFileOps.h"
#include "support/Files.h"
#include "support/ResultText.h"
#include "support/Utf8.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every file and folder below `root` with the content of each file, to compare whole trees.
QStringList describeTree(const QString &root)
{
    QStringList lines;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        const QFileInfo info(path);
        if (info.isSymLink())
            lines.append(relative + u(" -> ") + QDir(root).relativeFilePath(info.symLinkTarget()));
        else if (info.isDir())
            lines.append(relative + u("/"));
        else
            lines.append(relative + u(" = ") + QString::fromUtf8(readFile(path)));
    }
    lines.sort();
    return lines;
}

// A game folder with a metadata folder, a hidden file and a non-ASCII name.
QString makeGame(const QString &parent, const QString &name)
{
    const QString game = parent + QLatin1Char('/') + name;
    writeFile(game + u("/GAME.EXE"), "MZ game");
    writeFile(game + u("/Pallox/game.ini"), "[Main]\r\nName=Über Quest\r\n");
    writeFile(game + u("/Pallox/Box - Front/front.png"), "png");
    writeFile(game + u("/.hidden"), "dot");
    return game;
}

class QtFileOpsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_root.isValid()); }

    QTemporaryDir m_root;
    QtFileOps m_ops;
};

TEST_F(QtFileOpsTest, MovesAFolderIntoTheDestinationUnderItsOwnName)
{
    const QString game = makeGame(m_root.filePath(u("Games/Adventure")), u("Über Quest"));
    const QStringList before = describeTree(game);
    const QString destination = m_root.filePath(u("Moved here"));
    ASSERT_TRUE(QDir().mkpath(destination));

    EXPECT_EQ(messageOf(m_ops.moveFolderInto(game + u("/"), destination)), QString());

    EXPECT_FALSE(QFileInfo::exists(game));
    EXPECT_EQ(describeTree(destination + u("/Über Quest")), before);
}

TEST_F(QtFileOpsTest, RefusesANameClashAndTouchesNeitherSide)
{
    const QString destination = m_root.filePath(u("Target"));
    const QString game = makeGame(m_root.filePath(u("Games/Adventure")), u("Quest"));
    const QStringList sourceBefore = describeTree(game);

    // An empty folder of the same name is the dangerous case: a plain rename replaces it.
    const struct
    {
        const char *name;
        void (*prepare)(const QString &clash);
    } clashes[] = {
        {"empty folder", [](const QString &clash) { QDir().mkpath(clash); }},
        {"full folder", [](const QString &clash) { writeFile(clash + u("/save.dat"), "mine"); }},
        {"file", [](const QString &clash) { writeFile(clash, "a file"); }},
        {"dangling link",
         [](const QString &clash) { QFile::link(clash + u("-nowhere"), clash); }},
    };
    for (const auto &c : clashes) {
        QDir(destination).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(destination));
        c.prepare(destination + u("/Quest"));
        const QStringList destinationBefore = describeTree(destination);

        const QString reason = messageOf(m_ops.moveFolderInto(game, destination));

        EXPECT_FALSE(reason.isEmpty()) << c.name;
        EXPECT_TRUE(reason.contains(u("already exists"))) << c.name << ": " << reason.toStdString();
        EXPECT_EQ(describeTree(game), sourceBefore) << c.name;
        EXPECT_EQ(describeTree(destination), destinationBefore) << c.name;
    }
}

TEST_F(QtFileOpsTest, RefusesImpossibleMoves)
{
    const QString game = makeGame(m_root.path(), u("Quest"));
    const QStringList before = describeTree(m_root.path());
    const struct
    {
        const char *name;
        QString folder;
        QString destination;
    } cases[] = {
        {"missing source", m_root.filePath(u("Gone")), m_root.path()},
        {"missing destination", game, m_root.filePath(u("Nowhere"))},
        {"into itself", game, game},
        {"into its own sub-folder", game, game + u("/Pallox")},
        {"empty source", QString(), m_root.path()},
        {"empty destination", game, QString()},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(messageOf(m_ops.moveFolderInto(c.folder, c.destination)).isEmpty()) << c.name;
        EXPECT_EQ(describeTree(m_root.path()), before) << c.name;
    }
}

TEST_F(QtFileOpsTest, MovesAcrossFileSystemsByCopyingThenRemoving)
{
    QTemporaryDir other(u("/dev/shm/pallox-test-XXXXXX"));
    if (!other.isValid() || QStorageInfo(other.path()).device() == QStorageInfo(m_root.path()).device())
        GTEST_SKIP() << "no second file system to move to";

    const QString game = makeGame(m_root.path(), u("Far Quest"));
    ASSERT_TRUE(QFile::link(u("GAME.EXE"), game + u("/start")));
    const QDateTime stamp = QDateTime(QDate(1994, 5, 6), QTime(7, 8, 9));
    {
        QFile exe(game + u("/GAME.EXE"));
        ASSERT_TRUE(exe.open(QIODevice::ReadWrite));
        ASSERT_TRUE(exe.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    const QStringList before = describeTree(game);

    EXPECT_EQ(messageOf(m_ops.moveFolderInto(game, other.path())), QString());

    const QString moved = other.filePath(u("Far Quest"));
    EXPECT_FALSE(QFileInfo::exists(game));
    EXPECT_EQ(describeTree(moved), before);
    EXPECT_EQ(QFileInfo(moved + u("/GAME.EXE")).lastModified(), stamp);
}

TEST_F(QtFileOpsTest, CopiesAFileOnlyWhereNothingIsYet)
{
    const QString source = m_root.filePath(u("box front.png"));
    ASSERT_TRUE(writeFile(source, "new picture"));
    const QString fresh = m_root.filePath(u("Images/copy.png"));
    ASSERT_TRUE(QDir().mkpath(m_root.filePath(u("Images"))));

    EXPECT_EQ(messageOf(m_ops.copyFileNoOverwrite(source, fresh)), QString());
    EXPECT_EQ(readFile(fresh), QByteArray("new picture"));

    const QString existing = m_root.filePath(u("Images/old.png"));
    ASSERT_TRUE(writeFile(existing, "old picture"));
    EXPECT_FALSE(messageOf(m_ops.copyFileNoOverwrite(source, existing)).isEmpty());
    EXPECT_EQ(readFile(existing), QByteArray("old picture"));

    EXPECT_FALSE(messageOf(m_ops.copyFileNoOverwrite(m_root.filePath(u("missing.png")),
                                           m_root.filePath(u("Images/x.png"))))
                     .isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_root.filePath(u("Images/x.png"))));
}

// The trash is redirected into the test's own folder, so that the machine's trash stays clean.
TEST_F(QtFileOpsTest, DeletesIntoTheTrash)
{
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    const QString home = m_root.filePath(u("home"));
    ASSERT_TRUE(QDir().mkpath(home + u("/.local/share")));
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + u("/.local/share")));

    const QString game = makeGame(home, u("Old Quest"));
    const QString reason = messageOf(m_ops.moveToTrash(game));
    const QString missingReason = messageOf(m_ops.moveToTrash(home + u("/Never There")));

    qputenv("HOME", oldHome);
    if (oldData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldData);

    EXPECT_EQ(reason, QString());
    EXPECT_FALSE(QFileInfo::exists(game));
    EXPECT_TRUE(QFileInfo::exists(home + u("/.local/share/Trash/files/Old Quest/GAME.EXE")));
    EXPECT_FALSE(missingReason.isEmpty());
}

// A data folder that does not exist yet is made, rather than the trash landing in the
// working directory.
TEST_F(QtFileOpsTest, MakesTheHomeTrashWhereNoneWasYet)
{
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    const QString dataHome = m_root.filePath(u("fresh/share"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(m_root.path());

    const QString game = makeGame(m_root.path(), u("New Quest"));
    const QString reason = messageOf(m_ops.moveToTrash(game));

    QDir::setCurrent(workingFolder);
    if (oldData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldData);

    EXPECT_EQ(reason, QString());
    EXPECT_TRUE(QFileInfo::exists(dataHome + u("/Trash/files/New Quest/GAME.EXE")));
    EXPECT_FALSE(QFileInfo::exists(m_root.filePath(u("files"))));
}

} // namespace
