#include "browse/NameIndex.h"

#include "library/GameTable.h"

NameIndex::NameIndex(const GameTable &grid) : m_nameColumn(grid.column(QStringLiteral("Name")))
{
    m_highestRow.reserve(grid.rowCount());
    // Later rows overwrite earlier ones, so each name ends at its highest row.
    for (int r = 0; r < grid.rowCount(); ++r)
        m_highestRow.insert(grid.cell(m_nameColumn, r), r);
}
