#include "panes/cownerlistctrl.h"

#include "panes/markedcelldelegate.h"

namespace vantrel {

COwnerListCtrl::COwnerListCtrl(QWidget* parent) : DataTableView(parent)
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

}  // namespace vantrel
