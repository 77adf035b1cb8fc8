#include "session/MainListModel.h"

#include <utility>

MainListModel::MainListModel(QObject *parent) : QAbstractListModel(parent) {}

void MainListModel::setEntries(QStringList entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

void MainListModel::setEntry(qsizetype index, const QString &text)
{
    if (index < 0 || index >= m_entries.size())
        return;
    m_entries[index] = text;
    const QModelIndex changed = this->index(static_cast<int>(index));
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void MainListModel::insertEntry(qsizetype index, const QString &text)
{
    index = qBound(qsizetype(0), index, m_entries.size());
    beginInsertRows(QModelIndex(), static_cast<int>(index), static_cast<int>(index));
    m_entries.insert(index, text);
    endInsertRows();
}

int MainListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

QVariant MainListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    // The accessibility tree names each entry by what it shows.
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_entries.at(index.row());
    return QVariant();
}

Qt::ItemFlags MainListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}
