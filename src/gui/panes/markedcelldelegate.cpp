#include "panes/markedcelldelegate.h"

#include "panes/datatablemodel.h"

namespace vantrel {

void MarkedCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(DataTableModel::MarkedRole).toBool()) {
        // Unmarked cells are black on white in every look; a selected row
        // keeps the look's highlight.
        if (!(option->state & QStyle::State_Selected))
            option->backgroundBrush = QColor(Qt::white);
        option->palette.setColor(QPalette::Text, QColor(Qt::black));
        return;
    }
    option->state &= ~QStyle::State_Selected;
    option->backgroundBrush = QColor(255, 0, 0);
    option->palette.setColor(QPalette::Text, QColor(255, 255, 255));
    option->palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
}

}  // namespace vantrel
