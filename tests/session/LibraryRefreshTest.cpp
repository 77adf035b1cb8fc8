#include "base/SettingsFile.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "support/LibraryBuilder.h"
#include "support/TableHelpers.h"
#include "support/TestPlatform.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Refresh All, Reload Data and Refresh This Game on a small library that changes on disk
// between the steps, as a user changes it with a text editor and a file manager.
class LibraryRefreshTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Action"), QStringLiteral("Puzzle")});
        addGame(QStringLiteral("Action"), QStringLiteral("Blaster"), QStringLiteral("Blaster"), "1991", "DOS");
        addGame(QStringLiteral("Action"), QStringLiteral("Comet"), QStringLiteral("Comet"), "1987", "Amiga", "Aurora");
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Aztec"), QStringLiteral("Aztec Tiles"), "1993", "DOS");
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Comet"), QStringLiteral("Comet"), "1989", "DOS");
        lib.writeSettings();
    }

    QString addGame(const QString &category, const QString &folder, const QString &name, const char *year,
                    const char *platform, const char *developer = "Zenith")
    {
        return lib.addGame(category, folder, name,
                           {{QStringLiteral("Year"), QString::fromLatin1(year)},
                            {QStringLiteral("Platform"), QString::fromLatin1(platform)},
                            {QStringLiteral("Developer"), QString::fromLatin1(developer)}});
    }

    std::unique_ptr<LibrarySession> start()
    {
        auto session = std::make_unique<LibrarySession>(platform, lib.root());
        QObject::connect(session.get(), &LibrarySession::message, [this](const QString &text) { messages << text; });
        QObject::connect(&session->library(), &LibraryModel::scanRunning,
                         [this](bool running) { runningSignals << running; });
        session->startUp();
        session->browse().select(-1);
        return session;
    }

    // Starts a refresh and lets the event loop run until its tables are in.
    static bool refreshAndWait(LibrarySession &session, bool deleteCache = false)
    {
        if (!session.library().refreshAll(deleteCache))
            return false;
        return QTest::qWaitFor([&] { return !session.library().isScanRunning(); }, 20000);
    }

    static QString cell(const LibrarySession &session, int row, const char *field)
    {
        const GameTable &table = session.library().table();
        return table.cell(table.column(QLatin1String(field)), row);
    }

    QString cacheFile() const { return lib.root() + QStringLiteral("DataCache.txt"); }
    GameTable cache() const
    {
        GameTable cached;
        EXPECT_TRUE(loadStringGridInto(cached, cacheFile()));
        return cached;
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    QStringList messages;
    QList<bool> runningSignals;
};

TEST_F(LibraryRefreshTest, RefreshAllReadsNewFoldersKeepsTheSortAndTheIndexAndDropsFilters)
{
    auto session = start(); // first start: a scan writes the cache
    session = start();      // the table now comes from the cache
    session->browse().setSortField(QStringLiteral("Year"));
    session->browse().select(1);
    session->browse().applyFieldFilter(QStringLiteral("Developer"), QStringLiteral("Zenith"));
    session->browse().select(1);
    ASSERT_EQ(session->browse().listEntries().size(), 3);

    addGame(QStringLiteral("Puzzle"), QStringLiteral("Zebra"), QStringLiteral("Zebra Run"), "1990", "DOS");
    // Refresh This Game reads one file again; a new folder waits for a full refresh.
    session->browse().refreshThisGame();
    EXPECT_FALSE(session->browse().listEntries().contains(QStringLiteral("1990 -- Zebra Run")));

    EXPECT_TRUE(refreshAndWait(*session));
    EXPECT_EQ(runningSignals, QList<bool>({true, false}));
    EXPECT_EQ(session->browse().listEntries(),
              QStringList({QStringLiteral("1987 -- Comet"), QStringLiteral("1989 -- Comet"),
                           QStringLiteral("1990 -- Zebra Run"), QStringLiteral("1991 -- Blaster"),
                           QStringLiteral("1993 -- Aztec Tiles")}))
        << "every game again, still sorted by Year with the year in front";
    EXPECT_TRUE(session->browse().listShowsSortValue());
    EXPECT_EQ(session->browse().selectedIndex(), 1);
    EXPECT_EQ(session->browse().selectedGameName(), QStringLiteral("Comet"));
    EXPECT_EQ(session->browse().totalText(), QStringLiteral("5 Listed"));
    EXPECT_FALSE(session->library().state().ScanPending);
    EXPECT_EQ(cache().rowCount(), 6) << "the cache holds the new scan";
    EXPECT_TRUE(session->library().state().GridComplete == cache());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LibraryRefreshTest, RefreshThisGameShowsTheEditedFileUntilShowAllAndAgainAfterRefreshAll)
{
    auto session = start();
    session->browse().select(1); // Blaster
    ASSERT_EQ(session->browse().details().name, QStringLiteral("Blaster"));
    const GameTable completeBefore = session->library().state().GridComplete;

    addGame(QStringLiteral("Action"), QStringLiteral("Blaster"), QStringLiteral("Blaster"), "1995", "DOS", "Nova");
    session->browse().refreshThisGame();
    const int row = session->browse().selectedRow();
    EXPECT_EQ(cell(*session, row, "Year"), QStringLiteral("1995"));
    EXPECT_EQ(cell(*session, row, "Developer"), QStringLiteral("Nova"));
    EXPECT_EQ(cell(*session, row, "Folder"), QStringLiteral("Action")) << "what the scan knows stays";
    EXPECT_EQ(session->browse().details().year, QStringLiteral("1995"));
    EXPECT_TRUE(session->library().state().GridComplete == completeBefore);
    EXPECT_TRUE(cache() == completeBefore);

    session->browse().restoreAll(); // Show All reads the cache: the old values are back
    session->browse().select(1);
    EXPECT_EQ(session->browse().details().year, QStringLiteral("1991"));

    EXPECT_TRUE(refreshAndWait(*session));
    session->browse().select(1);
    EXPECT_EQ(session->browse().details().year, QStringLiteral("1995"));
}

