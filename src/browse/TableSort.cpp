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

// order[p] is the row that ends up at position p. The keys are read through order, so an exchange
// moves two integers instead of two rows of seventy cells.
void quickSort(std::vector<int> &order, const std::vector<Key> &keys, int first, int last)
{
    const auto key = [&](int position) {
        return keys[static_cast<size_t>(order[static_cast<size_t>(position)])];
    };

    // Both parts of a partition are sorted independently of each other, so the order in which they
    // are taken does not change the result. Keeping the larger part for later bounds this stack
    // by log2 of the row count, where plain recursion on the left part could nest once per row.
    std::vector<Range> pending{{first, last}};
    while (!pending.empty()) {
        Range range = pending.back();
        pending.pop_back();
        while (range.left < range.right) {
            int i = range.left;
            int j = range.right;
            // The pivot is the row that sits in the middle before any exchange; holding that row's
            // key (keys never move) is the same as copying its text.
            const Key pivot = key((range.left + range.right) / 2);
            do {
                while (sortsBefore(key(i), pivot))
                    ++i;
                while (sortsBefore(pivot, key(j)))
                    --j;
                if (i <= j) {
                    if (i != j)
                        std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(j)]);
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
    std::vector<Key> keys(rowCount, 0); // a column the table lacks reads as empty everywhere
    std::vector<int> order(rowCount);
    const bool known = column >= 0 && column < grid.columnCount();
    const std::vector<quint32> *places = known ? &grid.textOrder(column) : nullptr;
    const GameTable::TextId *ids = known ? grid.textIds(column) : nullptr;
    for (size_t r = 0; r < rowCount; ++r) {
        if (known)
            keys[r] = (*places)[ids[r]];
        order[r] = static_cast<int>(r);
    }

    quickSort(order, keys, first, last);

    // Apply the permutation once: every column moves its row numbers in one pass.
    grid.permuteRows(order);
}
