#include "panes/cviewtree.h"

#include "panes/checkboxdelegate.h"
#include "panes/filetreemodel.h"

#include <QContextMenuEvent>
#include <QHeaderView>

namespace vantrel {

CViewTree::CViewTree(QWidget* parent) : QTreeView(parent), m_delegate(new CheckBoxDelegate(this))
{
    setObjectName(QStringLiteral("FileViewTree"));
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    // Items keep their whole text; a narrow pane scrolls sideways. The header
    // measures a bounded number of rows, so this stays cheap for big files.
    setTextElideMode(Qt::ElideNone);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setItemDelegate(m_delegate);
    connect(m_delegate, &CheckBoxDelegate::checkBoxClicked, this, [this](const QModelIndex& index) {
        if (FileTreeModel* model = fileTreeModel())
            model->ClickCheckBox(index);
    });
}

FileTreeModel* CViewTree::fileTreeModel() const
{
    return qobject_cast<FileTreeModel*>(model());
}

void CViewTree::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                            const QList<int>& roles)
{
    // The check boxes of a file's rows change together. The tree view works
    // out the area of such a range row by row, each through a search of the
    // laid-out items, which took seconds for a file of ten thousand rows even
    // while it was collapsed. Only the check boxes change, so the rows repaint
    // whole, and not at all under a collapsed file.
    if (topLeft != bottomRight && topLeft.parent().isValid() && roles == QList<int>{Qt::CheckStateRole}) {
        if (isExpanded(topLeft.parent()))
            viewport()->update();
        return;
    }
    QTreeView::dataChanged(topLeft, bottomRight, roles);
}

QRect CViewTree::checkBoxRect(const QModelIndex& index) const
{
    const QRect item = visualRect(index);
    if (item.isEmpty())
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = item;
    return m_delegate->checkRect(option, index);
}

void CViewTree::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint global = event->globalPos();
    if (event->reason() != QContextMenuEvent::Keyboard) {
        const QModelIndex hit = indexAt(event->pos());
        if (hit.isValid())
            setCurrentIndex(hit);
    } else {
        const QRect current = visualRect(currentIndex());
        global = viewport()->mapToGlobal(current.isValid() ? current.center() : QPoint(0, 0));
    }
    setFocus(Qt::OtherFocusReason);
    Q_EMIT contextMenuWanted(global);
    event->accept();
}

}  // namespace vantrel
