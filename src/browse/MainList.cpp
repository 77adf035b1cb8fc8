#include "browse/MainList.h"

#include "base/CaseFold.h"
#include "browse/TableSort.h"
#include "library/GameTable.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

const QString &sortValueSeparator()
{
    static const QString separator = QStringLiteral(" -- ");
    return separator;
}

// The last column among 1 to the last with that name, 0 when there is none: column 0 holds the
// number and never counts.
int lastColumnAfterFirst(const GameTable &grid, const QString &fieldName)
{
    const int c = grid.findColumn(fieldName);
    return c > 0 ? c : 0;
}

using OtherPlatformColumns = std::array<int, 11>; // [1] .. [10]; [0] unused

OtherPlatformColumns otherPlatformColumns(const GameTable &grid)
{
    OtherPlatformColumns columns{};
    for (int n = 1; n <= 10; ++n)
        columns[static_cast<size_t>(n)] =
            lastColumnAfterFirst(grid, QStringLiteral("OtherPlatform") + QString::number(n));
    return columns;
}

int firstOpenColumn(const GameTable &grid, const OtherPlatformColumns &columns, int row)
{
    const auto filled = [&](int n) { return !grid.cell(columns[static_cast<size_t>(n)], row).isEmpty(); };
    int candidate = columns[1];
    for (int n = 1; n <= 9; ++n) {
        if (filled(n))
            candidate = columns[static_cast<size_t>(n + 1)];
    }
    if (filled(10))
        return -1;
    // A table without some OtherPlatform column has no place for it; column 0 holds the game's
    // number and must not be overwritten with a platform.
    return candidate > 0 ? candidate : -1;
}

// For each entry, whether an earlier entry reads the same regardless of case. An open-addressed
// table of entry indices, twice the size of the list; the case-folded texts are never built, so
// a list of many thousand entries costs no allocation per entry. Each slot keeps the upper half
// of its entry's hash beside the index: another entry in the slot is compared only when that half
// agrees, so a probe rarely reaches into a text other than the one at hand.
std::vector<bool> laterOccurrences(const QStringList &entries)
{
    struct Slot
    {
        quint32 entry; // index + 1; 0 for an empty slot
        quint32 hashHigh;
    };
    const size_t count = static_cast<size_t>(entries.size());
    size_t capacity = 16;
    while (capacity < 2 * count)
        capacity *= 2;
    std::vector<Slot> table(capacity, Slot{0, 0});
    std::vector<bool> duplicate(count, false);
    const QString *texts = entries.constData();
    for (size_t i = 0; i < count; ++i) {
        const QString &text = texts[i];
        const size_t hash = CaseFold::hash(text);
        const auto high = static_cast<quint32>(static_cast<quint64>(hash) >> 32);
        for (size_t slot = hash & (capacity - 1);; slot = (slot + 1) & (capacity - 1)) {
            Slot &held = table[slot];
            if (held.entry == 0) {
                held = Slot{static_cast<quint32>(i + 1), high};
                break;
            }
            if (held.hashHigh == high && CaseFold::equal(texts[held.entry - 1], text)) {
                duplicate[i] = true;
                break;
            }
        }
    }
    return duplicate;
}

} // namespace

QString mainListEntry(const QString &name, const QString &rating, const QString &sortValue,
                      bool listShowsSortValue, bool listShowsRating)
{
    // The plain name shares its text with the table.
    if (!listShowsSortValue && !listShowsRating)
        return name;
    // A list of a hundred thousand entries is built at every sort and filter: one allocation each.
    const QString &separator = sortValueSeparator();
    const qsizetype size = (listShowsRating ? rating.size() + 1 : 0) +
                           (listShowsSortValue ? sortValue.size() + separator.size() : 0) + name.size();
    QString entry(size, Qt::Uninitialized);
    QChar *out = entry.data();
    const auto put = [&out](const QString &part) {
        std::copy(part.constData(), part.constData() + part.size(), out);
        out += part.size();
    };
    if (listShowsRating) {
        put(rating);
        *out++ = QLatin1Char('|');
    }
    if (listShowsSortValue) {
        put(sortValue);
        put(separator);
    }
    put(name);
    return entry;
}

