#include "base/SettingsFile.h"
#include "browse/TableSort.h"
#include "library/DataCache.h"
#include "library/GridTextFile.h"
#include "library/LibraryPaths.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"
#include "support/LibraryBuilder.h"
#include "support/PipeGuard.h"
#include "support/TableHelpers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Keys = LibraryBuilder::Keys;

class RecordingObserver : public ScanObserver
{
public:
    void categoriesStarted(int count) override { events << QStringLiteral("categories %1").arg(count); }
    void categoryStarted(int index, int count, const QString &name) override
    {
        events << QStringLiteral("category %1/%2 %3").arg(index).arg(count).arg(name);
    }
    void gamesStarted(int count) override { events << QStringLiteral("games %1").arg(count); }
    void gameStarted(int index) override { events << QStringLiteral("game %1").arg(index); }
    void scanFinished() override { events << QStringLiteral("finished"); }
    void failed(const Failure &failure) override { messages << failure.message(); }

    QStringList events;
    QStringList messages;
};

class LibraryScan : public ::testing::Test
{
protected:
    void SetUp() override { m_library.setSubfolders({QStringLiteral("Adventure")}); }

    // Start-up fills the category list from the settings file; the scan does the rest.
    void scan()
    {
        m_library.writeSettings();
        SettingsFile settings(m_library.settingsFile());
        m_state.lbDirList = settings.subfolders();
        m_state.ScanPending = true;
        LoadGrid(m_state, settings, m_observer);
    }

    const GameTable &grid() const { return m_state.GridMain; }
    QString cell(const char *field, int row) const
    {
        return grid().cell(grid().column(QString::fromUtf8(field)), row);
    }
    QStringList column(const char *field) const
    {
        return columnValues(grid(), grid().column(QString::fromUtf8(field)));
    }

    LibraryBuilder m_library;
    LibraryState m_state;
    RecordingObserver m_observer;
};

TEST_F(LibraryScan, RowsFollowCategoryOrderThenFolderListingThenIniListing)
{
    m_library.setSubfolders({QStringLiteral("Zeta"), QStringLiteral("Alpha")});
    m_library.addGame(QStringLiteral("Zeta"), QStringLiteral("b"), QStringLiteral("Z-b"));
    m_library.addGame(QStringLiteral("Zeta"), QStringLiteral("A"), QStringLiteral("Z-A"));
    m_library.addGame(QStringLiteral("Zeta"), QStringLiteral("c"), QStringLiteral("Z-c"));
    m_library.addGame(QStringLiteral("Alpha"), QStringLiteral("x"), QStringLiteral("A-x-b"), {}, QStringLiteral("b.ini"));
    m_library.addGame(QStringLiteral("Alpha"), QStringLiteral("x"), QStringLiteral("A-x-A"), {}, QStringLiteral("A.INI"));
    m_library.addGame(QStringLiteral("Alpha"), QStringLiteral("x"), QStringLiteral("not a game"), {},
                      QStringLiteral("readme.txt"));
    m_library.addGame(QStringLiteral("Unlisted"), QStringLiteral("y"), QStringLiteral("never read"));
    scan();

    EXPECT_EQ(column("Name"), (QStringList{QStringLiteral("Z-A"), QStringLiteral("Z-b"), QStringLiteral("Z-c"),
                                            QStringLiteral("A-x-A"), QStringLiteral("A-x-b")}));
    EXPECT_EQ(column("Folder"), (QStringList{QStringLiteral("Zeta"), QStringLiteral("Zeta"), QStringLiteral("Zeta"),
                                              QStringLiteral("Alpha"), QStringLiteral("Alpha")}));
    EXPECT_EQ(column("IniFile"), (QStringList{QStringLiteral("game.ini"), QStringLiteral("game.ini"),
                                               QStringLiteral("game.ini"), QStringLiteral("A.INI"),
                                               QStringLiteral("b.ini")}));
    EXPECT_TRUE(m_observer.messages.isEmpty()) << m_observer.messages.join(u'\n').toStdString();
}

