#pragma once

#include <QTreeView>

namespace vantrel {

class CheckBoxDelegate;
class FileTreeModel;

/// The check-box tree of the file view. A mouse click on a check box goes
/// through the model's propagation (FileTreeModel::ClickCheckBox); Space
/// toggles the current item alone. A context-menu request first makes the
/// item under the pointer current.
class CViewTree : public QTreeView {
    Q_OBJECT
public:
    explicit CViewTree(QWidget* parent = nullptr);

    FileTreeModel* fileTreeModel() const;

    /// The check box of `index` in viewport coordinates (empty when the item
    /// is not laid out).
    QRect checkBoxRect(const QModelIndex& index) const;

Q_SIGNALS:
    /// The menu is wanted at this screen position.
    void contextMenuWanted(const QPoint& globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    CheckBoxDelegate* m_delegate;
};

}  // namespace vantrel
