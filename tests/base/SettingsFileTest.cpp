#include "base/SettingsFile.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace {

using namespace std::chrono_literals;


TEST(SettingsFile, MissingFileGivesTheDefaults)
{
    QTemporaryDir dir;
    const SettingsFile settings(dir.filePath(QStringLiteral("PALLOX.ini")));
    EXPECT_EQ(settings.read(SettingsKeys::Width), 800);
    EXPECT_EQ(settings.read(SettingsKeys::Height), 600);
    EXPECT_EQ(settings.read(SettingsKeys::BGColor), QStringLiteral("$00484800"));
    EXPECT_EQ(settings.read(SettingsKeys::DetailsTextColor), QStringLiteral("clSilver"));
    EXPECT_EQ(settings.read(SettingsKeys::NameFontName), QStringLiteral("Impact"));
    EXPECT_TRUE(settings.read(SettingsKeys::ShowDates));
    EXPECT_FALSE(settings.read(SettingsKeys::ConfirmClose));
    EXPECT_FALSE(settings.read(SettingsKeys::UseSingleConfFolder));
    EXPECT_TRUE(settings.read(SettingsKeys::VADPath).isEmpty());
    EXPECT_TRUE(settings.subfolders().isEmpty());
    EXPECT_FALSE(QFile::exists(settings.fileName())) << "reading never creates the file";
}

TEST(SettingsFile, WrittenValuesReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PALLOX.ini"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Main]\r\nWidth=1024\r\n[Subfolders]\r\nAction\r\nAdventure=\r\n[Fields]\r\nNumber=\r\nName=\r\n");
    }
    SettingsFile settings(path);
    int errors = 0;
    settings.setErrorHandler([&errors](const Failure &) { ++errors; });
    EXPECT_EQ(settings.read(SettingsKeys::Width), 1024);
    EXPECT_EQ(settings.subfolders(), (QStringList{QStringLiteral("Action"), QStringLiteral("Adventure")}));
    EXPECT_EQ(settings.fields(), (QStringList{QStringLiteral("Number"), QStringLiteral("Name")}));

    const QString root = QStringLiteral("/home/player/Games Library/");
    ASSERT_TRUE(settings.write(SettingsKeys::VADPath, root));
    ASSERT_TRUE(settings.write(SettingsKeys::Height, 480));
    ASSERT_TRUE(settings.write(SettingsKeys::ShowDates, false));
    ASSERT_TRUE(settings.write(SettingsKeys::DOSBoxExit, true));
    EXPECT_EQ(errors, 0);

    const SettingsFile reopened(path);
    EXPECT_EQ(reopened.read(SettingsKeys::VADPath), root);
    EXPECT_EQ(reopened.read(SettingsKeys::Height), 480);
    EXPECT_EQ(reopened.read(SettingsKeys::Width), 1024);
    EXPECT_FALSE(reopened.read(SettingsKeys::ShowDates));
    EXPECT_TRUE(reopened.read(SettingsKeys::DOSBoxExit));
    EXPECT_EQ(reopened.fields(), settings.fields()) << "other sections are left alone";
}

TEST(SettingsFile, RepeatedFailuresAreReportedOnce)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("gone"));
    SettingsFile settings(folder + QStringLiteral("/PALLOX.ini"));
    QStringList reported;
    settings.setErrorHandler([&reported](const Failure &failure) { reported.append(failure.message()); });

    EXPECT_FALSE(settings.write(SettingsKeys::Width, 900));
    EXPECT_FALSE(settings.write(SettingsKeys::Width, 910));
    EXPECT_FALSE(settings.write(SettingsKeys::Height, 700));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported.first().contains(QDir::toNativeSeparators(settings.fileName())));

    // Once a write gets through, the next failure is news again.
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(settings.write(SettingsKeys::Width, 920));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_FALSE(settings.write(SettingsKeys::Width, 930));
    EXPECT_EQ(reported.size(), 2);
    EXPECT_EQ(settings.read(SettingsKeys::Width), 800);
}

#if defined(Q_OS_UNIX)
// Every write replaces the file, so a new inode is a new file. The old file is held open while
// watching, so that its inode cannot be handed to the replacement.
quint64 inodeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