TEST_F(LibraryScan, RowZeroHoldsTheFieldsThenTheAppendedColumns)
{
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"));
    scan();
    const QStringList expected = LibraryBuilder::defaultFields() + appendedColumns();
    EXPECT_EQ(grid().fieldNames(), expected);
    EXPECT_EQ(m_state.lbGridRead, expected);
    EXPECT_EQ(appendedColumns().size(), 30);
    EXPECT_EQ(appendedColumns().front(), QStringLiteral("Rating"));
    EXPECT_EQ(appendedColumns().mid(7, 2),
              (QStringList{QStringLiteral("OtherPlatform1"), QStringLiteral("OtherPlatformFile1")}));
    EXPECT_EQ(appendedColumns().back(), QStringLiteral("IniFile"));
}

TEST_F(LibraryScan, PseudoColumnsOverwriteWhatTheFileSays)
{
    const QString folder = m_library.addGameFolder(QStringLiteral("Adventure"), QStringLiteral("Monkey"));
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"),
                      {{QStringLiteral("Folder"), QStringLiteral("Wrong")},
                       {QStringLiteral("Subfolder"), QStringLiteral("Wrong")},
                       {QStringLiteral("IniFile"), QStringLiteral("wrong.ini")},
                       {QStringLiteral("FolderDateCreated"), QStringLiteral("1900-01-01 00:00")},
                       {QStringLiteral("FolderDateModified"), QStringLiteral("1900-01-01 00:00")},
                       {QStringLiteral("Year"), QStringLiteral("1990")}});
    scan();
    ASSERT_EQ(grid().rowCount(), 2);
    EXPECT_EQ(cell("Folder", 1), QStringLiteral("Adventure"));
    EXPECT_EQ(cell("Subfolder", 1), QStringLiteral("Monkey"));
    EXPECT_EQ(cell("IniFile", 1), QStringLiteral("game.ini"));
    EXPECT_EQ(cell("Year", 1), QStringLiteral("1990"));
    const QRegularExpression date(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d$"));
    EXPECT_TRUE(date.match(cell("FolderDateCreated", 1)).hasMatch()) << cell("FolderDateCreated", 1).toStdString();
    EXPECT_EQ(cell("FolderDateModified", 1),
              QFileInfo(folder).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

#if defined(Q_OS_UNIX)
TEST_F(LibraryScan, GameIniFilesThatCannotBeReadAreNamedOnceForTheWholeScan)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads a file of any mode";
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Good"), QStringLiteral("Good Game"));
    QStringList locked;
    for (int i = 0; i < 12; ++i) {
        const QString folder = QStringLiteral("Locked%1").arg(i, 2, 10, QLatin1Char('0'));
        locked << m_library.addGame(QStringLiteral("Adventure"), folder, QStringLiteral("Locked Game"));
        ASSERT_EQ(::chmod(QFile::encodeName(locked.back()).constData(), 0), 0);
    }
    scan();

    EXPECT_EQ(column("Name"), QStringList{QStringLiteral("Good Game")});
    ASSERT_EQ(m_observer.messages.size(), 1) << m_observer.messages.join(u'\n').toStdString();
    const QStringList lines = m_observer.messages.front().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.front(), QStringLiteral("These game ini files could not be read, so their games are not listed:"));
    EXPECT_EQ(lines.at(1), QStringLiteral("\"%1\": Permission denied").arg(locked.front()));
    EXPECT_EQ(lines.back(), QStringLiteral("... and 2 more."));
    for (const QString &file : locked)
        ::chmod(QFile::encodeName(file).constData(), 0600);
}
#endif

