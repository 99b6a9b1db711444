#include "panes/datatablemodel.h"

#include "common/celltext.h"
#include "common/showntext.h"
#include "datafile/datatable.h"

#include <QColor>

#include <limits>

namespace vantrel {

namespace {

int clampedCount(std::size_t n)
{
    return n > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                         : static_cast<int>(n);
}

}  // namespace

DataTableModel::DataTableModel(const DataTable& table, const ShownText* shown, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_shown(shown)
{
    m_rows = clampedCount(table.RowCount());
    m_columns = clampedCount(table.ColumnCount());
    m_titles = table.Titles();
}

QString DataTableModel::text(std::string_view bytes) const
{
    return m_shown ? (*m_shown)(bytes) : shownText(bytes);
}

bool DataTableModel::isMarked(int row, int column) const
{
    if (!m_marks)
        return false;
    const auto it = m_marks->find(row);
    return it != m_marks->end() && it->second == column;
}

int DataTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_suspended ? 0 : m_rows;
}

int DataTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_suspended ? 0 : m_columns;
}

QVariant DataTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || m_suspended)
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:  // the text of a cell too narrow for it
        return text(m_table.Cell(row, column));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case MarkedRole: return isMarked(index.row(), index.column());
    case Qt::BackgroundRole:
        if (isMarked(index.row(), index.column()))
            return QColor(255, 0, 0);
        return {};
    case Qt::ForegroundRole:
        if (isMarked(index.row(), index.column()))
            return QColor(255, 255, 255);
        return {};
    default: return {};
    }
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (m_suspended || section < 0)
        return {};
    if (orientation == Qt::Horizontal) {
        if (section >= m_columns)
            return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return text(m_table.Title(static_cast<std::size_t>(section)));
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    if (role == Qt::DisplayRole)
        return section + 1;
    return {};
}

Qt::ItemFlags DataTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void DataTableModel::suspend()
{
    if (m_suspended)
        return;
    beginResetModel();
    m_suspended = true;
    endResetModel();
}

void DataTableModel::sync()
{
    const int rows = clampedCount(m_table.RowCount());
    const int columns = clampedCount(m_table.ColumnCount());
    if (m_suspended || columns != m_columns || rows < m_rows || m_table.Titles() != m_titles) {
        beginResetModel();
        m_suspended = false;
        m_rows = rows;
        m_columns = columns;
        m_titles = m_table.Titles();
        endResetModel();
        return;
    }
    if (m_rows > 0 && m_columns > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
}

}  // namespace vantrel