TEST(SettingsFile, IdleWritesOfABurstReplaceTheFileOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PALLOX.ini"));
    ASSERT_TRUE(writeFile(path, "[Main]\r\nWidth=1024\r\nLastSelectedGame=0\r\n"));
    // Far longer than the keys' pauses, even on a machine busy enough to stretch them.
    SettingsFile settings(path, 500ms);

    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const quint64 original = inodeOf(path);
    for (int index = 1; index <= 34; ++index) { // arrow keys held down
        settings.writeWhenIdle(SettingsKeys::LastSelectedGame, index);
        EXPECT_EQ(settings.read(SettingsKeys::LastSelectedGame), index);
        QTest::qWait(2);
    }
    EXPECT_EQ(inodeOf(path), original) << "nothing is written while the keys go on";

    ASSERT_TRUE(QTest::qWaitFor([&] { return inodeOf(path) != original; }, 5000));
    const quint64 replaced = inodeOf(path);
    EXPECT_NE(replaced, original);
    EXPECT_EQ(SettingsFile(path).read(SettingsKeys::LastSelectedGame), 34);

    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    QTest::qWait(150);
    EXPECT_EQ(inodeOf(path), replaced) << "one replacement, nothing left to write later";

    // Settling on the value the file holds already leaves the file alone.
    settings.writeWhenIdle(SettingsKeys::LastSelectedGame, 7);
    settings.writeWhenIdle(SettingsKeys::LastSelectedGame, 34);
    ASSERT_TRUE(settings.flush());
    EXPECT_EQ(inodeOf(path), replaced);
}
#endif

TEST(SettingsFile, PendingValuesAreSeenAndWrittenAtTheEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PALLOX.ini"));
    {
        SettingsFile settings(path);
        settings.writeWhenIdle(SettingsKeys::Width, 900);
        settings.writeWhenIdle(SettingsKeys::LastSelectedGame, 5);
        EXPECT_EQ(settings.read(SettingsKeys::Width), 900);
        EXPECT_FALSE(QFile::exists(path)) << "the default delay has not passed";
        // A direct write wins, and the pending value does not undo it later.
        ASSERT_TRUE(settings.write(SettingsKeys::LastSelectedGame, 9));
        EXPECT_EQ(settings.read(SettingsKeys::LastSelectedGame), 9);
        ASSERT_TRUE(settings.flush());
        EXPECT_EQ(SettingsFile(path).read(SettingsKeys::Width), 900);
        EXPECT_EQ(SettingsFile(path).read(SettingsKeys::LastSelectedGame), 9);
        settings.writeWhenIdle(SettingsKeys::Height, 720);
    }
    EXPECT_EQ(SettingsFile(path).read(SettingsKeys::Height), 720) << "closing writes what is pending";
}

TEST(SettingsFile, DeferredWritesGoThroughTheFileAsItIsThen)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PALLOX.ini"));
    ASSERT_TRUE(writeFile(path, "[Main]\r\nBGColor=$00484800\r\n"));
    SettingsFile settings(path, 20ms);
    int errors = 0;
    settings.setErrorHandler([&errors](const Failure &) { ++errors; });

    settings.writeWhenIdle(SettingsKeys::LastSelectedGame, 12);
    ASSERT_TRUE(writeFile(path, "[Main]\r\nBGColor=$000000FF\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return SettingsFile(path).read(SettingsKeys::LastSelectedGame) == 12; }, 5000));
    EXPECT_EQ(SettingsFile(path).read(SettingsKeys::BGColor), QStringLiteral("$000000FF"));
    EXPECT_EQ(SettingsFile(path).read(SettingsKeys::LastSelectedGame), 12);
    EXPECT_EQ(errors, 0);

    ASSERT_TRUE(dir.remove());
    settings.writeWhenIdle(SettingsKeys::LastSelectedGame, 13);
    EXPECT_TRUE(QTest::qWaitFor([&] { return errors > 0; }, 5000));
    EXPECT_EQ(errors, 1) << "a deferred write that fails is reported like any other";
}

} // namespace
