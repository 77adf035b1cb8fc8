#include "browse/ValueLists.h"

#include "library/GameTable.h"

#include <QSet>

#include <algorithm>
#include <numeric>

namespace {

bool caseInsensitiveLess(const QString &a, const QString &b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

void ValueCollector::add(const QString &value)
{
    if (value.isEmpty() || m_bySpelling.contains(value))
        return;
    QString key = value.toCaseFolded();
    const auto known = m_byKey.constFind(key);
    if (known != m_byKey.constEnd()) {
        m_bySpelling.insert(value, known.value());
        return;
    }
    const int index = static_cast<int>(m_spellings.size());
    m_spellings.push_back(value);
    m_byKey.insert(key, index);
    m_keys.push_back(std::move(key));
    m_bySpelling.insert(value, index);
}

void ValueCollector::addColumn(const GameTable &grid, int column)
{
    if (column < 0 || column >= grid.columnCount())
        return;
    // Only the first row of each text can bring a spelling not met before.
    std::vector<bool> met(grid.textCount(column), false);
    for (int r = 1; r < grid.rowCount(); ++r) {
        const GameTable::TextId id = grid.textId(column, r);
        if (!met[id]) {
            met[id] = true;
            add(grid.text(column, id));
        }
    }
}

void ValueCollector::addColumnsNamed(const GameTable &grid, const QString &field, int firstColumn)
{
    for (const int c : columnsNamed(grid, field, firstColumn))
        addColumn(grid, c);
}

void ValueCollector::addValues(const ValueCollector &other)
{
    for (const QString &spelling : other.m_spellings)
        add(spelling);
}

QStringList ValueCollector::sorted() const
{
    std::vector<int> order(m_spellings.size());
    std::iota(order.begin(), order.end(), 0);
    // Folded keys are distinct, so this order is total and needs no tie-break.
    std::sort(order.begin(), order.end(), [this](int a, int b) {
        return m_keys[static_cast<size_t>(a)] < m_keys[static_cast<size_t>(b)];
    });
    QStringList values;
    values.reserve(static_cast<qsizetype>(order.size()));
    for (const int i : order)
        values.append(m_spellings[static_cast<size_t>(i)]);
    return values;
}

std::vector<int> columnsNamed(const GameTable &grid, const QString &field, int firstColumn)
{
    std::vector<int> columns;
    // Almost every field names one column; the index answers whether it names any.
    if (grid.findColumn(field) < 0)
        return columns;
    for (int c = std::max(firstColumn, 0); c < grid.columnCount(); ++c) {
        if (grid.cell(c, 0) == field)
            columns.push_back(c);
    }
    return columns;
}

QStringList fieldValueList(const GameTable &grid, const QString &field)
{
    const std::vector<int> columns = columnsNamed(grid, field, 0);
    if (columns.empty())
        return {};
    ValueCollector collector;
    for (const int c : columns)
        collector.addColumn(grid, c);
    QStringList values = collector.sorted();
    values.prepend(QString());
    return values;
}

QStringList filterFieldList(const GameTable &grid)
{
    static const QSet<QString> excluded = [] {
        QSet<QString> names{QStringLiteral("Number"),  QStringLiteral("Executable"), QStringLiteral("Setup"),
                            QStringLiteral("Front01"), QStringLiteral("Back01"),     QStringLiteral("Media01"),
                            QStringLiteral("Screen01"), QStringLiteral("Title01"),   QStringLiteral("Adv01"),
                            QStringLiteral("Manual")};
        for (int n = 1; n <= 7; ++n) {
            names.insert(QStringLiteral("Extra") + QString::number(n));
            names.insert(QStringLiteral("ExtraLink") + QString::number(n));
        }
        return names;
    }();
    QStringList fields{QStringLiteral("All")};
    QSet<QString> seen{QStringLiteral("All")};
    for (const QString &name : grid.fieldNames()) {
        if (name.isEmpty() || excluded.contains(name) || seen.contains(name))
            continue;
        seen.insert(name);
        fields.append(name);
    }
    std::sort(fields.begin(), fields.end(), caseInsensitiveLess);
    return fields;
}
