#include "library/FilePlaces.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A prefix in a temporary folder laid out as a package lays out /usr, and a home beside it.
class FilePlacesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(writeFile(path("usr/share/pallox/PALLOX.ini"), "[Subfolders]\r\nAction=\r\n"));
        ASSERT_TRUE(QDir().mkpath(path("usr/games")));
        environment.home = path("home");
        environment.configHome = path("config");
        environment.cacheHome = path("cache");
    }

    QString path(const char *relative) const { return dir.path() + QLatin1Char('/') + QString::fromUtf8(relative); }
    FilePlaces placesIn(const char *relative) const
    {
        return FilePlaces::forProgramIn(path(relative), environment);
    }

    // An installed program keeps its settings in the user's folder, a portable one beside itself.
    bool installed(const FilePlaces &places) const
    {
        return places.settingsFile() == path("config/pallox/PALLOX.ini");
    }

    QTemporaryDir dir;
    FilePlaces::Environment environment;
};

TEST_F(FilePlacesTest, AProgramBesideAnInstalledDataFolderIsInstalledAnythingElseIsPortable)
{
    const FilePlaces games = placesIn("usr/games");
    EXPECT_EQ(games.settingsFile(), path("config/pallox/PALLOX.ini"));
    EXPECT_EQ(games.defaultSettingsFile(), path("usr/share/pallox/PALLOX.ini"));
    EXPECT_EQ(games.skinsFolder(), path("usr/share/pallox/Skins"));
    EXPECT_EQ(games.defaultLibraryRoot(), path("usr/share/pallox/"));
    EXPECT_TRUE(installed(placesIn("usr/bin")));

    // The same prefix seen from a folder of another name, and a games folder without the data.
    ASSERT_TRUE(QDir().mkpath(path("usr/opt")));
    EXPECT_FALSE(installed(placesIn("usr/opt")));
    ASSERT_TRUE(QDir().mkpath(path("elsewhere/games")));
    const FilePlaces copy = placesIn("elsewhere/games");
    EXPECT_EQ(copy.settingsFile(), path("elsewhere/games/PALLOX.ini"));
    EXPECT_EQ(copy.skinsFolder(), path("elsewhere/games/Skins"));
    EXPECT_EQ(copy.defaultLibraryRoot(), path("elsewhere/games/"));

    // A settings file beside the program makes a portable copy of it, even in an installed place.
    ASSERT_TRUE(writeFile(path("usr/games/PALLOX.ini")));
    EXPECT_EQ(placesIn("usr/games").settingsFile(), path("usr/games/PALLOX.ini"));
}

