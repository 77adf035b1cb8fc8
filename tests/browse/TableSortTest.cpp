#include "browse/TableSort.h"
#include "library/GameTable.h"
#include "support/TableHelpers.h"

#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

#include <utility>

namespace {

// Code unit by code unit, the shorter text first when it begins the longer one, written out by
// hand so that the check does not lean on the comparison the sort itself uses.
bool ordinalLess(const QString &a, const QString &b)
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (a.at(i).unicode() != b.at(i).unicode())
            return a.at(i).unicode() < b.at(i).unicode();
    }
    return a.size() < b.size();
}

void swapRows(GameTable &grid, int a, int b)
{
    const std::vector<QString> first = grid.rowCells(a);
    const std::vector<QString> second = grid.rowCells(b);
    for (int c = 0; c < grid.columnCount(); ++c) {
        grid.setCell(c, a, second[static_cast<size_t>(c)]);
        grid.setCell(c, b, first[static_cast<size_t>(c)]);
    }
}

// The quicksort step by step, exchanging whole rows of the table.
void referenceQuickSort(GameTable &grid, int column, int left, int right)
{
    int i = 0;
    do {
        i = left;
        int j = right;
        const QString pivot = grid.cell(column, (left + right) / 2);
        do {
            while (ordinalLess(grid.cell(column, i), pivot))
                ++i;
            while (ordinalLess(pivot, grid.cell(column, j)))
                --j;
            if (i <= j) {
                if (i != j)
                    swapRows(grid, i, j);
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j)
            referenceQuickSort(grid, column, left, j);
        left = i;
    } while (i < right);
}

void referenceSort(GameTable &grid, int column)
{
    if (grid.rowCount() - 1 > 1)
        referenceQuickSort(grid, column, 1, grid.rowCount() - 1);
}

GameTable tableOfColumn(const QStringList &values)
{
    GameTable grid;
    grid.setSize(2, static_cast<int>(values.size()) + 1);
    grid.setCell(0, 0, QStringLiteral("Number"));
    grid.setCell(1, 0, QStringLiteral("Key"));
    for (int r = 1; r <= values.size(); ++r) {
        grid.setCell(0, r, QString::number(r));
        grid.setCell(1, r, values.at(r - 1));
    }
    return grid;
}

} // namespace

TEST(SortStringGrid, TiesEndInTheOrderOfTheReferenceQuicksortOnRandomTables)
{
    // Few distinct keys so that ties are everywhere: the order of equal keys is what the list
    // shows, and only the exact algorithm reproduces it. The number column tells rows apart.
    const QStringList pool{QString(),
                           QStringLiteral("a"),
                           QStringLiteral("A"),
                           QStringLiteral("ab"),
                           QStringLiteral("B"),
                           QStringLiteral("1990"),
                           QStringLiteral("199X"),
                           QStringLiteral("é"),
                           QString::fromUtf8("\U00010000"),
                           QString::fromUtf8("\uFFFF")};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        QRandomGenerator random(seed);
        const int rows = static_cast<int>(random.bounded(301));
        const int distinct = 1 + static_cast<int>(random.bounded(pool.size()));
        GameTable grid;
        grid.setSize(4, rows + 1);
        grid.setCell(0, 0, QStringLiteral("Number"));
        grid.setCell(1, 0, QStringLiteral("Name"));
        grid.setCell(2, 0, QStringLiteral("Year"));
        grid.setCell(3, 0, QStringLiteral("Platform"));
        for (int r = 1; r <= rows; ++r) {
            grid.setCell(0, r, QString::number(r));
            for (int c = 1; c < 4; ++c)
                grid.setCell(c, r, pool.at(static_cast<int>(random.bounded(distinct))));
        }
        const int column = 1 + static_cast<int>(random.bounded(3));
        GameTable expected = grid;
        referenceSort(expected, column);
        SortStringGrid(grid, column);
        ASSERT_TRUE(grid == expected) << "seed " << seed << ", " << rows << " rows, column " << column;
    }
}

TEST(SortStringGrid, OrdersByCodeUnitsWithTheHeaderRowInPlace)
{
    GameTable grid =
        tableOfColumn({QStringLiteral("2001"), QStringLiteral("199X"), QString(), QStringLiteral("1990"),
                       QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("ab"),
                       QString::fromUtf8("\uFFFF"), QString::fromUtf8("\U00010000")});
    SortStringGrid(grid, 1);
    EXPECT_EQ(grid.cell(1, 0), QStringLiteral("Key"));
    // Upper case before lower case; a surrogate pair (0xD800...) before 0xFFFF, as code units say.
    EXPECT_EQ(columnValues(grid, 1),
              (QStringList{QString(), QStringLiteral("1990"), QStringLiteral("199X"), QStringLiteral("2001"),
                           QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("ab"),
                           QString::fromUtf8("\U00010000"), QString::fromUtf8("\uFFFF")}));
}

TEST(SortStringGrid, HandlesEmptyAndSingleRowTablesAndMissingColumns)
{
    GameTable empty = tableOfColumn({});
    SortStringGrid(empty, 1);
    EXPECT_EQ(empty.rowCount(), 1);

    GameTable single = tableOfColumn({QStringLiteral("x")});
    SortStringGrid(single, 1);
    EXPECT_EQ(columnValues(single, 1), QStringList{QStringLiteral("x")});

    // A column beyond the table reads as empty texts everywhere: nothing to order, yet the
    // quicksort still exchanges equal rows, exactly as the reference does.
    GameTable beyond = tableOfColumn({QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")});
    GameTable expected = beyond;
    referenceSort(expected, 7);
    SortStringGrid(beyond, 7);
    EXPECT_TRUE(beyond == expected);
}

TEST(SortStringGrid, SortsLargeTablesOfEqualSortedAndReversedKeys)
{
    constexpr int rows = 100000;
    QStringList equal, ascending, descending;
    for (int r = 0; r < rows; ++r) {
        equal.append(QStringLiteral("same"));
        ascending.append(QStringLiteral("%1").arg(r, 6, 10, QLatin1Char('0')));
        descending.prepend(ascending.back());
    }
    for (const QStringList &values : {equal, ascending, descending}) {
        GameTable grid = tableOfColumn(values);
        SortStringGrid(grid, 1);
        QStringList sorted = values;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(columnValues(grid, 1), sorted);
    }
}