TEST_F(LibraryRefreshTest, RefreshThisGameReadsTheRecordOfThePlatformShownAndKeepsItsOtherPlatforms)
{
    auto session = start();
    session->browse().select(2); // Comet: rows on Amiga and DOS; the entry shows the later one
    const QString shown = session->browse().details().platform;
    const int shownRow = session->browse().selectedRow();
    const int otherRow = shownRow == 4 ? 3 : 4;
    const QString other = cell(*session, otherRow, "Platform");
    ASSERT_TRUE((shown == QStringLiteral("DOS") && other == QStringLiteral("Amiga")) ||
                (shown == QStringLiteral("Amiga") && other == QStringLiteral("DOS")));
    ASSERT_EQ(cell(*session, shownRow, "OtherPlatform1"), other);

    const auto edit = [&](const QString &platform, const char *year) {
        addGame(platform == QStringLiteral("Amiga") ? QStringLiteral("Action") : QStringLiteral("Puzzle"),
                QStringLiteral("Comet"), QStringLiteral("Comet"), year, platform.toLatin1().constData());
    };
    edit(other, "2001");
    edit(shown, "2002");
    // A switch to the other platform's record leaves the platform row, and the row read again,
    // with the entry's record.
    ASSERT_TRUE(session->browse().showPlatform(other));
    session->browse().refreshThisGame();
    EXPECT_NE(cell(*session, otherRow, "Year"), QStringLiteral("2001")) << "only the row of that platform is read";
    EXPECT_EQ(cell(*session, shownRow, "Year"), QStringLiteral("2002"));
    EXPECT_EQ(session->browse().selectedRow(), shownRow) << "the entry shows the last row of its name again";
    EXPECT_EQ(session->browse().details().year, QStringLiteral("2002"));
    EXPECT_EQ(cell(*session, shownRow, "OtherPlatform1"), other)
        << "the platform the list recorded is no ini value to lose";
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LibraryRefreshTest, RefreshThisGameFollowsARecordRenamedInItsFile)
{
    auto session = start();
    session->browse().select(2); // Comet, folded from its Amiga and DOS records
    const QString shown = session->browse().details().platform;
    const int shownRow = session->browse().selectedRow();
    const QString category =
        shown == QStringLiteral("Amiga") ? QStringLiteral("Action") : QStringLiteral("Puzzle");
    lib.addGame(category, QStringLiteral("Comet"), QStringLiteral("Comet Returns"),
                {{QStringLiteral("Platform"), shown}});
    session->browse().refreshThisGame();
    EXPECT_EQ(session->browse().listEntries(), QStringList({QStringLiteral("Aztec Tiles"), QStringLiteral("Blaster"),
                                                   QStringLiteral("Comet"), QStringLiteral("Comet Returns")}))
        << "the other platform keeps the old name's entry";
    EXPECT_EQ(session->browse().selectedIndex(), 3);
    EXPECT_EQ(session->browse().selectedRow(), shownRow);
    EXPECT_EQ(session->browse().details().name, QStringLiteral("Comet Returns"));
    EXPECT_TRUE(session->browse().details().otherPlatforms[0].isEmpty())
        << "the platforms of another name's records are not its own";
    session->browse().select(2);
    EXPECT_EQ(session->browse().details().name, QStringLiteral("Comet"));
    EXPECT_NE(session->browse().details().platform, shown);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LibraryRefreshTest, RefreshThisGameWithoutASelectionOrAFileSaysSoAndChangesNothing)
{
    auto session = start();
    session->browse().select(-1);
    const GameTable before = session->library().table();
    session->browse().refreshThisGame();
    EXPECT_EQ(messages, QStringList{QStringLiteral("List index out of bounds (-1)")});

    // A renamed game: its entry takes the new name and still finds the row.
    session->browse().select(1);
    const int blasterRow = session->browse().selectedRow();
    lib.addGame(QStringLiteral("Action"), QStringLiteral("Blaster"), QStringLiteral("Blaster Deluxe"),
                {{QStringLiteral("Platform"), QStringLiteral("DOS")}});
    session->browse().refreshThisGame();
    EXPECT_EQ(session->browse().selectedRow(), blasterRow);
    EXPECT_EQ(session->browse().listEntries().at(1), QStringLiteral("Blaster Deluxe"));
    EXPECT_EQ(session->browse().details().name, QStringLiteral("Blaster Deluxe"));

    // A deleted file leaves the row as it was instead of blanking it.
    session = start();
    session->browse().select(0); // Aztec Tiles
    messages.clear();
    const GameTable kept = session->library().table();
    ASSERT_TRUE(QFile::remove(lib.path(QStringLiteral("Games/Puzzle/Aztec/Pallox/IniFile/game.ini"))));
    session->browse().refreshThisGame();
    EXPECT_TRUE(session->library().table() == kept);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("game.ini"))) << messages.front().toStdString();
    EXPECT_EQ(session->browse().details().name, QStringLiteral("Aztec Tiles"));
}

