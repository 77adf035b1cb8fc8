#pragma once

#include "import/ImportPreview.h"

#include <QAbstractTableModel>

// The preview as the rows of a table: one per game, a tick box in front, the program chosen
// where the source left the choice open, and the counts below.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Ticked, Name, Platform, Year, Folder, Found, Program, Problems, ColumnCount };

    explicit ImportPreviewModel(QObject *parent = nullptr);

    void setPreview(ImportPreview preview);
    const ImportPreview &preview() const { return m_preview; }
    QString countsText() const;
    // The programs a row's game may start, when there is a choice.
    QStringList programsOf(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    void countsChanged();

private:
    QString text(const ImportRow &row, int column) const;

    ImportPreview m_preview;
};
