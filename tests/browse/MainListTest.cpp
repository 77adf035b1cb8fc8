#include "browse/MainList.h"
#include "library/LibraryScanner.h"
#include "browse/NameIndex.h"
#include "browse/TableSort.h"
#include "library/GameTable.h"
#include "support/TableHelpers.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// The field list of a real library: the Fields keys of the shipped settings file (shortened to
// the ones that matter here), then the thirty columns every scan appends.
QStringList realFieldNames(bool fieldsListRating)
{
    QStringList names{QStringLiteral("Number"),    QStringLiteral("Name"),     QStringLiteral("Year"),
                      QStringLiteral("Developer"), QStringLiteral("Genre"),    QStringLiteral("Platform"),
                      QStringLiteral("Folder"),    QStringLiteral("Subfolder")};
    if (fieldsListRating)
        names.append(QStringLiteral("Rating"));
    return names + appendedColumns();
}

void addGame(GameTable &grid, const QString &name, const QString &platform, const QString &year = QString(),
             const QString &rating = QString())
{
    const int r = grid.rowCount();
    grid.setRowCount(r + 1);
    grid.setCell(0, r, QString::number(r));
    grid.setCell(grid.column(QStringLiteral("Name")), r, name);
    grid.setCell(grid.column(QStringLiteral("Platform")), r, platform);
    grid.setCell(grid.column(QStringLiteral("Year")), r, year);
    grid.setCell(grid.column(QStringLiteral("Rating")), r, rating);
}

QString otherPlatform(const GameTable &grid, int row, int n)
{
    return grid.cell(grid.column(QStringLiteral("OtherPlatform%1").arg(n)), row);
}

// Folding as first described: every entry compared with every earlier one, every row searched
// for each duplicate, the list shrunk one entry at a time.
int referenceOpenColumn(const GameTable &grid, int row)
{
    int columns[11] = {};
    for (int c = 1; c < grid.columnCount(); ++c) {
        for (int n = 1; n <= 10; ++n) {
            if (grid.cell(c, 0) == QStringLiteral("OtherPlatform%1").arg(n))
                columns[n] = c;
        }
    }
    int candidate = columns[1];
    for (int n = 1; n <= 9; ++n) {
        if (!grid.cell(columns[n], row).isEmpty())
            candidate = columns[n + 1];
    }
    return grid.cell(columns[10], row).isEmpty() ? candidate : -1;
}

void referenceRemoveDuplicates(QStringList &list, GameTable &grid)
{
    int nameColumn = 0, platformColumn = 0;
    for (int c = 1; c < grid.columnCount(); ++c) {
        if (grid.cell(c, 0) == QStringLiteral("Name"))
            nameColumn = c;
        if (grid.cell(c, 0) == QStringLiteral("Platform"))
            platformColumn = c;
    }
    for (int i = static_cast<int>(list.size()) - 1; i >= 0; --i) {
        const QString entry = list.at(i);
        int first = 0;
        while (QString::compare(list.at(first), entry, Qt::CaseInsensitive) != 0)
            ++first;
        if (first >= i)
            continue;
        int k = 0;
        for (int r = 0; r < grid.rowCount(); ++r) {
            if (grid.cell(nameColumn, r) == entry)
                k = r;
        }
        if (grid.cell(nameColumn, i) == entry && k != 0 &&
            grid.cell(platformColumn, i) != grid.cell(platformColumn, k)) {
            const int c = referenceOpenColumn(grid, k);
            if (c != -1)
                grid.setCell(c, k, grid.cell(platformColumn, i));
        }
        list.removeAt(i);
    }
}

MainListBuild buildSortedBy(GameTable &grid, const QString &field, bool showRating = false)
{
    MainListOptions options;
    applyMainSortField(grid, field, options.mainSortColumn, options.listShowsSortValue);
    options.listShowsRating = showRating;
    return buildMainList(grid, options);
}

// The highest row whose Name cell equals name exactly, 0 when none: what a NameIndex answers.
int referenceRowOfGame(const GameTable &grid, const QString &name)
{
    const int nameColumn = grid.column(QStringLiteral("Name"));
    for (int r = grid.rowCount() - 1; r > 0; --r) {
        if (grid.cell(nameColumn, r) == name)
            return r;
    }
    return 0;
}

} // namespace