TEST_F(LibraryRefreshTest, ReloadDataDeletesTheCacheAndReadsTheRootTheSettingsNameNow)
{
    auto session = start();
    const QString oldCache = cacheFile();

    // Another root with no games, written to the settings file since start-up.
    LibraryBuilder empty;
    ASSERT_TRUE(empty.isValid());
    ASSERT_TRUE(IniFile(session->settings().fileName()).writeString(QStringLiteral("Main"), QStringLiteral("VADPath"), empty.root()));

    EXPECT_TRUE(refreshAndWait(*session, true));
    EXPECT_FALSE(QFile::exists(oldCache)) << "the cache of the root in use is deleted first";
    EXPECT_EQ(messages, QStringList{QStringLiteral("No Data Found - Please check folders")});
    EXPECT_EQ(session->library().state().LibraryRoot, empty.root());
    EXPECT_TRUE(session->browse().listEntries().isEmpty());
    EXPECT_EQ(session->browse().totalText(), QStringLiteral("0 Listed"));
    GameTable written;
    ASSERT_TRUE(loadStringGridInto(written, empty.root() + QStringLiteral("DataCache.txt")));
    EXPECT_EQ(written.rowCount(), 1);
    EXPECT_EQ(written.fieldNames(), session->library().state().lbGridRead);
}

TEST_F(LibraryRefreshTest, ARefreshRunsOnceAndWaitsForOrYieldsToTheOtherCommands)
{
    auto session = start();
    for (int i = 0; i < 150; ++i)
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Extra%1").arg(i), QStringLiteral("Extra %1").arg(i),
                "1990", "DOS");

    ASSERT_TRUE(session->library().refreshAll(false));
    EXPECT_TRUE(session->library().isScanRunning());
    EXPECT_FALSE(session->library().refreshAll(false)) << "a second refresh does not start while one runs";
    // The table on show stays whole until the new one is in.
    EXPECT_EQ(session->library().table().rowCount(), 5);
    // A save of the entry helper reads the library again: it waits for the refresh first.
    session->scanAgain();
    EXPECT_FALSE(session->library().isScanRunning());
    EXPECT_EQ(session->library().table().rowCount(), 155);
    EXPECT_EQ(runningSignals, QList<bool>({true, false}));

    // Closing in the middle of a refresh stops the worker; the cache is the last whole one.
    const QByteArray cached = [&] {
        QFile file(cacheFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_TRUE(session->library().refreshAll(true));
    session.reset();
    QFile file(cacheFile());
    if (file.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(file.readAll(), cached) << "a finished scan writes what it read before";
    }
}

} // namespace