TEST_F(LibraryScan, FilesAndFoldersThatAreNoGamesArePassedOver)
{
    m_library.setSubfolders({QStringLiteral("Adventure"), QStringLiteral("Missing")});
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Good"), QStringLiteral("Good Game"));
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("EmptyName"), QString());
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("BlankName"), QStringLiteral("   "));
    m_library.addGameIni(QStringLiteral("Adventure"), QStringLiteral("NoName"), QStringLiteral("game.ini"),
                         {{QStringLiteral("Year"), QStringLiteral("1990")}});
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral(".hidden"), QStringLiteral("Hidden Game"));
    m_library.addCategory(QStringLiteral("Adventure/NoMetadata"));
    const QString iniFolder = QStringLiteral("Games/Adventure/Odd/Pallox/IniFile/");
    m_library.writeFile(iniFolder + QStringLiteral("a-empty.ini"), QByteArray());
    m_library.writeFile(iniFolder + QStringLiteral("b-binary.ini"), QByteArray("[Main]\r\nName=Bin\0ary\r\n", 20));
    m_library.writeFile(iniFolder + QStringLiteral("c-huge.ini"),
                        "[Main]\r\nName=Huge\r\nNotes=" + QByteArray(10 * 1024 * 1024, 'x') + "\r\n");
    QDir().mkpath(m_library.path(iniFolder + QStringLiteral("d-folder.ini")));
#if defined(Q_OS_UNIX)
    // Opening a pipe for reading waits for a writer; the scan must not hang on one.
    ASSERT_EQ(::mkfifo(QFile::encodeName(m_library.path(iniFolder + QStringLiteral("e-pipe.ini"))).constData(), 0600), 0);
#endif
    scan();

    EXPECT_EQ(column("Name"), QStringList{QStringLiteral("Good Game")});
    EXPECT_TRUE(m_observer.messages.isEmpty()) << m_observer.messages.join(u'\n').toStdString();
    EXPECT_TRUE(QFileInfo::exists(m_library.path(QStringLiteral("DataCache.txt"))));
}

TEST_F(LibraryScan, EveryIniFileOfAFolderIsAGame)
{
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"),
                      {{QStringLiteral("Platform"), QStringLiteral("DOS")}}, QStringLiteral("dos.ini"));
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"),
                      {{QStringLiteral("Platform"), QStringLiteral("Amiga")}}, QStringLiteral("amiga.ini"));
    scan();
    EXPECT_EQ(column("Platform"), (QStringList{QStringLiteral("Amiga"), QStringLiteral("DOS")}));
    EXPECT_EQ(column("Subfolder"), (QStringList{QStringLiteral("Monkey"), QStringLiteral("Monkey")}));
}

