#include "cownerlistctrl.h"

#include "markedcelldelegate.h"

namespace vantrel {

COwnerListCtrl::COwnerListCtrl(std::map<int, int>& marks, QWidget* parent)
    : DataTableView(parent)
    , m_marks(marks)
{
    setItemDelegate(new MarkedCellDelegate(this));
}

void COwnerListCtrl::ClearMarks()
{
    m_marks.clear();
    viewport()->update();
}

}  // namespace vantrel
