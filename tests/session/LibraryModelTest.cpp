#include "base/SettingsFile.h"
#include "library/FilePlaces.h"
#include "session/BrowseModel.h"
#include "session/LibraryModel.h"
#include "support/BrowseRig.h"
#include "support/FourGames.h"
#include "support/LibraryBuilder.h"
#include "support/TableHelpers.h"
#include "support/TestPlatform.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class LibraryModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        addFourGames(lib);
    }

    // The library model alone, opened and read as start-up does, its signals in `log`.
    std::unique_ptr<LibraryModel> read(const FilePlaces &places)
    {
        settings = std::make_unique<SettingsFile>(places.settingsFile());
        LibraryState start;
        start.Places = places;
        auto model = std::make_unique<LibraryModel>(*settings, std::move(start));
        QObject::connect(model.get(), &LibraryModel::message, [this](const QString &text) { log << text; });
        QObject::connect(model.get(), &LibraryModel::scanFinished, [this] { log << QStringLiteral("finished"); });
        QObject::connect(model.get(), &LibraryModel::tablesReplaced, [this] { log << QStringLiteral("replaced"); });
        QObject::connect(model.get(), &LibraryModel::scanRunning,
                         [this](bool running) { log << QStringLiteral("running %1").arg(running); });
        model->open(lib.root());
        model->loadAtStartUp();
        log.clear();
        return model;
    }

    QString cacheFile() const { return lib.root() + QStringLiteral("DataCache.txt"); }

    LibraryBuilder lib;
    TestPlatform fake;
    std::unique_ptr<SettingsFile> settings;
    QStringList log;
};

// Under the browse model that lists what it read.
TEST_F(LibraryModelTest, StartsFromAScanThenFromTheCacheAndReplacesADamagedCache)
{
    auto rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
    EXPECT_EQ(rig->source, TableSource::Scan);
    EXPECT_EQ(rig->scans, 1);
    EXPECT_TRUE(QFile::exists(cacheFile()));
    // One entry per name: the two Comets fold into one.
    EXPECT_EQ(rig->browse->listEntries(),
              QStringList({QStringLiteral("Aztec Tiles"), QStringLiteral("Blaster"), QStringLiteral("Comet")}));
    EXPECT_EQ(rig->browse->totalText(), QStringLiteral("4 Listed"));

    lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Zebra"), QStringLiteral("Zebra Run"));
    rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
    EXPECT_EQ(rig->source, TableSource::Cache);
    EXPECT_EQ(rig->browse->listEntries().size(), 3) << "the cache stands for the library until a rescan";
    const LibraryState &library = rig->library->state();
    EXPECT_TRUE(library.ScanPending);
    GameTable cached;
    ASSERT_TRUE(loadStringGridInto(cached, cacheFile()));
    EXPECT_TRUE(library.GridComplete == cached);
    EXPECT_EQ(library.lbGridRead, library.GridMain.fieldNames());
    EXPECT_TRUE(rig->messages.isEmpty());

    lib.writeFile(QStringLiteral("DataCache.txt"), QByteArray("12\r\n"));
    rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
    EXPECT_EQ(rig->source, TableSource::ScanAfterDamagedCache);
    ASSERT_EQ(rig->messages.size(), 1);
    EXPECT_TRUE(rig->messages.front().contains(QStringLiteral("damaged"))) << rig->messages.front().toStdString();
    EXPECT_EQ(rig->browse->listEntries().size(), 4);
}

// The windows wait for scanRunning(false) and take the new list from tablesReplaced before it; a
// refresh asked for while one runs is refused without a word, one asked to follow comes after.
TEST_F(LibraryModelTest, RefreshAllSaysItRunsThenReplacesTheTablesThenSaysItEnded)
{
    auto library = read(FilePlaces(lib.root()));
    lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Zebra"), QStringLiteral("Zebra Run"));
    ASSERT_TRUE(library->refreshAll(false));
    EXPECT_TRUE(library->isScanRunning());
    EXPECT_FALSE(library->refreshAll(false));
    EXPECT_EQ(log, QStringList{QStringLiteral("running 1")});
    EXPECT_EQ(library->table().rowCount(), 5) << "the table on show stays whole until the new one is in";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !library->isScanRunning(); }, 20000));
    EXPECT_EQ(log, (QStringList{QStringLiteral("running 1"), QStringLiteral("finished"), QStringLiteral("replaced"),
                                QStringLiteral("running 0")}));
    EXPECT_EQ(library->table().rowCount(), 6);
    EXPECT_EQ(library->state().GridComplete.rowCount(), 6);

    log.clear();
    ASSERT_TRUE(library->refreshAll(false));
    lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Yak"), QStringLiteral("Yak Trails"));
    library->refreshAllWhenIdle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !library->isScanRunning(); }, 20000));
    EXPECT_EQ(log, (QStringList{QStringLiteral("running 1"), QStringLiteral("finished"), QStringLiteral("replaced"),
                                QStringLiteral("running 0"), QStringLiteral("running 1"), QStringLiteral("finished"),
                                QStringLiteral("replaced"), QStringLiteral("running 0")}));
    EXPECT_EQ(library->table().rowCount(), 7) << "the refresh that followed read the folder added meanwhile";
}

// A root given on the command line is read instead of the settings file's until the user
// chooses one; the settings file keeps its own meanwhile.
TEST_F(LibraryModelTest, TheRootForTheRunWinsOverTheSettingsFilesUntilTheUserChoosesOne)
{
    LibraryBuilder other;
    ASSERT_TRUE(other.isValid());
    other.setSubfolders({QStringLiteral("Action")});
    other.addGame(QStringLiteral("Action"), QStringLiteral("Elsewhere"), QStringLiteral("Elsewhere Quest"));
    auto library = read(FilePlaces(lib.root()).withLibraryRootForRun(other.root()));
    EXPECT_EQ(library->root(), other.root());
    EXPECT_EQ(library->table().rowCount(), 2);

    ASSERT_TRUE(library->refreshAll(false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !library->isScanRunning(); }, 20000));
    EXPECT_EQ(library->root(), other.root()) << "a refresh reads the run's root too";
    EXPECT_EQ(library->table().rowCount(), 2);
    EXPECT_EQ(settings->read(SettingsKeys::VADPath), lib.root());

    library->setRoot(lib.root());
    ASSERT_TRUE(library->refreshAll(false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !library->isScanRunning(); }, 20000));
    EXPECT_EQ(library->root(), lib.root());
    EXPECT_EQ(library->table().rowCount(), 5);
}

} // namespace
