#include "cownerlistctrl.h"

#include "markedcelldelegate.h"

#include "datafile/outputtables.h"

namespace vantrel {

COwnerListCtrl::COwnerListCtrl(OutputTables& tables, QWidget* parent)
    : DataTableView(parent)
    , m_tables(tables)
{
    setItemDelegate(new MarkedCellDelegate(this));
}

void COwnerListCtrl::ClearMarks()
{
    m_tables.ClearMarks();
    viewport()->update();
}

}  // namespace vantrel
