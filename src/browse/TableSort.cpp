#include "browse/TableSort.h"

#include "library/GameTable.h"

#include <QString>

#include <utility>
#include <vector>

namespace {

struct Range
{
    int left;
    int right;
};

// A cell's key is the place of its text among its column's texts in code unit order (a text that
// begins a longer one first, as QString::compare does with case sensitivity), so a comparison is
// one of two integers.
using Key = quint32;

bool sortsBefore(Key a, Key b)
{
    return a < b;
}

// A row and its key, exchanged together: the key is at hand where the partition compares it, and
// an exchange moves two small pairs instead of two rows of seventy cells.
struct Item
{
    Key key;
    int row;
};

// items[p].row is the row that ends up at position p.
void quickSort(std::vector<Item> &items, int first, int last)
{
    // Both parts of a partition are sorted independently of each other, so the order in which they
    // are taken does not change the result. Keeping the larger part for later bounds this stack
    // by log2 of the row count, where plain recursion on the left part could nest once per row.
    Item *item = items.data();
    std::vector<Range> pending{{first, last}};
    while (!pending.empty()) {
        Range range = pending.back();
        pending.pop_back();
        while (range.left < range.right) {
            int i = range.left;
            int j = range.right;
            // The pivot is the key of the row that sits in the middle before any exchange, which is
            // the same as copying that row's text.
            const Key pivot = item[(range.left + range.right) / 2].key;
            do {
                while (sortsBefore(item[i].key, pivot))
                    ++i;
                while (sortsBefore(pivot, item[j].key))
                    --j;
                if (i <= j) {
                    if (i != j)
                        std::swap(item[i], item[j]);
                    ++i;
                    --j;
                }
            } while (i <= j);

            Range leftPart{range.left, j};
            Range rightPart{i, range.right};
            const bool leftOpen = leftPart.left < leftPart.right;
            const bool rightOpen = rightPart.left < rightPart.right;
            if (leftOpen && rightOpen) {
                if (leftPart.right - leftPart.left > rightPart.right - rightPart.left)
                    std::swap(leftPart, rightPart);
                pending.push_back(rightPart);
                range = leftPart;
            } else if (leftOpen) {
                range = leftPart;
            } else {
                range = rightPart;
            }
        }
    }
}

} // namespace

void SortStringGrid(GameTable &grid, int column)
{
    // Row 0 holds the field names whatever the table went through, so the games start below it.
    const int first = 1;
    const int last = grid.rowCount() - 1;
    // Fewer than two games are already in order; an empty range must not be entered at all, since
    // its index walk would start beyond the last row.
    if (last - first < 1)
        return;

    const size_t rowCount = static_cast<size_t>(grid.rowCount());
    std::vector<Item> items(rowCount, Item{0, 0}); // a column the table lacks reads as empty everywhere
    const bool known = column >= 0 && column < grid.columnCount();
    const std::vector<quint32> *places = known ? &grid.textOrder(column) : nullptr;
    for (size_t r = 0; r < rowCount; ++r) {
        if (known)
            items[r].key = (*places)[grid.textId(column, static_cast<int>(r))];
        items[r].row = static_cast<int>(r);
    }

    quickSort(items, first, last);

    // The rows themselves stay where they are: only the table's order of them changes.
    std::vector<int> order(rowCount);
    for (size_t p = 0; p < rowCount; ++p)
        order[p] = items[p].row;
    grid.permuteRows(order);
}
