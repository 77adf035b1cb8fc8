#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The main list's entries as the list views show them. The views draw only the entries in sight,
// so a new list of any length is one reset, not an item per game. Read-only: the entries change
// only through the session that owns the model.
class MainListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit MainListModel(QObject *parent = nullptr);

    const QStringList &entries() const { return m_entries; }
    // A new list.
    void setEntries(QStringList entries);
    // One entry changed, or one more, in place: the views keep their selection and scroll.
    void setEntry(qsizetype index, const QString &text);
    void insertEntry(qsizetype index, const QString &text);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QStringList m_entries;
};
