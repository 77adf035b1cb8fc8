#include "base/IniFile.h"
#include "base/SettingsFile.h"
#include "library/FilePlaces.h"
#include "session/LibrarySession.h"
#include "session/PreferencesModel.h"
#include "session/LibraryModel.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/ListEntries.h"
#include "support/TestPlatform.h"
#include "ui/main/TfrmMain.h"
#include "ui/startup/PalloxRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every entry below a folder with what it holds: the bytes of a file, the target of a link.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        entries.insert(path, info.isSymLink() ? info.symLinkTarget().toUtf8()
                                              : info.isDir() ? QByteArray("folder") : readFile(path));
    }
    return entries;
}

// The paths whose entry differs between two snapshots.
QStringList changes(const QMap<QString, QByteArray> &before, const QMap<QString, QByteArray> &after)
{
    QStringList changed;
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (after.value(it.key()) != it.value() || !after.contains(it.key()))
            changed << it.key();
    }
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (!before.contains(it.key()))
            changed << it.key();
    }
    return changed;
}

// Copies the shipped data the way a package lays it out, links as links.
bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    if (!QDir().mkpath(to))
        return false;
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = to + path.mid(from.size());
        const bool copied = info.isSymLink() ? QFile::link(info.symLinkTarget(), target)
                            : info.isDir()   ? QDir().mkpath(target)
                                             : QFile::copy(path, target);
        if (!copied)
            return false;
    }
    return true;
}

// The program as a package installs it, in a prefix of its own, with a home of its own.
class InstalledRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir().mkpath(path("usr/games")));
        ASSERT_TRUE(copyTree(QStringLiteral(PALLOX_SAMPLE_DATA), path("usr/share/pallox")));
        installed = snapshot(path("usr"));
        environment.home = path("home");
        environment.configHome = path("home/config");
        environment.cacheHome = path("home/cache");
        fake.random.numbers = {0};
    }

    QString path(const char *relative) const { return dir.path() + QLatin1Char('/') + QString::fromUtf8(relative); }
    FilePlaces places() const { return FilePlaces::forProgramIn(path("usr/games"), environment); }

    std::unique_ptr<PalloxRun> start(const FilePlaces &places)
    {
        auto run = PalloxRun::start(places, platform);
        if (run)
            list = run->mainWindow().findChild<QListView *>(QStringLiteral("lbMain"));
        return run;
    }
    QStringList listed() const
    {
        return list ? ListEntries::texts(*list) : QStringList();
    }
    QStringList userCaches() const
    {
        return QDir(path("home/cache/pallox")).entryList(QDir::Files);
    }
    QString savedRoot() const
    {
        return IniFile(path("home/config/pallox/PALLOX.ini")).readString(QStringLiteral("Main"), QStringLiteral("VADPath"), {});
    }

    QTemporaryDir dir;
    QMap<QString, QByteArray> installed;
    FilePlaces::Environment environment;
    TestPlatform fake;
    Platform platform = fake.platform();
    QListView *list = nullptr;
};

TEST_F(InstalledRunTest, TheSampleLibraryIsListedAndEverythingWrittenIsInTheUsersFolders)
{
    auto run = start(places());
    ASSERT_NE(run, nullptr);
    EXPECT_TRUE(listed().contains(QStringLiteral("Beneath a Steel Sky"))) << listed().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(savedRoot(), path("usr/share/pallox/"));
    EXPECT_EQ(userCaches().size(), 1) << userCaches().join(QLatin1Char(' ')).toStdString();

    run->mainWindow().session().preferences().setConfirmClose(true);
    run->mainWindow().session().preferences().flush();
    run.reset();
    EXPECT_EQ(IniFile(path("home/config/pallox/PALLOX.ini")).readBool(QStringLiteral("Main"), QStringLiteral("ConfirmClose"), false),
              true);
    EXPECT_EQ(changes(installed, snapshot(path("usr"))), QStringList()) << "nothing below the prefix changes";
}

TEST_F(InstalledRunTest, TheCacheInTheUsersFolderIsReadBackAndReloadDataReplacesIt)
{
    start(places()).reset();
    ASSERT_EQ(userCaches().size(), 1);
    const QString cache = path("home/cache/pallox/") + userCaches().constFirst();
    ASSERT_TRUE(writeFile(cache, "2\r\n2\r\nNumber\r\nName\r\n1\r\nStale Game\r\n"));

    auto run = start(places());
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Stale Game")});

    ASSERT_TRUE(run->mainWindow().session().library().refreshAll(true));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !run->mainWindow().session().library().isScanRunning(); }, 20000));
    EXPECT_TRUE(listed().contains(QStringLiteral("Beneath a Steel Sky")));
    EXPECT_FALSE(readFile(cache).contains("Stale Game"));
    EXPECT_EQ(changes(installed, snapshot(path("usr"))), QStringList());
}

TEST_F(InstalledRunTest, AReadOnlyHomeStillShowsTheLibraryAndSaysOnceThatSettingsCannotBeKept)
{
    // A file where the folders should be: not even root makes folders below it.
    ASSERT_TRUE(writeFile(path("home/blocked")));
    environment.configHome = path("home/blocked/config");
    environment.cacheHome = path("home/blocked/cache");
    auto run = start(places());
    ASSERT_NE(run, nullptr);
    EXPECT_TRUE(listed().contains(QStringLiteral("Beneath a Steel Sky")));
    ASSERT_EQ(fake.dialogs.messages.size(), 1) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(fake.dialogs.messages.constFirst().startsWith(QStringLiteral("Settings cannot be kept: ")));

    // Changes hold for the run, silently, and go nowhere.
    LibrarySession &session = run->mainWindow().session();
    session.preferences().setConfirmClose(true);
    session.preferences().setShowDates(false);
    EXPECT_TRUE(session.preferences().flush());
    EXPECT_TRUE(session.settings().read(SettingsKeys::ConfirmClose));
    ASSERT_TRUE(session.library().refreshAll(true));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session.library().isScanRunning(); }, 20000));
    EXPECT_TRUE(listed().contains(QStringLiteral("Beneath a Steel Sky")));
    EXPECT_EQ(fake.dialogs.messages.size(), 1) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
    run.reset();
    EXPECT_EQ(changes(installed, snapshot(path("usr"))), QStringList()) << "the installed settings are no one's to write";
}

TEST_F(InstalledRunTest, ALibraryGivenForTheRunIsReadUntilTheUserBrowsesForAnother)
{
    LibraryBuilder other;
    ASSERT_TRUE(other.isValid());
    other.setSubfolders({QStringLiteral("Adventure")});
    other.addGame(QStringLiteral("Adventure"), QStringLiteral("Elsewhere"), QStringLiteral("Elsewhere Quest"));

    auto run = start(places().withLibraryRootForRun(other.root()));
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Elsewhere Quest")});
    EXPECT_EQ(savedRoot(), path("usr/share/pallox/")) << "the settings file keeps its own";
    EXPECT_TRUE(QFileInfo::exists(other.root() + QStringLiteral("DataCache.txt")));

    LibrarySession &session = run->mainWindow().session();
    ASSERT_TRUE(session.library().refreshAll(false));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session.library().isScanRunning(); }, 20000));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Elsewhere Quest")});

    session.preferences().setLibraryRoot(path("usr/share/pallox/"));
    ASSERT_TRUE(session.library().refreshAll(false));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session.library().isScanRunning(); }, 20000));
    EXPECT_TRUE(listed().contains(QStringLiteral("Beneath a Steel Sky")));
    EXPECT_EQ(changes(installed, snapshot(path("usr"))), QStringList());
}

} // namespace
