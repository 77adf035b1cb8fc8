#pragma once

#include "browse/NameIndex.h"

#include <QString>
#include <QStringList>

class GameTable;

// The data side of the main list: the entry texts, the folding of one game on several platforms
// into one entry, the total, the way a selected entry leads back to its row, and the sort menu.

struct MainListOptions
{
    int mainSortColumn = 0;
    bool listShowsSortValue = false;
    bool listShowsRating = false;
    // The rating column of the previous build; kept when the table has no Rating column.
    int ratingColumn = 0;
};

struct MainListBuild
{
    QStringList entries;  // after folding, in table order
    int ratingColumn = 0; // becomes the window's RatingColumn
    QString totalText;    // for lblTotal
    NameIndex names;      // for the selection mapping until the next change of the table
};

// N; V -- N; R|N; R|V -- N. Nothing is escaped: the parts are placed as they are.
QString mainListEntry(const QString &name, const QString &rating, const QString &sortValue,
                      bool listShowsSortValue, bool listShowsRating);

// The game name inside an entry: after the first " -- " when the list shows sort values,
// otherwise after the first "|" when it shows ratings, otherwise the whole entry. An entry
// without the expected separator is taken whole.
QString gameNameOfEntry(const QString &entry, bool listShowsSortValue, bool listShowsRating);

// "<rows - 1> Listed": table rows, so folded games count once per platform.
QString listedTotalText(const GameTable &grid);

// The column into which one more platform of row is written, or -1 when there is none: the
// column after the last filled one among OtherPlatform1 to OtherPlatform9, none when
// OtherPlatform10 is filled.
int FindFirstOpenOtherPlatformColumn(const GameTable &grid, int row);

// Drops every entry that equals an earlier one without regard to letter case. When a dropped
// entry is a plain game name, the platform of the row at the entry's index is recorded as an
// other platform of the last row of that name. Writes other-platform cells of grid only.
// names must have been built from grid as it is now.
void RemoveDuplicates(QStringList &entries, GameTable &grid, const NameIndex &names);
void RemoveDuplicates(QStringList &entries, GameTable &grid);

// Entries of rows 1 to the last, folded, with the rating column, the total and the name index.
MainListBuild buildMainList(GameTable &grid, const MainListOptions &options);

// The orders of the list, one for each item of the "&Sort By" menu.
enum class MainSort {
    Name,
    Year,
    Platform,
    Folder,
    Developer,
    Publisher,
    Genre,
    SubGenre,
    Series,
    Rating,
    DateCreated,
    DateModified,
};
inline constexpr int MainSortCount = 12;

// The field the list is sorted by for that order.
QString mainSortField(MainSort sort);

// Sorts grid by every column named field, in column order, so the last such column decides the
// final order and becomes mainSortColumn. A field that no column bears sorts nothing and keeps
// mainSortColumn. The list shows sort values for every field but "Name".
void applyMainSortField(GameTable &grid, const QString &field, int &mainSortColumn, bool &listShowsSortValue);
