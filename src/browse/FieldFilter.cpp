#include "browse/FieldFilter.h"

#include "library/GameTable.h"


#include <initializer_list>

namespace {

FilterRule pairRule(const GameTable &grid, std::initializer_list<QString> fields)
{
    FilterRule rule;
    for (const QString &field : fields) {
        const int c = grid.findColumn(field);
        if (c >= 0)
            rule.columns.push_back(c);
    }
    return rule;
}

bool isOneOf(const QString &field, const char *a, const char *b)
{
    return field == QLatin1String(a) || field == QLatin1String(b);
}

} // namespace

FilterRule fieldFilterRule(const GameTable &grid, const QString &field, FilterModes &modes)
{
    if (field == QLatin1String("Platform")) {
        FilterRule rule = pairRule(grid, {QStringLiteral("Platform")});
        for (int n = 1; n <= 10; ++n) {
            const int c = grid.findColumn(QStringLiteral("OtherPlatform") + QString::number(n));
            if (c >= 0)
                rule.columns.push_back(c);
        }
        return rule;
    }
    if (isOneOf(field, "Designer", "Designer2"))
        return pairRule(grid, {QStringLiteral("Designer"), QStringLiteral("Designer2")});
    if (isOneOf(field, "SubGenre", "SubGenre2"))
        return pairRule(grid, {QStringLiteral("SubGenre"), QStringLiteral("SubGenre2")});
    if (isOneOf(field, "Series", "Series2"))
        return pairRule(grid, {QStringLiteral("Series"), QStringLiteral("Series2")});
    if (modes.devOrPub) {
        modes.devOrPub = false;
        if (isOneOf(field, "Developer", "Publisher"))
            return pairRule(grid, {QStringLiteral("Developer"), QStringLiteral("Publisher")});
        FilterRule rule;
        rule.keepsEverything = true;
        return rule;
    }
    if (modes.genrePlus) {
        modes.genrePlus = false;
        return pairRule(grid, {QStringLiteral("SubGenre"), QStringLiteral("SubGenre2"), QStringLiteral("Genre")});
    }
    FilterRule rule;
    rule.columns.push_back(grid.column(field));
    return rule;
}

int applyFilterRule(GameTable &grid, const FilterRule &rule, const QString &value)
{
    if (rule.keepsEverything)
        return 0;
    const int before = grid.rowCount();
    // Each distinct text of a compared column is compared once; the rows then only look up
    // whether their text was the one.
    struct Compared
    {
        int column;
        std::vector<bool> matches;
    };
    std::vector<Compared> compared;
    for (const int c : rule.columns) {
        if (c < 0 || c >= grid.columnCount())
            continue;
        Compared column{c, std::vector<bool>(grid.textCount(c), false)};
        bool any = false;
        for (GameTable::TextId id = 0; id < grid.textCount(c); ++id) {
            if (grid.text(c, id) == value)
                column.matches[id] = any = true;
        }
        if (any)
            compared.push_back(std::move(column));
    }
    grid.keepRows([&](int row) {
        for (const Compared &column : compared) {
            if (column.matches[grid.textId(column.column, row)])
                return true;
        }
        return false;
    });
    return before - grid.rowCount();
}

int applyFieldFilter(GameTable &grid, const QString &field, const QString &value, FilterModes &modes)
{
    return applyFilterRule(grid, fieldFilterRule(grid, field, modes), value);
}
