#include "browse/TextSearch.h"

#include "library/GameTable.h"

#include <QStringMatcher>

#include <vector>

namespace {

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Upper-casing every cell of a large table costs an allocation per cell. Between two ASCII texts
// upper-casing and Qt's case-insensitive comparison agree, so those cells are searched in place;
// only cells beyond ASCII (where "ß" becomes "SS" and the like) are upper-cased first.
class UpperCaseSearch
{
public:
    explicit UpperCaseSearch(const QString &text)
        : m_upper(text.toUpper()), m_asciiNeedle(isAscii(m_upper)),
          m_matcher(m_upper, Qt::CaseInsensitive), m_exactMatcher(m_upper, Qt::CaseSensitive)
    {
    }

    bool foundIn(const QString &cell) const
    {
        if (m_upper.isEmpty() || cell.isEmpty())
            return false;
        if (isAscii(cell))
            return m_asciiNeedle && m_matcher.indexIn(cell) >= 0;
        return m_exactMatcher.indexIn(cell.toUpper()) >= 0;
    }

private:
    QString m_upper;
    bool m_asciiNeedle;
    QStringMatcher m_matcher;
    QStringMatcher m_exactMatcher;
};

} // namespace

int applyTextSearch(GameTable &grid, const QString &text)
{
    const UpperCaseSearch search(text);
    const int before = grid.rowCount();
    // Each distinct text of a column is searched once; most columns repeat a few texts down all
    // their rows.
    struct Searched
    {
        int column;
        std::vector<bool> found;
    };
    std::vector<Searched> columns;
    for (int c = 0; c < grid.columnCount(); ++c) {
        Searched column{c, std::vector<bool>(grid.textCount(c), false)};
        bool any = false;
        for (GameTable::TextId id = 0; id < grid.textCount(c); ++id) {
            if (search.foundIn(grid.text(c, id)))
                column.found[id] = any = true;
        }
        if (any)
            columns.push_back(std::move(column));
    }
    grid.keepRows([&](int row) {
        for (const Searched &column : columns) {
            if (column.found[grid.textId(column.column, row)])
                return true;
        }
        return false;
    });
    return before - grid.rowCount();
}
