#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class GameTable;

// Collects the distinct values of some columns for a menu or a drop-down list. Values that
// differ only in letter case are one value, and the spelling met first (columns in the order
// they are added, rows top to bottom) is the one kept.
class ValueCollector
{
public:
    void addColumn(const GameTable &grid, int column);
    // Every column named field, from column `firstColumn` on.
    void addColumnsNamed(const GameTable &grid, const QString &field, int firstColumn);
    // The values of another collector, as if its columns had been added here.
    void addValues(const ValueCollector &other);
    void add(const QString &value);

    int size() const { return static_cast<int>(m_spellings.size()); }
    // Sorted without regard to letter case.
    QStringList sorted() const;

private:
    std::vector<QString> m_spellings; // first spelling per value, in the order met
    std::vector<QString> m_keys;      // its case-folded form, for sorting
    QHash<QString, int> m_byKey;
    // Spellings already met; most cells repeat one of them, which spares folding their text.
    QHash<QString, int> m_bySpelling;
};

// Every column whose row-0 name is field, from firstColumn on, in column order.
std::vector<int> columnsNamed(const GameTable &grid, const QString &field, int firstColumn);

// The value list of the find panel's value box for one field: the values of every column of
// that name, merged and sorted, preceded by the empty value when such a column exists at all.
QStringList fieldValueList(const GameTable &grid, const QString &field);

// The field box's list: "All" and every field name but those that hold files and programs,
// sorted without regard to letter case.
QStringList filterFieldList(const GameTable &grid);