TEST_F(LibraryScan, TheSameGameUnderTwoCategoriesDiffersOnlyInFolderAndDates)
{
    m_library.setSubfolders({QStringLiteral("Adventure"), QStringLiteral("Favourites")});
    const Keys facts{{QStringLiteral("Year"), QStringLiteral("1990")},
                     {QStringLiteral("Developer"), QStringLiteral("Lucasfilm")}};
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"), facts);
    m_library.addGame(QStringLiteral("Favourites"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"), facts);
    scan();
    ASSERT_EQ(grid().rowCount(), 3);
    const QStringList different{QStringLiteral("Folder"), QStringLiteral("FolderDateCreated"),
                                QStringLiteral("FolderDateModified")};
    for (int c = 0; c < grid().columnCount(); ++c) {
        if (!different.contains(grid().cell(c, 0))) {
            EXPECT_EQ(grid().cell(c, 1), grid().cell(c, 2)) << grid().cell(c, 0).toStdString();
        }
    }
    EXPECT_EQ(cell("Folder", 1), QStringLiteral("Adventure"));
    EXPECT_EQ(cell("Folder", 2), QStringLiteral("Favourites"));
}

TEST_F(LibraryScan, ColumnsThatShareANameShareTheirValue)
{
    m_library.setFields(LibraryBuilder::defaultFields() << QStringLiteral("Rating") << QStringLiteral("IniFile"));
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"),
                      {{QStringLiteral("Rating"), QStringLiteral("****")}});
    scan();
    std::vector<int> ratings;
    std::vector<int> iniFiles;
    for (int c = 0; c < grid().columnCount(); ++c) {
        if (grid().cell(c, 0) == QLatin1String("Rating"))
            ratings.push_back(c);
        if (grid().cell(c, 0) == QLatin1String("IniFile"))
            iniFiles.push_back(c);
    }
    ASSERT_EQ(ratings.size(), 2u);
    EXPECT_EQ(grid().column(QStringLiteral("Rating")), ratings.back());
    for (int c : ratings)
        EXPECT_EQ(grid().cell(c, 1), QStringLiteral("****"));
    ASSERT_EQ(iniFiles.size(), 2u);
    for (int c : iniFiles)
        EXPECT_EQ(grid().cell(c, 1), QStringLiteral("game.ini"));
}

TEST_F(LibraryScan, IniFilesWrittenByOtherProgramsAreRead)
{
    struct Case
    {
        const char *folder;
        QByteArray bytes;
        QString name;
        QString year;
    };
    const std::vector<Case> cases{
        {"a-lower-case-keys", "[main]\r\nname = Loom\r\nYEAR=1990\r\n", QStringLiteral("Loom"), QStringLiteral("1990")},
        {"b-blanks", "[Main]\r\n  Name\t=  Zak  \r\nYear =1988\r\n", QStringLiteral("Zak"), QStringLiteral("1988")},
        {"c-windows-1252", "[Main]\r\nName=Caf\xe9 \x96 Bar\r\nYear=1991\r\n", QStringLiteral("Caf\u00e9 \u2013 Bar"),
         QStringLiteral("1991")},
        {"d-bom", "\xef\xbb\xbf[Main]\r\nName=\xc3\x89t\xc3\xa9\r\nYear=1992\r\n", QStringLiteral("\u00c9t\u00e9"),
         QStringLiteral("1992")},
        {"e-lf", "[Main]\nName=Lf\nYear=1993\n", QStringLiteral("Lf"), QStringLiteral("1993")},
        {"f-cr", "[Main]\rName=Cr\rYear=1994", QStringLiteral("Cr"), QStringLiteral("1994")},
        {"g-other-sections", "[Extra]\r\nName=Wrong\r\n[Main]\r\nName=Right\r\nYear=1995\r\n",
         QStringLiteral("Right"), QStringLiteral("1995")},
    };
    for (const Case &c : cases) {
        m_library.writeFile(QStringLiteral("Games/Adventure/%1/Pallox/IniFile/game.ini").arg(QLatin1String(c.folder)),
                            c.bytes);
    }
    scan();
    ASSERT_EQ(grid().rowCount(), int(cases.size()) + 1);
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].folder);
        const int row = int(i) + 1;
        EXPECT_EQ(cell("Subfolder", row), QLatin1String(cases[i].folder));
        EXPECT_EQ(cell("Name", row), cases[i].name);
        EXPECT_EQ(cell("Year", row), cases[i].year);
    }
}

TEST_F(LibraryScan, FoldersNamedInAnotherLetterCaseAreFound)
{
    m_library.writeFile(QStringLiteral("games/ADVENTURE/Monkey/pallox/INIFILE/Game.Ini"),
                        LibraryBuilder::iniBytes({{QStringLiteral("Name"), QStringLiteral("Monkey Island")}}));
    scan();
    ASSERT_EQ(grid().rowCount(), 2);
    EXPECT_EQ(cell("Folder", 1), QStringLiteral("Adventure"));
    EXPECT_EQ(cell("Subfolder", 1), QStringLiteral("Monkey"));
    EXPECT_EQ(cell("IniFile", 1), QStringLiteral("Game.Ini"));
    EXPECT_FALSE(cell("FolderDateModified", 1).isEmpty());
}

