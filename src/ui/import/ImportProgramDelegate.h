#pragma once

#include <QStyledItemDelegate>

class ImportPreviewModel;

// The Program cell of a preview row whose folder holds several programs: a choice among them.
class ImportProgramDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    ImportProgramDelegate(const ImportPreviewModel &model, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    const ImportPreviewModel &m_model;
};
