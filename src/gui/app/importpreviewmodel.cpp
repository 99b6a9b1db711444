#include "app/importpreviewmodel.h"

#include <QColor>
#include <QFont>

#include <algorithm>

namespace vantrel {

ImportPreviewModel::ImportPreviewModel(std::string head, QObject* parent)
    : QAbstractTableModel(parent), m_head(std::move(head)), m_layout(m_head)
{
    std::vector<std::string_view> lines = m_layout.FirstLines(50);
    m_detected = TextLayout::DetectSeparator(lines);
    split();
}

char ImportPreviewModel::separator() const
{
    return m_mapping.separator != 0 ? m_mapping.separator : m_detected;
}

void ImportPreviewModel::setMapping(const ImportMapping& mapping)
{
    beginResetModel();
    m_mapping = mapping;
    split();
    endResetModel();
}

void ImportPreviewModel::setEncoding(const std::string& encoding)
{
    beginResetModel();
    m_shown.setEncoding(encoding);
    endResetModel();
}

void ImportPreviewModel::split()
{
    m_cells.clear();
    m_columns = 0;
    for (std::string_view line : m_layout.FirstLines(kPreviewLines)) {
        m_cells.push_back(TextLayout::Cells(line, separator()));
        m_columns = std::max(m_columns, static_cast<int>(m_cells.back().size()));
    }
}

QStringList ImportPreviewModel::titles() const
{
    QStringList list;
    ImportMapping mapping = m_mapping;
    mapping.separator = separator();
    for (const std::string& title : HeaderCells(m_layout, mapping))
        list << m_shown.whole(title);
    return list;
}

QString ImportPreviewModel::roleText(const ImportColumn& column)
{
    switch (column.role) {
    case ColumnRole::FileNumber: return tr("File number");
    case ColumnRole::Increment: return tr("Increment");
    case ColumnRole::Frequency:
        return QString::fromStdString(ShortestNumber(column.frequencyHz)) + QStringLiteral("HZ");
    case ColumnRole::Ignore: return tr("Left out");
    case ColumnRole::Other: break;
    }
    return tr("Other");
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_cells.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto& cells = m_cells[static_cast<std::size_t>(index.row())];
    const int line = index.row() + 1;
    const bool before = line <= m_mapping.headerLine + m_mapping.skipLines;
    switch (role) {
    case Qt::DisplayRole:
        return static_cast<std::size_t>(index.column()) < cells.size()
            ? m_shown(cells[static_cast<std::size_t>(index.column())])
            : QString();
    case Qt::ForegroundRole:
        if (before && line != m_mapping.headerLine)
            return QColor(Qt::gray);
        return {};
    case Qt::FontRole:
        if (line == m_mapping.headerLine) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default: return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const auto column = static_cast<std::size_t>(section);
    return roleText(column < m_mapping.columns.size() ? m_mapping.columns[column] : ImportColumn{});
}

}  // namespace vantrel