TEST_F(LibraryScan, AnEmptyLibraryReportsNoDataAndWritesTheFieldNames)
{
    m_library.setSubfolders({});
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"));
    scan();
    EXPECT_EQ(m_observer.messages, QStringList{QStringLiteral("No Data Found - Please check folders")});
    EXPECT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(m_state.GridComplete, grid());

    GameTable cache;
    ASSERT_TRUE(loadStringGridInto(cache, m_library.path(QStringLiteral("DataCache.txt"))));
    EXPECT_EQ(cache.rowCount(), 1);
    EXPECT_EQ(cache.fieldNames(), LibraryBuilder::defaultFields() + appendedColumns());
}

TEST_F(LibraryScan, TheCacheHoldsTheTableAsScanned)
{
    m_library.setSubfolders({QStringLiteral("Adventure"), QStringLiteral("Action")});
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"),
                      {{QStringLiteral("Platform"), QStringLiteral("DOS")}, {QStringLiteral("Rating"), QStringLiteral("*")}});
    m_library.addGame(QStringLiteral("Action"), QStringLiteral("Doom"), QStringLiteral("Doom \u00e9"),
                      {{QStringLiteral("Platform"), QStringLiteral("DOS")}, {QStringLiteral("Series"), QStringLiteral("  ")}});
    scan();
    GameTable cache;
    ASSERT_TRUE(loadStringGridInto(cache, m_library.path(QStringLiteral("DataCache.txt"))));
    EXPECT_EQ(cache, grid());
    EXPECT_EQ(m_state.GridComplete, grid());
}

TEST_F(LibraryScan, TablesTakenFromTheWrittenCacheHoldTheScannedCellsAndStillMatchTheFile)
{
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"),
                      {{QStringLiteral("Platform"), QStringLiteral("DOS")}, {QStringLiteral("Rating"), QStringLiteral("*")}});
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Doom"), QStringLiteral("Doom \u00e9 \U0001F47E"),
                      {{QStringLiteral("Platform"), QStringLiteral("DOS")}, {QStringLiteral("Series"), QStringLiteral("  ")}});
    scan();
    const GameTable scanned = m_state.GridComplete;
    ASSERT_EQ(takeTablesFromWrittenCache(m_state), CacheReadBack::Taken);
    EXPECT_EQ(m_state.GridMain, scanned);
    EXPECT_EQ(m_state.GridComplete, scanned);
    // Show All then copies the complete table instead of reading the file again.
    EXPECT_EQ(m_state.GridMain.revision(), m_state.completeRevision);
    EXPECT_EQ(m_state.GridComplete.revision(), m_state.completeRevision);
    EXPECT_EQ(m_state.completeStamp, CacheStamp::of(m_library.path(QStringLiteral("DataCache.txt"))));
}

TEST_F(LibraryScan, TheScannedTablesStayWhenTheCacheWouldReadBackOtherwise)
{
#if defined(Q_OS_UNIX)
    // A folder name may hold a line break, which the cache writes as a blank.
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Two\nLines"), QStringLiteral("Monkey Island"));
    scan();
    ASSERT_EQ(cell("Subfolder", 1), QStringLiteral("Two\nLines"));
    const quint64 revision = m_state.completeRevision;
    EXPECT_EQ(takeTablesFromWrittenCache(m_state), CacheReadBack::Kept);
    EXPECT_EQ(cell("Subfolder", 1), QStringLiteral("Two\nLines"));
    EXPECT_EQ(m_state.completeRevision, revision);
#endif

    // Nor is a cache taken that another program replaced after the scan wrote it.
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Loom"), QStringLiteral("Loom"));
    scan();
    const GameTable scanned = m_state.GridComplete;
    GameTable other = scanned;
    other.setCell(other.column(QStringLiteral("Name")), 1, QStringLiteral("Someone else's"));
    ASSERT_TRUE(SaveStringGrid(other, m_library.path(QStringLiteral("DataCache.txt"))));
    EXPECT_EQ(takeTablesFromWrittenCache(m_state), CacheReadBack::Kept);
    EXPECT_EQ(m_state.GridMain, scanned);
    EXPECT_EQ(m_state.GridComplete, scanned);
}