TEST_F(FilePlacesTest, TheChoiceIsNoWriteTest)
{
    // Whoever may or may not write beside the program (root may write anywhere), the place
    // decides. A read-only prefix still gives an installed program; a writable one too.
    ASSERT_TRUE(QFile::setPermissions(path("usr/games"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_TRUE(installed(placesIn("usr/games")));
    ASSERT_TRUE(QFile::setPermissions(path("usr/games"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                             | QFileDevice::ExeOwner));
    EXPECT_TRUE(installed(placesIn("usr/games")));
}

TEST_F(FilePlacesTest, UnsetOrRelativeXdgFoldersFallBackToTheHome)
{
    for (const QString &unset : {QString(), QStringLiteral("relative/config")}) {
        environment.configHome = unset;
        environment.cacheHome = unset;
        const FilePlaces places = placesIn("usr/games");
        EXPECT_EQ(places.settingsFile(), path("home/.config/pallox/PALLOX.ini")) << unset.toStdString();
        const FilePlaces::DataCache cache = places.dataCache(places.defaultLibraryRoot());
        EXPECT_TRUE(cache.file.startsWith(path("home/.cache/pallox/"))) << cache.file.toStdString();
    }
}

TEST_F(FilePlacesTest, TheFirstStartCopiesTheInstalledDefaultAndLaterStartsKeepTheUsersFile)
{
    const FilePlaces places = placesIn("usr/games");
    ASSERT_TRUE(places.makeSettingsFile());
    EXPECT_EQ(readFile(places.settingsFile()), QByteArray("[Subfolders]\r\nAction=\r\n"));

    ASSERT_TRUE(writeFile(places.settingsFile(), "[Main]\r\nWidth=900\r\n"));
    ASSERT_TRUE(places.makeSettingsFile());
    EXPECT_EQ(readFile(places.settingsFile()), QByteArray("[Main]\r\nWidth=900\r\n"));

    // A portable copy's file is made by its first write, as it always was.
    const FilePlaces portable(path("elsewhere"));
    ASSERT_TRUE(portable.makeSettingsFile());
    EXPECT_FALSE(QFileInfo::exists(portable.settingsFile()));
}

TEST_F(FilePlacesTest, AHomeThatCannotBeWrittenSaysTheSettingsCannotBeKept)
{
    // A file where the folder should be: no one, root included, makes a folder below it.
    ASSERT_TRUE(writeFile(path("blocked")));
    environment.configHome = path("blocked/config");
    const Result<void> made = placesIn("usr/games").makeSettingsFile();
    ASSERT_FALSE(made);
    EXPECT_EQ(made.error().kind(), Failure::Kind::SettingsNotKept);
    EXPECT_EQ(made.error().path(), path("blocked/config/pallox"));
    EXPECT_FALSE(made.error().reason().isEmpty());
}

TEST_F(FilePlacesTest, TheCacheStaysAtAWritableRootAndGoesToTheUsersCacheOtherwise)
{
    const FilePlaces package = placesIn("usr/games");
    ASSERT_TRUE(QDir().mkpath(path("library")));
    const FilePlaces::DataCache atRoot = package.dataCache(path("library/"));
    EXPECT_EQ(atRoot.file, path("library/DataCache.txt"));
    EXPECT_FALSE(atRoot.inUserCache);
    // The look at the root leaves nothing behind.
    EXPECT_TRUE(QDir(path("library")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());

    // The installed data folder is never written, although this one could be.
    const FilePlaces::DataCache sample = package.dataCache(package.defaultLibraryRoot());
    EXPECT_TRUE(sample.inUserCache);
    EXPECT_TRUE(sample.file.startsWith(path("cache/pallox/"))) << sample.file.toStdString();
    EXPECT_TRUE(package.dataCache(path("usr/share/pallox/Games/")).inUserCache);

    // A root that is gone, or below a file, cannot be written by anyone.
    ASSERT_TRUE(writeFile(path("file")));
    for (const QString &root : {path("gone/"), path("file/below/")})
        EXPECT_TRUE(package.dataCache(root).inUserCache) << root.toStdString();
    if (::geteuid() != 0) {
        ASSERT_TRUE(QDir().mkpath(path("share")));
        ASSERT_TRUE(QFile::setPermissions(path("share"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        EXPECT_TRUE(package.dataCache(path("share/")).inUserCache);
    }

    // A portable copy has the same fallback; one made from a folder alone keeps the old place.
    EXPECT_TRUE(placesIn("usr/opt").dataCache(path("gone/")).inUserCache);
    EXPECT_EQ(FilePlaces(path("usr/opt")).dataCache(path("gone/")).file, path("gone/DataCache.txt"));
}

TEST_F(FilePlacesTest, EachRootHasACacheFileOfItsOwnNamedAfterIt)
{
    const FilePlaces places = placesIn("usr/games");
    const QString sample = places.dataCache(path("usr/share/pallox/")).file;
    EXPECT_EQ(places.dataCache(path("usr/share/pallox")).file, sample) << "the separator makes no other root";
    EXPECT_TRUE(QFileInfo(sample).fileName().contains(QStringLiteral("usr_share_pallox"))) << sample.toStdString();
    EXPECT_TRUE(sample.endsWith(QStringLiteral("-DataCache.txt"))) << sample.toStdString();

    // Roots that read alike once their separators and blanks are gone stay apart.
    EXPECT_NE(places.dataCache(path("gone/a b/")).file, places.dataCache(path("gone/a_b/")).file);
    EXPECT_NE(places.dataCache(path("gone/a/b/")).file, places.dataCache(path("gone/a_b/")).file);
}

TEST_F(FilePlacesTest, ARootForTheRunEndsWithASeparatorAndCanBeDropped)
{
    const FilePlaces places = placesIn("usr/games").withLibraryRootForRun(path("library"));
    EXPECT_EQ(places.libraryRootForRun(), path("library/"));
    EXPECT_EQ(places.settingsFile(), path("config/pallox/PALLOX.ini"));
    EXPECT_TRUE(places.withLibraryRootForRun(QString()).libraryRootForRun().isEmpty());
}

} // namespace
