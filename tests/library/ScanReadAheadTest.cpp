#include "base/SettingsFile.h"
#include "library/GameFolderReader.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"
#include "support/LibraryBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace {

// Reads like the file system, except that chosen game folders take longer, fail or cannot be
// dated, and it keeps account of what it was asked and when.
class SteeredReader : public GameFolderReader
{
public:
    std::map<QString, int> delayMs;
    QSet<QString> unreadable; // every file of these folders fails as a locked file does
    QSet<QString> undated;
    QSet<QString> deletedBeforeDating; // as Delete Folder may do while the library is read
    // Its look-up fails, but not with "no such file": a share that dropped for a moment says EIO
    // or ESTALE; here the folder becomes a link to itself, which says ELOOP.
    QSet<QString> unreachableBeforeDating;

    GameFolderFiles read(const GameFolderRequest &request) const override
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_started << request.name;
            m_maxUnderWay = std::max(m_maxUnderWay, ++m_underWay);
        }
        const auto delay = delayMs.find(request.name);
        if (delay != delayMs.end())
            std::this_thread::sleep_for(std::chrono::milliseconds(delay->second));
        GameFolderFiles files = GameFolderReader::read(request);
        if (unreadable.contains(request.name)) {
            for (IniFileContents &file : files.files) {
                file.record = false;
                file.bytes = Failure(Failure::Kind::GameFileUnreadable,
                                     files.iniFolder + QLatin1Char('/') + file.name, QStringLiteral("Permission denied"));
            }
        }
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_finished << request.name;
        --m_underWay;
        return files;
    }

    Result<FolderDates> dates(const GameFolderRequest &request) const override
    {
        if (undated.contains(request.name))
            return Failure(Failure::Kind::FolderInfo, request.path);
        if (deletedBeforeDating.contains(request.name) || unreachableBeforeDating.contains(request.name))
            QDir(request.path).removeRecursively();
        if (unreachableBeforeDating.contains(request.name))
            QFile::link(request.path, request.path);
        return GameFolderReader::dates(request);
    }

    QStringList started() const { return locked(m_started); }
    QStringList finished() const { return locked(m_finished); }
    int maxUnderWay() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_maxUnderWay;
    }
    int underWay() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_underWay;
    }

private:
    QStringList locked(const QStringList &list) const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return list;
    }

    mutable std::mutex m_mutex;
    mutable QStringList m_started;
    mutable QStringList m_finished;
    mutable int m_underWay = 0;
    mutable int m_maxUnderWay = 0;
};

class Recorder : public ScanObserver
{
public:
    void categoriesStarted(int count) override { events << QStringLiteral("categories %1").arg(count); }
    void categoryStarted(int index, int count, const QString &name) override
    {
        events << QStringLiteral("category %1/%2 %3").arg(index).arg(count).arg(name);
    }
    void gamesStarted(int count) override { events << QStringLiteral("games %1").arg(count); }
    void gameStarted(int index) override
    {
        events << QStringLiteral("game %1").arg(index);
        ++games;
    }
    void scanFinished() override { events << QStringLiteral("finished"); }
    void failed(const Failure &failure) override { events << QStringLiteral("message ") + failure.message(); }
    bool cancelled() const override { return cancelAfterGames >= 0 && games > cancelAfterGames; }

    QStringList events;
    int games = 0;
    int cancelAfterGames = -1;
};

struct Scanned
{
    bool completed = false;
    LibraryState state;
    Recorder observer;
    QByteArray cache;
};

class ScanReadAhead : public ::testing::Test
{
protected:
    // Game folders in walk order; `Gnn` sorts as it is numbered.
    QStringList m_walk;

