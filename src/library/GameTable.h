#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// A rectangular table of texts. Row 0 holds the field names; every further row is one game.
//
// The table is kept column by column, and a column keeps each of its texts once: a cell is the
// number of its text in its column. A collection of 100,000 games has a few dozen platforms,
// years and emulators and mostly empty cells, so most cells cost four bytes instead of a text of
// their own, and work on a whole column can look at each of its distinct texts once. The rows of
// the columns never move: the table's order of rows is a list of their places, so a sort or a
// filter rearranges that list alone. A copy shares the texts, and each column's numbers until one
// of the two tables changes a cell of that column.
class GameTable
{
public:
    using TextId = quint32;
    // The number of the empty text in every column.
    static constexpr TextId EmptyText = 0;

    GameTable();

    int rowCount() const { return static_cast<int>(m_order.size()); }
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    // Growing fills with empty cells; a count below 1 becomes 1, so that row 0 and column 0,
    // which every look-up falls back to, always exist.
    void setRowCount(int rows);
    void setColumnCount(int columns);
    void setSize(int columns, int rows);

    // Empty outside the table, and for a negative column such as findColumn() gives a missing field.
    const QString &cell(int column, int row) const;
    // The cell of the named field: empty when the table has no such field or no such row, rather
    // than the column 0 that column() falls back to. Row 0 gives the field name itself.
    const QString &cell(const QString &fieldName, int row) const { return cell(findColumn(fieldName), row); }
    void setCell(int column, int row, const QString &text);

    // A copy of one row's cells in column order; empty outside the table.
    std::vector<QString> rowCells(int row) const;
    // A short row is filled with empty cells, a long one cut to the columns.
    void appendRow(const std::vector<QString> &cells);
    // Keeps row 0 and the rows for which keep(row) holds, in their order. keep() sees the table
    // as it was before the call.
    template <typename Predicate> void keepRows(Predicate keep);
    // The row that was at order[p] moves to p, for every p; order holds every row index once.
    void permuteRows(const std::vector<int> &order);

    // Whole columns, for work that looks at each distinct text once and for readers that fill a
    // table a column at a time. Equal numbers are equal texts; equal texts usually, but not
    // always, have one number, so a text is compared by its text, never by its number alone.
    // The number of a cell; column and row must lie inside the table.
    TextId textId(int column, int row) const
    {
        return m_columns[static_cast<size_t>(column)].ids.constData()[m_order.constData()[row]];
    }
    const QString &text(int column, TextId id) const;
    // Numbers run from 0 to textCount() - 1; a copy of the table may know more of them.
    TextId textCount(int column) const;
    // The number of the text in the column, new when the column does not have it yet.
    TextId addText(int column, const QString &text);
    // A new number for the text, without looking for it first: for a reader that already knows
    // the text is new to the column, or that most of the column's texts are.
    TextId appendText(int column, const QString &text);
    // Filling a column cell by cell keeps an index of its texts, to give a repeated text its
    // number: as large as the column's texts for a column of many thousand. A reader done with a
    // table lets the indexes go; a later addText() makes one again where the column is small.
    void dropLookups();
    // The numbers of all rows of a column (rowCount() of them, in the order the table was made
    // with, before any sort or filter), each one addText() or appendText() gave for that column.
    void setTextIds(int column, QList<TextId> ids);
    // For each number of the column, the place of its text among the column's texts in ascending
    // order by UTF-16 code units; equal texts have equal places.
    const std::vector<quint32> &textOrder(int column) const;

    // Exact comparison with row 0; the later of two equal names wins; none gives column 0.
    int column(const QString &fieldName) const;
    // Like column(), but -1 when there is no such column.
    int findColumn(const QString &fieldName) const;
    QStringList fieldNames() const;

    // Changes with every change of the cells or the size; a copy keeps its original's number
    // until either of them changes. Two tables of one number hold the same cells.
    quint64 revision() const { return m_revision; }
    // The same, except that a new order of the same rows (permuteRows) keeps it: what is worked
    // out from the cells regardless of their order, such as the category menus' values, still holds.
    quint64 cellsRevision() const { return m_cellsRevision; }

    // Cell by cell, by text.
    bool operator==(const GameTable &other) const;
    bool operator!=(const GameTable &other) const { return !(*this == other); }

private:
    class ColumnTexts;
    struct Column
    {
        std::shared_ptr<ColumnTexts> texts;
        QList<TextId> ids;
    };

    Column newColumn() const;
    void invalidateIndex() { m_indexValid = false; }
    void buildIndex() const;
    void keepOnly(const std::vector<int> &rows);
    // New empty places at the end of every column; the first of them.
    int addPlaces(int count);
    void changed();

    std::vector<Column> m_columns;
    // The place in the columns of each row of the table, in the table's order.
    QList<int> m_order{0};
    // How many places the columns have; every place the order lists, and perhaps more.
    int m_places = 1;
    quint64 m_revision = 0;
    quint64 m_cellsRevision = 0;
    mutable QHash<QString, int> m_columnIndex;
    mutable bool m_indexValid = false;
};

template <typename Predicate> void GameTable::keepRows(Predicate keep)
{
    const int rows = rowCount();
    std::vector<int> kept;
    kept.reserve(static_cast<size_t>(rows));
    kept.push_back(0);
    for (int r = 1; r < rows; ++r) {
        if (keep(r))
            kept.push_back(r);
    }
    if (static_cast<int>(kept.size()) != rows)
        keepOnly(kept);
}