TEST(MainListFolding, MatchesTheEntryByEntryFoldingOnRandomTables)
{
    // Names in several letter cases (including ones that fold beyond ASCII), names that read like
    // whole entries, repeated and empty platforms, other platforms already filled with gaps.
    const QStringList names{QStringLiteral("Doom"),
                            QStringLiteral("DOOM"),
                            QStringLiteral("doom"),
                            QStringLiteral("Zork"),
                            QStringLiteral("zORK"),
                            QString::fromUtf8("Éclair"),
                            QString::fromUtf8("éCLAIR"),
                            QString::fromUtf8("Σίσυφος"),
                            QString::fromUtf8("σίσυφος"),
                            QString::fromUtf8("ΣΊΣΥΦΟΣ"),
                            QString::fromUtf8("µSEC"),
                            QString::fromUtf8("μsec"),
                            QString::fromUtf8("\U00010400x"),
                            QString::fromUtf8("\U00010428X"),
                            QStringLiteral("1993 -- Doom"),
                            QStringLiteral("**|Doom"),
                            QStringLiteral("**|1993 -- Doom"),
                            QString()};
    const QStringList platforms{QStringLiteral("DOS"), QStringLiteral("SNES"), QStringLiteral("dos"),
                                QStringLiteral("Amiga"), QString()};
    const QStringList years{QString(), QStringLiteral("1993"), QStringLiteral("199X")};
    const QStringList ratings{QString(), QStringLiteral("*"), QStringLiteral("**")};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        QRandomGenerator random(seed);
        const auto pick = [&](const QStringList &from) {
            return from.at(static_cast<int>(random.bounded(from.size())));
        };
        GameTable grid = tableOf(realFieldNames(random.bounded(2) == 1));
        const int rows = static_cast<int>(random.bounded(301));
        const int nameVariety = 1 + static_cast<int>(random.bounded(names.size()));
        for (int r = 0; r < rows; ++r) {
            addGame(grid, names.at(static_cast<int>(random.bounded(nameVariety))), pick(platforms),
                    pick(years), pick(ratings));
            for (int n = 1; n <= 10; ++n) {
                if (random.bounded(8) == 0)
                    grid.setCell(grid.column(QStringLiteral("OtherPlatform%1").arg(n)), grid.rowCount() - 1,
                                 pick(platforms) + QStringLiteral("+"));
            }
        }
        MainListOptions options;
        options.listShowsRating = random.bounded(3) == 0;
        const QString field =
            pick({QStringLiteral("Name"), QStringLiteral("Year"), QStringLiteral("Platform"),
                  QStringLiteral("Rating"), QStringLiteral("Nothing")});
        if (random.bounded(4) != 0)
            applyMainSortField(grid, field, options.mainSortColumn, options.listShowsSortValue);

        GameTable expectedGrid = grid;
        QStringList expected;
        const int ratingColumn = grid.column(QStringLiteral("Rating"));
        for (int r = 1; r < grid.rowCount(); ++r) {
            QString entry = grid.cell(1, r);
            if (options.listShowsSortValue)
                entry = grid.cell(options.mainSortColumn, r) + QStringLiteral(" -- ") + entry;
            if (options.listShowsRating)
                entry = grid.cell(ratingColumn, r) + QStringLiteral("|") + entry;
            expected.append(entry);
        }
        referenceRemoveDuplicates(expected, expectedGrid);

        const MainListBuild build = buildMainList(grid, options);
        ASSERT_EQ(build.entries, expected) << "seed " << seed;
        ASSERT_TRUE(grid == expectedGrid) << "seed " << seed;
        EXPECT_EQ(build.ratingColumn, ratingColumn);
        for (const QString &name : names)
            ASSERT_EQ(build.names.rowOf(name), referenceRowOfGame(grid, name)) << "seed " << seed;
    }
}