QString gameNameOfEntry(const QString &entry, bool listShowsSortValue, bool listShowsRating)
{
    // Taking the text after a separator that is not there would cut a few characters off the name
    // (or yield nothing); such an entry, filled by some other path, is the name itself.
    if (listShowsSortValue) {
        const qsizetype at = entry.indexOf(sortValueSeparator());
        return at < 0 ? entry : entry.mid(at + sortValueSeparator().size());
    }
    if (listShowsRating) {
        const qsizetype at = entry.indexOf(QLatin1Char('|'));
        return at < 0 ? entry : entry.mid(at + 1);
    }
    return entry;
}

QString listedTotalText(const GameTable &grid)
{
    return QString::number(qMax(0, grid.rowCount() - 1)) + QStringLiteral(" Listed");
}

int FindFirstOpenOtherPlatformColumn(const GameTable &grid, int row)
{
    return firstOpenColumn(grid, otherPlatformColumns(grid), row);
}

void RemoveDuplicates(QStringList &entries, GameTable &grid)
{
    RemoveDuplicates(entries, grid, NameIndex(grid));
}

void RemoveDuplicates(QStringList &entries, GameTable &grid, const NameIndex &names)
{
    const qsizetype count = entries.size();
    if (count < 2)
        return;

    // An entry is a duplicate when an entry before it reads the same regardless of case. Entries
    // are dropped from the end towards the start, so every entry before the one at hand is still
    // there when it is examined: the first occurrence in the original list decides, and which
    // entries go can be known before anything is dropped.
    const std::vector<bool> duplicate = laterOccurrences(entries);

    const int nameColumn = lastColumnAfterFirst(grid, QStringLiteral("Name"));
    const int platformColumn = lastColumnAfterFirst(grid, QStringLiteral("Platform"));
    const OtherPlatformColumns otherColumns = otherPlatformColumns(grid);

    // Only other-platform cells are written below, never the name column, so the name index and
    // every name and platform read stay as they were when the pass began.
    for (qsizetype i = count - 1; i > 0; --i) {
        if (!duplicate[static_cast<size_t>(i)])
            continue;
        const QString &entry = entries.at(i);
        // The row compared is the one at the entry's index, not the entry's own row (index + 1):
        // for games of one name lying together this records the platforms of all rows but the last
        // of them into the last, which is the row a selection of that name shows.
        const int row = static_cast<int>(i);
        if (grid.cell(nameColumn, row) != entry)
            continue;
        const int target = names.rowOf(entry);
        if (target == 0)
            continue;
        const QString platform = grid.cell(platformColumn, row);
        if (platform == grid.cell(platformColumn, target))
            continue;
        const int column = firstOpenColumn(grid, otherColumns, target);
        if (column >= 0)
            grid.setCell(column, target, platform);
    }

    // The kept entries move up in place: a move hands over the text without touching it, where a
    // copy would reach into every text of the list.
    QString *texts = entries.data();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < count; ++i) {
        if (duplicate[static_cast<size_t>(i)])
            continue;
        if (kept != i)
            texts[kept] = std::move(texts[i]);
        ++kept;
    }
    entries.resize(kept);
}

MainListBuild buildMainList(GameTable &grid, const MainListOptions &options)
{
    MainListBuild build;
    const int rating = grid.findColumn(QStringLiteral("Rating"));
    build.ratingColumn = rating >= 0 ? rating : options.ratingColumn;

    const int rows = grid.rowCount();
    build.entries.reserve(rows);
    for (int r = 1; r < rows; ++r) {
        build.entries.append(mainListEntry(grid.cell(1, r), grid.cell(build.ratingColumn, r),
                                           grid.cell(options.mainSortColumn, r), options.listShowsSortValue,
                                           options.listShowsRating));
    }

    build.names = NameIndex(grid);
    RemoveDuplicates(build.entries, grid, build.names);
    build.totalText = listedTotalText(grid);
    return build;
}

QString mainSortField(MainSort sort)
{
    static const std::array<const char *, MainSortCount> fields{
        "Name",  "Year",     "Platform", "Folder", "Developer",         "Publisher",
        "Genre", "SubGenre", "Series",   "Rating", "FolderDateCreated", "FolderDateModified"};
    return QLatin1String(fields[static_cast<size_t>(sort)]);
}

void applyMainSortField(GameTable &grid, const QString &field, int &mainSortColumn, bool &listShowsSortValue)
{
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (grid.cell(c, 0) == field) {
            mainSortColumn = c;
            SortStringGrid(grid, c);
        }
    }
    listShowsSortValue = field != QStringLiteral("Name");
}
