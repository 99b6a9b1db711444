#pragma once

#include <QStyledItemDelegate>

namespace vantrel {

/// The file view tree's delegate: a mouse click on an item's check box is
/// reported through checkBoxClicked() instead of toggling the one item, so the
/// tree can propagate it; the keyboard (Space) still toggles the item alone.
class CheckBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    /// Where the style draws the check box of `index` inside `option.rect`.
    QRect checkRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

Q_SIGNALS:
    void checkBoxClicked(const QModelIndex& index);
};

}  // namespace vantrel