TEST(MainListFolding, RecordsOtherPlatformsInTheLastRowOfAName)
{
    // Two equal keys trade places in the quicksort, so SNES entered first ends up as the later row.
    GameTable twoPlatforms = tableOf(realFieldNames(false));
    addGame(twoPlatforms, QStringLiteral("Doom"), QStringLiteral("SNES"));
    addGame(twoPlatforms, QStringLiteral("Doom"), QStringLiteral("DOS"));
    MainListBuild build = buildSortedBy(twoPlatforms, QStringLiteral("Name"));
    const int platform = twoPlatforms.column(QStringLiteral("Platform"));
    ASSERT_EQ(twoPlatforms.cell(platform, 1), QStringLiteral("DOS"));
    ASSERT_EQ(twoPlatforms.cell(platform, 2), QStringLiteral("SNES"));
    EXPECT_EQ(build.entries, QStringList{QStringLiteral("Doom")});
    EXPECT_EQ(build.names.rowOf(gameNameOfEntry(build.entries.at(0), false, false)), 2);
    EXPECT_EQ(otherPlatform(twoPlatforms, 2, 1), QStringLiteral("DOS"));
    EXPECT_EQ(otherPlatform(twoPlatforms, 1, 1), QString());
    EXPECT_EQ(build.totalText, QStringLiteral("2 Listed"));

    GameTable threeRows = tableOf(realFieldNames(false));
    addGame(threeRows, QStringLiteral("Doom"), QStringLiteral("DOS"));
    addGame(threeRows, QStringLiteral("Doom"), QStringLiteral("DOS"));
    addGame(threeRows, QStringLiteral("Doom"), QStringLiteral("SNES"));
    build = buildMainList(threeRows, {});
    EXPECT_EQ(build.entries, QStringList{QStringLiteral("Doom")});
    EXPECT_EQ(otherPlatform(threeRows, 3, 1), QStringLiteral("DOS"));
    EXPECT_EQ(otherPlatform(threeRows, 3, 2), QStringLiteral("DOS"));
    EXPECT_EQ(otherPlatform(threeRows, 3, 3), QString());

    // Ten filled other platforms take nothing more.
    GameTable full = tableOf(realFieldNames(false));
    addGame(full, QStringLiteral("Doom"), QStringLiteral("DOS"));
    addGame(full, QStringLiteral("Doom"), QStringLiteral("SNES"));
    for (int n = 1; n <= 10; ++n)
        full.setCell(full.column(QStringLiteral("OtherPlatform%1").arg(n)), 2, QStringLiteral("P%1").arg(n));
    const GameTable before = full;
    build = buildMainList(full, {});
    EXPECT_EQ(build.entries.size(), 1);
    EXPECT_TRUE(full == before);
}

TEST(MainListFolding, ShowsSortValuesAndRatingsAndFindsTheLastRowOfEachName)
{
    GameTable grid = tableOf(realFieldNames(false));
    addGame(grid, QStringLiteral("Doom"), QStringLiteral("DOS"), QStringLiteral("1994"),
            QStringLiteral("**"));
    addGame(grid, QStringLiteral("Doom"), QStringLiteral("SNES"), QStringLiteral("1993"),
            QStringLiteral("**"));
    MainListBuild build = buildSortedBy(grid, QStringLiteral("Year"));
    ASSERT_EQ(build.entries, (QStringList{QStringLiteral("1993 -- Doom"), QStringLiteral("1994 -- Doom")}));
    for (const QString &entry : build.entries)
        EXPECT_EQ(build.names.rowOf(gameNameOfEntry(entry, true, false)), 2);
    EXPECT_EQ(otherPlatform(grid, 2, 1), QString()); // no entry reads like a plain name

    build = buildSortedBy(grid, QStringLiteral("Name"), true);
    EXPECT_EQ(build.entries, QStringList{QStringLiteral("**|Doom")});
    EXPECT_EQ(gameNameOfEntry(build.entries.at(0), false, true), QStringLiteral("Doom"));

    GameTable years = tableOf(realFieldNames(false));
    for (const char *year : {"2001", "199X", "", "1990"})
        addGame(years, QStringLiteral("Game %1").arg(QLatin1String(year)), QStringLiteral("DOS"),
                QLatin1String(year));
    build = buildSortedBy(years, QStringLiteral("Year"));
    EXPECT_EQ(build.entries,
              (QStringList{QStringLiteral(" -- Game "), QStringLiteral("1990 -- Game 1990"),
                           QStringLiteral("199X -- Game 199X"), QStringLiteral("2001 -- Game 2001")}));

    GameTable empty = tableOf(realFieldNames(false));
    build = buildMainList(empty, {});
    EXPECT_TRUE(build.entries.isEmpty());
    EXPECT_EQ(build.totalText, QStringLiteral("0 Listed"));
}

