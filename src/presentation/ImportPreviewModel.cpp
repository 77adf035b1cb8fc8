#include "presentation/ImportPreviewModel.h"

#include <algorithm>

ImportPreviewModel::ImportPreviewModel(QObject *parent) : QAbstractTableModel(parent) {}

void ImportPreviewModel::setPreview(ImportPreview preview)
{
    beginResetModel();
    m_preview = std::move(preview);
    endResetModel();
    emit countsChanged();
}

QString ImportPreviewModel::countsText() const
{
    return m_preview.rows.empty() ? QString() : ImportPreview::countsText(m_preview.counts());
}

QStringList ImportPreviewModel::programsOf(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const QStringList &programs = m_preview.rows[size_t(row)].game.programs;
    return programs.size() > 1 ? programs : QStringList();
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_preview.rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ImportPreviewModel::text(const ImportRow &row, int column) const
{
    const ImportGame &game = row.game;
    switch (column) {
    case Name:
        return game.entry[EntryField::Name];
    case Platform:
        return game.entry[EntryField::Platform];
    case Year:
        return game.entry[EntryField::Year];
    case Folder:
        return row.folderName;
    case Found:
        return ImportPreview::foundText(game);
    case Program:
        return game.entry[EntryField::Executable];
    case Problems:
        return ImportPreview::problemsText(game);
    default:
        return QString();
    }
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ImportRow &row = m_preview.rows[size_t(index.row())];
    if (index.column() == Ticked)
        return role == Qt::CheckStateRole ? QVariant(row.ticked ? Qt::Checked : Qt::Unchecked) : QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole)
        return text(row, index.column());
    return {};
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[ColumnCount] = {"",      "Name",     "Platform", "Year",
                                                    "Game folder", "Found", "Program", "Problems"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QString();
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const ImportRow &row = m_preview.rows[size_t(index.row())];
    // A game made before, or one that cannot be made, is not to be ticked.
    if (index.column() == Ticked && row.game.importable && !row.alreadyImported)
        flags |= Qt::ItemIsUserCheckable;
    if (index.column() == Program && row.game.programs.size() > 1)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ImportPreviewModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !(flags(index) & (Qt::ItemIsUserCheckable | Qt::ItemIsEditable)))
        return false;
    ImportRow &row = m_preview.rows[size_t(index.row())];
    if (index.column() == Ticked && role == Qt::CheckStateRole) {
        row.ticked = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {role});
        emit countsChanged();
        return true;
    }
    if (index.column() == Program && role == Qt::EditRole) {
        const QString program = value.toString();
        if (!row.game.programs.contains(program))
            return false;
        row.game.entry[EntryField::Executable] = program;
        // Chosen now: the row no longer asks.
        auto &problems = row.game.problems;
        problems.erase(std::remove_if(problems.begin(), problems.end(),
                                      [](const Failure &problem) {
                                          return problem.kind() == Failure::Kind::ImportSeveralPrograms;
                                      }),
                       problems.end());
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
        emit countsChanged();
        return true;
    }
    return false;
}
