#pragma once

#include <QStyledItemDelegate>

namespace vantrel {

/// Paints the cells a model flags with DataTableModel::MarkedRole in white on
/// red, also inside a selected row, so a marked reading stays visible.
class MarkedCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace vantrel
