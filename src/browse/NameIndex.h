#pragma once

#include <QHash>
#include <QString>

class GameTable;

// Game name -> the highest row of the table that bears it, so that selecting a list entry costs one
// hash look-up instead of a pass over the table. Games of one name on several platforms are
// always shown from their last row in the current order, which is why the highest row is kept.
//
// The index is a snapshot: it is wrong as soon as rows are sorted, deleted or added, or a Name cell
// or the field names change. Every such change of the working table ends in a list build, which
// makes a new index, or is followed by a new index of its own. Folding
// duplicates writes only other-platform columns and leaves the index valid.
class NameIndex
{
  public:
    NameIndex() = default;
    // Indexes the Name column as the table looks it up (the last column of that name, column 0
    // when there is none), rows 0 to the last.
    explicit NameIndex(const GameTable &grid);

    // The highest row whose name equals name exactly, or 0 when no game row does.
    int rowOf(const QString &name) const { return m_highestRow.value(name, 0); }
    int nameColumn() const { return m_nameColumn; }

  private:
    QHash<QString, int> m_highestRow;
    int m_nameColumn = 0;
};
