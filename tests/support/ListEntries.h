#pragma once

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// The game lists (lbMain, lbNostalgiaMain) are views over the session's entries; tests read and
// move them by row, as a user reads and clicks the lines.
namespace ListEntries {

inline int count(const QAbstractItemView &list)
{
    return list.model() ? list.model()->rowCount() : 0;
}

inline QString text(const QAbstractItemView &list, int row)
{
    return list.model()->index(row, 0).data().toString();
}

inline QStringList texts(const QAbstractItemView &list)
{
    QStringList entries;
    for (int row = 0; row < count(list); ++row)
        entries << text(list, row);
    return entries;
}

// The rows whose entry reads exactly text.
inline QList<int> rowsOf(const QAbstractItemView &list, const QString &text)
{
    QList<int> rows;
    for (int row = 0; row < count(list); ++row) {
        if (ListEntries::text(list, row) == text)
            rows << row;
    }
    return rows;
}

// The row of the keyboard's current entry, -1 for none.
inline int currentRow(const QAbstractItemView &list)
{
    const QModelIndex current = list.currentIndex();
    return current.isValid() ? current.row() : -1;
}

inline QString currentText(const QAbstractItemView &list)
{
    return list.currentIndex().data().toString();
}

// Makes row the current and only selected entry (-1: none), as a click on it does.
inline void setCurrentRow(QAbstractItemView &list, int row)
{
    list.selectionModel()->setCurrentIndex(list.model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

// Where the entry lies in the list's viewport.
inline QRect rect(const QAbstractItemView &list, int row)
{
    return list.visualRect(list.model()->index(row, 0));
}

} // namespace ListEntries
