#include "browse/MainList.h"
#include "library/GridTextFile.h"
#include "session/LibrarySession.h"
#include "support/Clicks.h"
#include "support/LibraryBuilder.h"
#include "support/ListEntries.h"
#include "support/TableHelpers.h"
#include "support/TestPlatform.h"
#include "ui/main/TfrmMain.h"
#include "ui/startup/PalloxRun.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kGames = 100000;

QString largeGameName(int number)
{
    return QStringLiteral("Game %1").arg(number, 6, 10, QLatin1Char('0'));
}

// The program started on a library of 100,000 games, as a user with such a collection starts it:
// from the data cache. The cache is written here, grown from the one a scan of a single game
// made, rather than from 100,000 game folders.
class LargeLibraryRunTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Action")});
        lib.addGame(QStringLiteral("Action"), QStringLiteral("Seed"), QStringLiteral("Seed"),
                    {{QStringLiteral("Year"), QStringLiteral("1980")},
                     {QStringLiteral("Genre"), QStringLiteral("Action")}});
        lib.writeSettings();
        fake.random.numbers = {0};
        {
            LibrarySession scan(platform, lib.root());
            scan.startUp();
        }
        const QString cache = lib.root() + QStringLiteral("DataCache.txt");
        GameTable table;
        ASSERT_TRUE(loadStringGridInto(table, cache));
        ASSERT_EQ(table.rowCount(), 2);
        const int name = table.findColumn(QStringLiteral("Name"));
        const int year = table.findColumn(QStringLiteral("Year"));
        const int genre = table.findColumn(QStringLiteral("Genre"));
        const int iniFile = table.findColumn(QStringLiteral("IniFile"));
        ASSERT_TRUE(name > 0 && year > 0 && genre > 0 && iniFile > 0);
        const std::vector<QString> seed = table.rowCells(1);
        table.setRowCount(1);
        for (int row = 1; row <= kGames; ++row)
            table.appendRow(seed);
        // Game i is 1980 + i % 40 and a puzzle when i ends in 3; the rows lie in no order.
        for (int row = 1; row <= kGames; ++row) {
            const int number = static_cast<int>((static_cast<qint64>(row) * 7919) % kGames);
            table.setCell(name, row, largeGameName(number));
            table.setCell(year, row, QString::number(1980 + number % 40));
            table.setCell(genre, row, number % 10 == 3 ? QStringLiteral("Puzzle") : QStringLiteral("Action"));
            table.setCell(iniFile, row, table.cell(iniFile, row) + QString::number(number));
        }
        ASSERT_TRUE(SaveStringGrid(table, cache).has_value());
    }

    QString entryName(int row) const { return gameNameOfEntry(ListEntries::text(*list, row), true, false); }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    QListView *list = nullptr;
};

TEST_F(LargeLibraryRunTest, SortsFiltersAndSelectsAHundredThousandGames)
{
    auto run = PalloxRun::start(lib.root(), platform);
    ASSERT_NE(run, nullptr);
    const TfrmMain &window = run->mainWindow();
    list = window.findChild<QListView *>(QStringLiteral("lbMain"));
    auto *shownName = window.findChild<QLabel *>(QStringLiteral("lblName"));
    auto *total = window.findChild<QLabel *>(QStringLiteral("lblTotal"));
    ASSERT_TRUE(list && shownName && total);
    ASSERT_EQ(ListEntries::count(*list), kGames);
    EXPECT_EQ(total->text(), QStringLiteral("100000 Listed"));
    EXPECT_EQ(ListEntries::text(*list, 0), largeGameName(0));
    EXPECT_EQ(ListEntries::text(*list, kGames - 1), largeGameName(kGames - 1));
    EXPECT_EQ(shownName->text(), largeGameName(0));

    list->setFocus();
    ListEntries::setCurrentRow(*list, 54321);
    EXPECT_EQ(shownName->text(), largeGameName(54321));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(shownName->text(), largeGameName(54322));

    // A sort keeps the highlight on its place in the list, now on a game of 2001: the years come
    // in blocks of 2,500 games.
    window.findChild<QAction *>(QStringLiteral("mnuYear"))->trigger();
    ASSERT_EQ(ListEntries::count(*list), kGames);
    EXPECT_TRUE(ListEntries::text(*list, 0).startsWith(QStringLiteral("1980 -- ")));
    EXPECT_TRUE(ListEntries::text(*list, kGames - 1).startsWith(QStringLiteral("2019 -- ")));
    EXPECT_EQ(ListEntries::currentRow(*list), 54322);
    EXPECT_TRUE(ListEntries::currentText(*list).startsWith(QStringLiteral("2001 -- ")))
        << ListEntries::currentText(*list).toStdString();
    EXPECT_EQ(shownName->text(), entryName(54322));

    auto *genres = window.findChild<QMenu *>(QStringLiteral("mnuCatGenre"));
    ASSERT_NE(genres, nullptr);
    QAction *puzzle = openedMenuItem(*genres, QStringLiteral("Puzzle"));
    ASSERT_NE(puzzle, nullptr);
    puzzle->trigger();
    ASSERT_EQ(ListEntries::count(*list), kGames / 10);
    EXPECT_EQ(total->text(), QStringLiteral("10000 Listed"));
    // Puzzles are the games of 1983, 1993, 2003 and 2013, still in the order of years.
    EXPECT_TRUE(ListEntries::text(*list, 0).startsWith(QStringLiteral("1983 -- ")));
    EXPECT_TRUE(ListEntries::text(*list, 2499).startsWith(QStringLiteral("1983 -- ")));
    EXPECT_TRUE(ListEntries::text(*list, 2500).startsWith(QStringLiteral("1993 -- ")));
    EXPECT_TRUE(entryName(kGames / 10 - 1).endsWith(QLatin1Char('3')));

    // The highlighted place is gone from the shorter list: nothing is highlighted until a key
    // moves into the list again.
    EXPECT_EQ(ListEntries::currentRow(*list), -1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(ListEntries::currentRow(*list), 0);
    EXPECT_EQ(shownName->text(), entryName(0));
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(ListEntries::currentRow(*list), kGames / 10 - 1);
    EXPECT_TRUE(ListEntries::currentText(*list).startsWith(QStringLiteral("2013 -- ")))
        << ListEntries::currentText(*list).toStdString();
    EXPECT_EQ(shownName->text(), entryName(kGames / 10 - 1));
    EXPECT_TRUE(fake.dialogs.messages.isEmpty())
        << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
}

} // namespace