TEST(MainListFolding, KeepsThePreviousRatingColumnAndNeverWritesOverTheNumber)
{
    // No Rating and no OtherPlatform columns at all: the rating column stays as it was, and the
    // platform of the folded row has nowhere to go (the number column is not a place for it).
    GameTable grid =
        tableOf({QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Platform")});
    for (const char *platform : {"DOS", "SNES"}) {
        grid.setRowCount(grid.rowCount() + 1);
        grid.setCell(1, grid.rowCount() - 1, QStringLiteral("Doom"));
        grid.setCell(2, grid.rowCount() - 1, QLatin1String(platform));
    }
    const GameTable before = grid;
    MainListOptions options;
    options.ratingColumn = 2;
    const MainListBuild build = buildMainList(grid, options);
    EXPECT_EQ(build.ratingColumn, 2);
    EXPECT_EQ(build.entries, QStringList{QStringLiteral("Doom")});
    EXPECT_TRUE(grid == before);
}

TEST(FindFirstOpenOtherPlatformColumn, TakesTheColumnAfterTheLastFilledOne)
{
    GameTable grid = tableOf(realFieldNames(true));
    addGame(grid, QStringLiteral("Doom"), QStringLiteral("DOS"));
    const auto column = [&](int n) { return grid.column(QStringLiteral("OtherPlatform%1").arg(n)); };
    const auto fill = [&](std::initializer_list<int> filled) {
        for (int n = 1; n <= 10; ++n)
            grid.setCell(column(n), 1, QString());
        for (int n : filled)
            grid.setCell(column(n), 1, QStringLiteral("X"));
    };
    const struct
    {
        std::initializer_list<int> filled;
        int open;
    } cases[] = {{{}, 1},   {{1, 2}, 3},  {{1, 3}, 4},
                 {{2}, 3},  {{9}, 10},    {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
                 {{10}, 0}, {{1, 10}, 0}, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0}};
    for (const auto &c : cases) {
        fill(c.filled);
        const int expected = c.open == 0 ? -1 : column(c.open);
        EXPECT_EQ(FindFirstOpenOtherPlatformColumn(grid, 1), expected) << "open " << c.open;
    }
}

TEST(MainListEntries, FormatsEntriesAndTakesTheNameBack)
{
    const QString name = QStringLiteral("AC|DC -- Live");
    EXPECT_EQ(mainListEntry(name, QStringLiteral("**"), QStringLiteral("1993"), false, false), name);
    EXPECT_EQ(mainListEntry(name, QStringLiteral("**"), QStringLiteral("1993"), true, false),
              QStringLiteral("1993 -- AC|DC -- Live"));
    EXPECT_EQ(mainListEntry(name, QStringLiteral("**"), QStringLiteral("1993"), false, true),
              QStringLiteral("**|AC|DC -- Live"));
    EXPECT_EQ(mainListEntry(name, QStringLiteral("**"), QStringLiteral("1993"), true, true),
              QStringLiteral("**|1993 -- AC|DC -- Live"));
    for (bool sortValue : {false, true}) {
        for (bool rating : {false, true}) {
            const QString entry =
                mainListEntry(name, QStringLiteral("**"), QStringLiteral("1993"), sortValue, rating);
            EXPECT_EQ(gameNameOfEntry(entry, sortValue, rating), name) << sortValue << rating;
        }
    }
    // Entries without the separator they should carry are names as they stand.
    EXPECT_EQ(gameNameOfEntry(QStringLiteral("Doom"), true, false), QStringLiteral("Doom"));
    EXPECT_EQ(gameNameOfEntry(QStringLiteral("Doom"), false, true), QStringLiteral("Doom"));
}

TEST(MainSortField, SortsByEveryColumnOfTheFieldAndRemembersTheLast)
{
    GameTable grid = tableOf(realFieldNames(true));
    const int firstRating = 8, lastRating = grid.column(QStringLiteral("Rating"));
    ASSERT_EQ(grid.cell(firstRating, 0), QStringLiteral("Rating"));
    for (int r = 1; r <= 40; ++r) {
        addGame(grid, QStringLiteral("G%1").arg(r % 7), QStringLiteral("DOS"));
        grid.setCell(firstRating, r, QString::number(r % 3));
        grid.setCell(lastRating, r, QString::number(r % 4));
    }
    GameTable expected = grid;
    SortStringGrid(expected, firstRating);
    SortStringGrid(expected, lastRating);

    int column = 0;
    bool showsSortValue = false;
    applyMainSortField(grid, mainSortField(MainSort::Rating), column, showsSortValue);
    EXPECT_TRUE(grid == expected);
    EXPECT_EQ(column, lastRating);
    EXPECT_TRUE(showsSortValue);

    applyMainSortField(grid, QStringLiteral("NoSuchField"), column, showsSortValue);
    EXPECT_EQ(column, lastRating);
    EXPECT_TRUE(grid == expected);
    applyMainSortField(grid, QStringLiteral("name"), column, showsSortValue);
    EXPECT_TRUE(showsSortValue);
    applyMainSortField(grid, mainSortField(MainSort::Name), column, showsSortValue);
    EXPECT_EQ(column, 1);
    EXPECT_FALSE(showsSortValue);
}
