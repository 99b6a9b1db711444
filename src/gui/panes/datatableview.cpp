#include "panes/datatableview.h"

#include <QEvent>
#include <QHeaderView>

namespace vantrel {

DataTableView::DataTableView(QWidget* parent) : QTableView(parent)
{
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* columns = horizontalHeader();
    columns->setDefaultSectionSize(kColumnWidth);
    columns->setMinimumSectionSize(16);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    connect(columns, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (m_fitting || m_resetting || !model())
            return;
        if (m_userWidthTitles != titles()) {
            m_userWidths.clear();
            m_userWidthTitles = titles();
        }
        m_userWidths.insert(column, width);
    });

    QHeaderView* rows = verticalHeader();
    rows->setVisible(false);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    applyRowHeight();
}

void DataTableView::setModel(QAbstractItemModel* model)
{
    if (QAbstractItemModel* old = this->model())
        disconnect(old, nullptr, this, nullptr);
    QTableView::setModel(model);
    if (!model)
        return;
    // The header starts its sections over on a reset before these run.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_resetting = true; });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        m_resetting = false;
        fitColumns();
    });
    connect(model, &QAbstractItemModel::rowsInserted, this, &DataTableView::fitColumns);
    connect(model, &QAbstractItemModel::columnsInserted, this, &DataTableView::fitColumns);
    connect(model, &QAbstractItemModel::dataChanged, this, &DataTableView::fitColumns);
    connect(model, &QAbstractItemModel::headerDataChanged, this, &DataTableView::fitColumns);
    fitColumns();
}

QStringList DataTableView::titles() const
{
    QStringList list;
    const int columns = model() ? model()->columnCount() : 0;
    for (int c = 0; c < columns; ++c)
        list << model()->headerData(c, Qt::Horizontal).toString();
    return list;
}

int DataTableView::fittedWidth(int column, const QList<int>& rows) const
{
    int width = std::max(kColumnWidth, horizontalHeader()->sectionSizeHint(column));
    if (width >= kMaxFittedWidth)
        return kMaxFittedWidth;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int grid = showGrid() ? 1 : 0;
    for (int row : rows) {
        const QModelIndex index = model()->index(row, column);
        width = std::max(width, itemDelegateForIndex(index)->sizeHint(option, index).width() + grid);
        if (width >= kMaxFittedWidth)
            return kMaxFittedWidth;
    }
    return width;
}

void DataTableView::fitColumns()
{
    QAbstractItemModel* m = model();
    if (!m || m_resetting)
        return;
    const int columns = m->columnCount();
    const int rowCount = m->rowCount();
    if (columns == 0)
        return;
    if (!m_userWidths.isEmpty() && m_userWidthTitles != titles()) {
        m_userWidths.clear();
        m_userWidthTitles.clear();
    }
    QList<int> rows;
    if (rowCount <= kSampleRows) {
        for (int r = 0; r < rowCount; ++r)
            rows << r;
    } else {
        const int head = kSampleRows / 2;
        for (int r = 0; r < head; ++r)
            rows << r;
        const int spread = kSampleRows - head;
        for (int i = 1; i <= spread; ++i)
            rows << head + static_cast<int>((static_cast<qint64>(rowCount - head - 1) * i) / spread);
    }
    m_fitting = true;
    QHeaderView* header = horizontalHeader();
    for (int c = 0; c < columns; ++c) {
        const int width = m_userWidths.contains(c) ? m_userWidths.value(c) : fittedWidth(c, rows);
        if (header->sectionSize(c) != width)
            header->resizeSection(c, width);
    }
    m_fitting = false;
}

void DataTableView::applyRowHeight()
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void DataTableView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyRowHeight();
        fitColumns();
    }
}

}  // namespace vantrel
