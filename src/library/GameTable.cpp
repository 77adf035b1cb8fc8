#include "library/GameTable.h"

#include <algorithm>

namespace {
const QString &emptyText()
{
    static const QString empty;
    return empty;
}
} // namespace

void GameTable::setRowCount(int rows)
{
    rows = std::max(rows, 1);
    const size_t oldCount = m_rows.size();
    m_rows.resize(static_cast<size_t>(rows));
    for (size_t r = oldCount; r < m_rows.size(); ++r)
        m_rows[r].resize(static_cast<size_t>(m_columnCount));
}

void GameTable::setColumnCount(int columns)
{
    columns = std::max(columns, 1);
    if (columns == m_columnCount)
        return;
    m_columnCount = columns;
    for (auto &r : m_rows)
        r.resize(static_cast<size_t>(columns));
    invalidateIndex();
}

void GameTable::setSize(int columns, int rows)
{
    setColumnCount(columns);
    setRowCount(rows);
}

const QString &GameTable::cell(int column, int row) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= m_columnCount)
        return emptyText();
    return m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void GameTable::setCell(int column, int row, const QString &text)
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= m_columnCount)
        return;
    m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
    if (row == 0)
        invalidateIndex();
}

std::vector<QString> &GameTable::row(int row)
{
    if (row == 0)
        invalidateIndex();
    return m_rows[static_cast<size_t>(row)];
}

void GameTable::appendRow(std::vector<QString> cells)
{
    cells.resize(static_cast<size_t>(m_columnCount));
    m_rows.push_back(std::move(cells));
}

void GameTable::buildIndex() const
{
    m_columnIndex.clear();
    const auto &names = m_rows.front();
    // Later columns overwrite earlier ones, so a name listed twice resolves to its last column.
    for (int c = 0; c < m_columnCount; ++c)
        m_columnIndex.insert(names[static_cast<size_t>(c)], c);
    m_indexValid = true;
}

int GameTable::findColumn(const QString &fieldName) const
{
    if (!m_indexValid)
        buildIndex();
    return m_columnIndex.value(fieldName, -1);
}

int GameTable::column(const QString &fieldName) const
{
    const int c = findColumn(fieldName);
    return c < 0 ? 0 : c;
}

QStringList GameTable::fieldNames() const
{
    QStringList names;
    names.reserve(m_columnCount);
    for (const auto &n : m_rows.front())
        names.append(n);
    return names;
}