    void SetUp() override
    {
        m_library.setSubfolders({QStringLiteral("Zeta"), QStringLiteral("Missing"), QStringLiteral("Alpha"),
                                 QStringLiteral("Empty")});
        m_library.addCategory(QStringLiteral("Empty"));
        for (int i = 0; i < 30; ++i) {
            const QString category = i < 18 ? QStringLiteral("Zeta") : QStringLiteral("Alpha");
            const QString game = QStringLiteral("G%1").arg(i, 2, 10, QLatin1Char('0'));
            m_walk << game;
            m_library.addGame(category, game, QStringLiteral("Game %1").arg(i),
                              {{QStringLiteral("Year"), QString::number(1980 + i)}});
            if (i % 7 == 3) // a second platform in the same folder
                m_library.addGame(category, game, QStringLiteral("Game %1").arg(i),
                                  {{QStringLiteral("Platform"), QStringLiteral("Amiga")}},
                                  QStringLiteral("amiga.ini"));
            if (i % 5 == 1) // a file that is no game
                m_library.addGameIni(category, game, QStringLiteral("b-noname.ini"),
                                     {{QStringLiteral("Year"), QStringLiteral("1999")}});
        }
        m_library.writeSettings();
    }

    Scanned scan(const ScanReading &reading, int cancelAfterGames = -1)
    {
        QFile::remove(m_library.path(QStringLiteral("DataCache.txt")));
        Scanned result;
        SettingsFile settings(m_library.settingsFile());
        result.state.lbDirList = settings.subfolders();
        result.observer.cancelAfterGames = cancelAfterGames;
        result.completed = ScanLibrary(result.state, settings.read(SettingsKeys::VADPath), settings.fields(),
                                       result.observer, reading);
        QFile cache(m_library.path(QStringLiteral("DataCache.txt")));
        if (cache.open(QIODevice::ReadOnly))
            result.cache = cache.readAll();
        return result;
    }

    LibraryBuilder m_library;
};

TEST_F(ScanReadAhead, ReadsFinishedInAnyOrderGiveTheTableCacheAndMessagesOfOneReadAtATime)
{
    SteeredReader serial;
    serial.unreadable = {QStringLiteral("G03"), QStringLiteral("G21")};
    serial.undated = {QStringLiteral("G02"), QStringLiteral("G19")};
    SteeredReader shuffled;
    shuffled.unreadable = serial.unreadable;
    shuffled.undated = serial.undated;
    // Early folders, and the first of the second category, come in last.
    for (int i : {0, 1, 2, 3, 18})
        shuffled.delayMs[m_walk[i]] = 60 - 2 * i;

    const Scanned one = scan({1, &serial});
    const Scanned many = scan({8, &shuffled});

    EXPECT_EQ(serial.finished().join(u' ').toStdString(), m_walk.join(u' ').toStdString());
    EXPECT_NE(shuffled.finished(), m_walk) << "the reads were meant to finish out of order";
    ASSERT_TRUE(one.completed);
    ASSERT_TRUE(many.completed);
    EXPECT_EQ(many.state.GridMain, one.state.GridMain);
    EXPECT_EQ(many.state.GridComplete, one.state.GridComplete);
    EXPECT_EQ(many.state.lbSubDirList, one.state.lbSubDirList);
    EXPECT_EQ(many.observer.events, one.observer.events);
    EXPECT_FALSE(one.cache.isEmpty());
    EXPECT_EQ(many.cache, one.cache);

    // What one read at a time gives is what the scan has always given.
    EXPECT_EQ(one.state.GridMain.rowCount(), 1 + 30 + 4 - 3); // 30 folders, 4 second platforms, 3 unreadable
    const QStringList messages = one.observer.events.filter(QStringLiteral("message "));
    ASSERT_EQ(messages.size(), 3) << messages.join(u'\n').toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("/Zeta/G02\""))) << messages[0].toStdString();
    EXPECT_TRUE(messages[1].contains(QStringLiteral("/Alpha/G19\""))) << messages[1].toStdString();
    const QStringList unreadable = messages[2].split(u'\n');
    ASSERT_EQ(unreadable.size(), 5) << messages[2].toStdString();
    EXPECT_TRUE(
        unreadable[1].endsWith(QStringLiteral("/Zeta/G03/Pallox/IniFile/amiga.ini\": Permission denied")));
    EXPECT_TRUE(
        unreadable[2].endsWith(QStringLiteral("/Zeta/G03/Pallox/IniFile/game.ini\": Permission denied")));
    EXPECT_TRUE(unreadable[3].endsWith(
        QStringLiteral("/Alpha/G21/Pallox/IniFile/b-noname.ini\": Permission denied")));
    EXPECT_TRUE(
        unreadable[4].endsWith(QStringLiteral("/Alpha/G21/Pallox/IniFile/game.ini\": Permission denied")));
}

