#include "ui/import/ImportProgramDelegate.h"

#include "presentation/ImportPreviewModel.h"

#include <QComboBox>

ImportProgramDelegate::ImportProgramDelegate(const ImportPreviewModel &model, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

QWidget *ImportProgramDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("cbProgram"));
    choice->addItems(m_model.programsOf(index.row()));
    return choice;
}

void ImportProgramDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *choice = static_cast<QComboBox *>(editor);
    choice->setCurrentText(index.data(Qt::EditRole).toString());
}

void ImportProgramDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::EditRole);
}
