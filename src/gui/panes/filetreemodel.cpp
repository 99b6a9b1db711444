#include "panes/filetreemodel.h"

#include "common/celltext.h"
#include "common/showntext.h"
#include "datafile/filetree.h"
#include "numbers.h"

#include <QApplication>
#include <QStyle>

namespace vantrel {

FileTreeModel::FileTreeModel(FileTree& tree, const ShownText* shown, QObject* parent)
    : QAbstractItemModel(parent), m_tree(tree), m_shown(shown),
      m_fileIcon(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon)),
      m_rowIcon(QApplication::style()->standardIcon(QStyle::SP_FileIcon))
{}

QModelIndex FileTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0 || row >= rowCount(parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, 0, quintptr(0));
    return createIndex(row, 0, quintptr(parent.row() + 1));
}

QModelIndex FileTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, quintptr(0));
}

int FileTreeModel::rowCount(const QModelIndex& parent) const
{
    if (m_suspended)
        return 0;
    if (!parent.isValid())
        return static_cast<int>(m_tree.Files().size());
    if (parent.internalId() != 0 || parent.column() != 0)
        return 0;
    return static_cast<int>(m_tree.Files()[static_cast<std::size_t>(parent.row())].rowIds.size());
}

int FileTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool FileTreeModel::isFileItem(const QModelIndex& index) const
{
    return index.isValid() && index.internalId() == 0;
}

int FileTreeModel::rowId(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() == 0)
        return 0;
    const auto& file = m_tree.Files()[static_cast<std::size_t>(index.internalId() - 1)];
    return file.rowIds[static_cast<std::size_t>(index.row())];
}

QModelIndex FileTreeModel::fileIndex(int fileItem) const
{
    return index(fileItem, 0);
}

QModelIndex FileTreeModel::rowIndex(int rowId) const
{
    if (m_suspended || rowId < 1 || static_cast<std::size_t>(rowId) > m_tree.RowItemCount())
        return {};
    const auto& row = m_tree.Row(rowId);
    return createIndex(row.indexInFile, 0, quintptr(row.fileItem + 1));
}

QVariant FileTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || m_suspended)
        return {};
    const bool file = isFileItem(index);
    switch (role) {
    case Qt::DisplayRole: return file ? fileText(index.row()) : text(m_tree.RowText(rowId(index)));
    case Qt::DecorationRole: return file ? m_fileIcon : m_rowIcon;
    case Qt::CheckStateRole: {
        const bool checked = file ? m_tree.Files()[static_cast<std::size_t>(index.row())].checked
                                  : m_tree.Row(rowId(index)).checked;
        return checked ? Qt::Checked : Qt::Unchecked;
    }
    case ItemDataRole:
        return file ? m_tree.Files()[static_cast<std::size_t>(index.row())].fileNumber : rowId(index);
    default: return {};
    }
}

QString FileTreeModel::fileText(int fileItem) const
{
    // "File:%2d (%s)", with the date-time field cut to what the tree can show;
    // in a survey of several files, the name of the file after the number.
    const auto& file = m_tree.Files()[static_cast<std::size_t>(fileItem)];
    QString number = QStringLiteral("File:") + QString::fromStdString(FormatInt2(file.fileNumber));
    if (!file.source.empty())
        number += QLatin1Char(' ') + cellText(file.source);
    return number + QStringLiteral(" (") + text(file.dateTime) + QStringLiteral(")");
}

QString FileTreeModel::text(std::string_view bytes) const
{
    return m_shown ? (*m_shown)(bytes) : shownText(bytes);
}

bool FileTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || m_suspended)
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    if (isFileItem(index))
        m_tree.SetFileChecked(index.row(), checked);
    else
        m_tree.SetRowChecked(rowId(index), checked);
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags FileTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

void FileTreeModel::ClickCheckBox(const QModelIndex& index)
{
    if (!index.isValid() || m_suspended)
        return;
    if (isFileItem(index)) {
        m_tree.ClickFileCheckBox(index.row());
        Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
        const int rows = rowCount(index);
        if (rows > 0)
            Q_EMIT dataChanged(this->index(0, 0, index), this->index(rows - 1, 0, index),
                               {Qt::CheckStateRole});
    } else {
        m_tree.ClickRowCheckBox(rowId(index));
        Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
        const QModelIndex file = index.parent();
        Q_EMIT dataChanged(file, file, {Qt::CheckStateRole});
    }
}

void FileTreeModel::beginUpdate()
{
    if (m_suspended)
        return;
    beginResetModel();
    m_suspended = true;
    endResetModel();
}

void FileTreeModel::endUpdate()
{
    beginResetModel();
    m_suspended = false;
    endResetModel();
}

}  // namespace vantrel
