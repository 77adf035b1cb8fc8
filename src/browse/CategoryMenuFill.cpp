#include "browse/CategoryMenuFill.h"

#include "library/GameTable.h"

CategoryMenuFill::CategoryMenuFill()
{
    m_stale.fill(true);
}

void CategoryMenuFill::rebuild(const GameTable &grid)
{
    if (m_built && grid.cellsRevision() == m_builtFrom)
        return;
    m_values = collectCategoryValues(grid);
    m_built = true;
    m_builtFrom = grid.cellsRevision();
    m_stale.fill(true);
}

bool CategoryMenuFill::takeMenu(CategoryMenu menu)
{
    const auto index = static_cast<size_t>(menu);
    if (!m_stale[index])
        return false;
    m_stale[index] = false;
    m_groupFilled[index].fill(false);
    return true;
}

bool CategoryMenuFill::takeGroup(CategoryMenu menu, int group)
{
    const auto index = static_cast<size_t>(menu);
    if (group < 0 || group >= LetterGroupCount || m_groupFilled[index][size_t(group)])
        return false;
    m_groupFilled[index][size_t(group)] = true;
    return true;
}
