#include "cownerlistctrl.h"

#include "markedcelldelegate.h"

namespace vantrel {

COwnerListCtrl::COwnerListCtrl(std::map<int, int>& marks, QWidget* parent)
    : DataTableView(parent)
    , m_marks(marks)
{
    setItemDelegate(new MarkedCellDelegate(this));
    // White under the rows too, whatever the look.
    QPalette white = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        white.setColor(group, QPalette::Base, Qt::white);
        white.setColor(group, QPalette::AlternateBase, Qt::white);
        white.setColor(group, QPalette::Text, Qt::black);
    }
    setPalette(white);
}

void COwnerListCtrl::ClearMarks()
{
    m_marks.clear();
    viewport()->update();
}

}  // namespace vantrel