TEST_F(LibraryScan, ARootWithoutTrailingSeparatorGetsOne)
{
    QString root = m_library.root();
    root.chop(1);
    m_library.setMainKey(QStringLiteral("VADPath"), root);
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"));
    scan();
    EXPECT_EQ(m_state.LibraryRoot, m_library.root());
    EXPECT_EQ(grid().rowCount(), 2);
    EXPECT_TRUE(QFileInfo::exists(m_library.path(QStringLiteral("DataCache.txt"))));
}

TEST_F(LibraryScan, ACacheThatCannotBeWrittenIsReportedAndTheScanStillCompletes)
{
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"));
    QDir().mkpath(m_library.path(QStringLiteral("DataCache.txt")));
    scan();
    ASSERT_EQ(m_observer.messages.size(), 1);
    EXPECT_TRUE(m_observer.messages.front().contains(QStringLiteral("DataCache.txt")));
    EXPECT_EQ(grid().rowCount(), 2);
    EXPECT_FALSE(m_state.ScanPending);
}

TEST_F(LibraryScan, ACacheLoadedAfterAnEmptyScanSortsBelowItsFieldNames)
{
    scan();
    ASSERT_EQ(grid().rowCount(), 1);

    // Browsing to another library and showing all brings its cache into the emptied table.
    GameTable other;
    other.setSize(2, 4);
    const QStringList names{QStringLiteral("Name"), QStringLiteral("Zork"), QStringLiteral("Another World"),
                            QStringLiteral("Loom")};
    for (int r = 0; r < 4; ++r) {
        other.setCell(0, r, r == 0 ? QStringLiteral("Number") : QString::number(r));
        other.setCell(1, r, names[r]);
    }
    LibraryBuilder elsewhere;
    const QString cacheFile = elsewhere.path(QStringLiteral("DataCache.txt"));
    ASSERT_TRUE(SaveStringGrid(other, cacheFile).has_value());
    ASSERT_TRUE(loadStringGridInto(m_state.GridMain, cacheFile));

    SortStringGrid(m_state.GridMain, grid().column(QStringLiteral("Name")));
    EXPECT_EQ(grid().fieldNames(), (QStringList{QStringLiteral("Number"), QStringLiteral("Name")}));
    EXPECT_EQ(column("Name"),
              (QStringList{QStringLiteral("Another World"), QStringLiteral("Loom"), QStringLiteral("Zork")}));
}

