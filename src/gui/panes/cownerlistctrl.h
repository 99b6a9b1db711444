#pragma once

#include "panes/datatableview.h"

namespace vantrel {

/// The Origin table's view: a data table whose marked cells (the mark table,
/// one column per row) are drawn white on red.
class COwnerListCtrl : public DataTableView {
    Q_OBJECT
public:
    explicit COwnerListCtrl(QWidget* parent = nullptr);
};

}  // namespace vantrel