TEST_F(ScanReadAhead, ReadsRunAheadOfTheWalkButNeverMoreAtOnceThanAsked)
{
    struct Case
    {
        int inFlight;
        int delayMs;
    };
    for (const Case c : {Case{1, 2}, Case{3, 10}, Case{5, 10}}) {
        SCOPED_TRACE(c.inFlight);
        SteeredReader reader;
        for (const QString &game : m_walk)
            reader.delayMs[game] = c.delayMs;
        const Scanned scanned = scan({c.inFlight, &reader});
        ASSERT_TRUE(scanned.completed);
        // Each folder once; reader threads may begin them in any order.
        QStringList started = reader.started();
        started.sort();
        EXPECT_EQ(started.join(u' ').toStdString(), m_walk.join(u' ').toStdString());
        EXPECT_LE(reader.maxUnderWay(), c.inFlight);
        if (c.inFlight > 1) {
            EXPECT_GE(reader.maxUnderWay(), 2);
        }
    }
}

TEST_F(ScanReadAhead, ACancelledScanStopsReadingAndWritesNoCache)
{
    SteeredReader reader;
    for (const QString &game : m_walk)
        reader.delayMs[game] = 5;
    const int inFlight = 4;
    const Scanned scanned = scan({inFlight, &reader}, 3);

    EXPECT_FALSE(scanned.completed);
    EXPECT_TRUE(scanned.cache.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_library.path(QStringLiteral("DataCache.txt"))));
    // Nothing is left reading once the scan has returned, and no more was read than the window
    // ahead of the folder it stopped at.
    EXPECT_EQ(reader.underWay(), 0);
    const qsizetype started = reader.started().size();
    EXPECT_LE(started, 4 + inFlight * ScanFoldersAheadPerRead);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(reader.started().size(), started);
}

TEST_F(ScanReadAhead, AFolderDeletedWhileTheLibraryIsReadLeavesNeitherARowNorAMessage)
{
    SteeredReader reader;
    reader.deletedBeforeDating = {QStringLiteral("G05")};
    const Scanned scanned = scan({8, &reader});
    ASSERT_TRUE(scanned.completed);
    EXPECT_EQ(scanned.state.GridMain.rowCount(), 1 + 30 + 4 - 1);
    const GameTable &table = scanned.state.GridMain;
    for (int row = 1; row < table.rowCount(); ++row)
        EXPECT_NE(table.cell(QStringLiteral("Name"), row), QStringLiteral("Game 5"));
    const QStringList messages = scanned.observer.events.filter(QStringLiteral("message "));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(ScanReadAhead, AFolderThatCannotBeLookedUpKeepsItsGamesWithEmptyDatesAndTheMessage)
{
    SteeredReader reader;
    reader.unreachableBeforeDating = {QStringLiteral("G05")};
    const Scanned scanned = scan({8, &reader});
    ASSERT_TRUE(scanned.completed);
    const GameTable &table = scanned.state.GridMain;
    ASSERT_EQ(table.rowCount(), 1 + 30 + 4);
    int kept = 0;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (table.cell(QStringLiteral("Name"), row) != QStringLiteral("Game 5"))
            continue;
        ++kept;
        EXPECT_EQ(table.cell(QStringLiteral("FolderDateCreated"), row), QString());
        EXPECT_EQ(table.cell(QStringLiteral("FolderDateModified"), row), QString());
    }
    EXPECT_EQ(kept, 1);
    const QStringList messages = scanned.observer.events.filter(QStringLiteral("message "));
    ASSERT_EQ(messages.size(), 1) << messages.join(u'\n').toStdString();
    EXPECT_TRUE(messages[0].endsWith(QStringLiteral("/Zeta/G05\""))) << messages[0].toStdString();
}

} // namespace