#if defined(Q_OS_UNIX)
TEST_F(LibraryScan, ADataCacheThatIsAPipeIsReportedAndTheLibraryScannedInstead)
{
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"));
    m_library.writeSettings();
    const QString cacheFile = m_library.path(QStringLiteral("DataCache.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(cacheFile).constData(), 0600), 0);

    TableSource source = TableSource::Cache;
    const bool returned = returnsWithoutAWriter(cacheFile, [&] {
        SettingsFile settings(m_library.settingsFile());
        m_state.LibraryRoot = m_library.root();
        m_state.lbDirList = settings.subfolders();
        source = loadGameTableAtStartup(m_state, settings, m_observer);
    });
    ASSERT_TRUE(returned) << "reading the data cache waited for a writer";
    EXPECT_EQ(source, TableSource::ScanAfterDamagedCache);
    ASSERT_FALSE(m_observer.messages.isEmpty());
    EXPECT_TRUE(m_observer.messages.front().contains(cacheFile)) << m_observer.messages.front().toStdString();
    EXPECT_EQ(column("Name"), QStringList{QStringLiteral("Monkey Island")});
    // The rewritten cache takes the pipe's place, so the next start reads it again.
    EXPECT_TRUE(LibraryPaths::isRegularFile(cacheFile));
}
#endif

TEST_F(LibraryScan, ProgressIsReportedPerCategoryAndGame)
{
    m_library.setSubfolders({QStringLiteral("Adventure"), QStringLiteral("Action")});
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"));
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Loom"), QStringLiteral("Loom"));
    scan();
    EXPECT_EQ(m_observer.events,
              (QStringList{QStringLiteral("categories 2"), QStringLiteral("category 0/2 Adventure"),
                           QStringLiteral("games 2"), QStringLiteral("game 0"), QStringLiteral("game 1"),
                           QStringLiteral("category 1/2 Action"), QStringLiteral("games 0"),
                           QStringLiteral("finished")}));
    EXPECT_FALSE(m_state.ScanPending);
    EXPECT_FALSE(m_state.StartupLoading);

    // A later scan that is neither start-up nor a reload shows no gauges.
    m_observer.events.clear();
    scan();
    EXPECT_FALSE(m_observer.events.contains(QStringLiteral("categories 2")));
    EXPECT_TRUE(m_observer.events.contains(QStringLiteral("category 0/2 Adventure")));
}

TEST_F(LibraryScan, RestoreCopiesTheCompleteTableAndWritesNothing)
{
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("Monkey Island"));
    m_library.addGame(QStringLiteral("Adventure"), QStringLiteral("Loom"), QStringLiteral("Loom"));
    scan();
    const GameTable complete = m_state.GridComplete;
    ASSERT_TRUE(QFile::remove(m_library.path(QStringLiteral("DataCache.txt"))));

    m_state.GridMain.keepRows([](int) { return false; });
    SettingsFile settings(m_library.settingsFile());
    LoadGrid(m_state, settings, m_observer);

    EXPECT_EQ(m_state.GridMain, complete);
    EXPECT_EQ(m_state.GridComplete, complete);
    EXPECT_FALSE(QFileInfo::exists(m_library.path(QStringLiteral("DataCache.txt"))));
}

TEST(LibraryFolders, SubDirectoriesAreVisibleFoldersInListingOrder)
{
    LibraryBuilder library;
    for (const char *name : {"beta", "Alpha", "alpha", ".hidden", "Gamma"})
        library.addCategory(QLatin1String(name));
    library.writeFile(QStringLiteral("Games/file.txt"), "x");

    QStringList list{QStringLiteral("kept")};
    GetSubDirectories(library.path(QStringLiteral("Games")), list);
    EXPECT_EQ(list, (QStringList{QStringLiteral("kept"), QStringLiteral("Alpha"), QStringLiteral("alpha"),
                                 QStringLiteral("beta"), QStringLiteral("Gamma")}));

    GetSubDirectories(library.path(QStringLiteral("Nowhere")), list);
    EXPECT_EQ(list.size(), 5);
}

TEST(LibraryFolders, DatesOfAFolder)
{
    LibraryBuilder library;
    const QString folder = library.addCategory(QStringLiteral("Adventure"));
    const Result<FolderDates> read = DirectoryDateTimeInfo(folder);
    ASSERT_TRUE(read);
    const FolderDates &dates = *read;
    EXPECT_EQ(dates.modified, QFileInfo(folder).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    QDateTime created = QDateTime::fromString(dates.created, QStringLiteral("yyyy-MM-dd HH:mm"));
    ASSERT_TRUE(created.isValid());
    created.setTimeSpec(Qt::UTC);
    // Just made, so its birth, read as universal time, is within minutes of now.
    EXPECT_LT(qAbs(created.secsTo(QDateTime::currentDateTimeUtc())), 300);

    const Result<FolderDates> missing = DirectoryDateTimeInfo(library.path(QStringLiteral("Nowhere")));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().path(), library.path(QStringLiteral("Nowhere")));
    EXPECT_EQ(Failure(Failure::Kind::FolderInfo, QStringLiteral("/lib/Games/x")).message(),
              QStringLiteral("Could not obtain info for \"/lib/Games/x\""));
}

} // namespace
