#include "support/TableHelpers.h"

#include "library/GridTextFile.h"

GameTable tableOf(const QStringList &fieldNames, const std::vector<QStringList> &rows)
{
    GameTable grid;
    grid.setSize(static_cast<int>(fieldNames.size()), 1);
    for (int c = 0; c < fieldNames.size(); ++c)
        grid.setCell(c, 0, fieldNames.at(c));
    for (const QStringList &row : rows)
        grid.appendRow(std::vector<QString>(row.begin(), row.end()));
    return grid;
}

QStringList columnValues(const GameTable &grid, int column)
{
    QStringList values;
    values.reserve(grid.rowCount() - 1);
    for (int r = 1; r < grid.rowCount(); ++r)
        values.append(grid.cell(column, r));
    return values;
}

bool loadStringGridInto(GameTable &table, const QString &fileName)
{
    Result<GameTable> loaded = LoadStringGrid(fileName);
    if (!loaded)
        return false;
    table = std::move(*loaded);
    return true;
}
