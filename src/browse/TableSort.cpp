#include "browse/TableSort.h"

#include "library/GameTable.h"

#include <QString>

#include <string_view>
#include <utility>
#include <vector>

namespace {

struct Range
{
    int left;
    int right;
};

// Code unit by code unit, a text that begins a longer one first: what QString::compare does with
// case sensitivity, without a call into the library and a pointer chase per comparison.
using Key = std::u16string_view;

Key keyOf(const QString &text)
{
    return Key(reinterpret_cast<const char16_t *>(text.constData()), static_cast<size_t>(text.size()));
}

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
    std::vector<Key> keys(rowCount);
    std::vector<int> order(rowCount);
    for (size_t r = 0; r < rowCount; ++r) {
        keys[r] = keyOf(grid.cell(column, static_cast<int>(r)));
        order[r] = static_cast<int>(r);
    }

    quickSort(order, keys, first, last);

    // Apply the permutation once: every row moves at most twice, as a vector handle.
    std::vector<std::vector<QString>> sorted;
    sorted.reserve(static_cast<size_t>(last - first + 1));
    for (int p = first; p <= last; ++p)
        sorted.push_back(std::move(grid.row(order[static_cast<size_t>(p)])));
    for (int p = first; p <= last; ++p)
        grid.row(p) = std::move(sorted[static_cast<size_t>(p - first)]);
}
