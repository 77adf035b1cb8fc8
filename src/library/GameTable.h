#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// A rectangular table of texts. Row 0 holds the field names; every further row is one game.
// Rows are stored apart so that sorting and filtering move whole rows cheaply.
class GameTable
{
public:
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int columnCount() const { return m_columnCount; }
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

    const std::vector<QString> &row(int row) const { return m_rows[static_cast<size_t>(row)]; }
    std::vector<QString> &row(int row);
    void appendRow(std::vector<QString> cells);
    // Keeps row 0 and the rows for which keep(row) holds, in their order.
    template <typename Predicate> void keepRows(Predicate keep);

    // Exact comparison with row 0; the later of two equal names wins; none gives column 0.
    int column(const QString &fieldName) const;
    // Like column(), but -1 when there is no such column.
    int findColumn(const QString &fieldName) const;
    QStringList fieldNames() const;

    bool operator==(const GameTable &other) const { return m_rows == other.m_rows && m_columnCount == other.m_columnCount; }

private:
    void invalidateIndex() { m_indexValid = false; }
    void buildIndex() const;

    std::vector<std::vector<QString>> m_rows{std::vector<QString>(1)};
    int m_columnCount = 1;
    mutable QHash<QString, int> m_columnIndex;
    mutable bool m_indexValid = false;
};

template <typename Predicate> void GameTable::keepRows(Predicate keep)
{
    size_t out = 1;
    for (size_t in = 1; in < m_rows.size(); ++in) {
        if (keep(static_cast<int>(in))) {
            if (out != in)
                m_rows[out] = std::move(m_rows[in]);
            ++out;
        }
    }
    m_rows.resize(out);
}
