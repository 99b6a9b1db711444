#pragma once

#include "datatableview.h"

#include <map>

namespace vantrel {

/// The Origin table's view: a data table whose marked cells (the mark table,
/// one column per row) are drawn white on red.
class COwnerListCtrl : public DataTableView {
    Q_OBJECT
public:
    /// `marks` is the core's mark table; the view does not own it.
    explicit COwnerListCtrl(std::map<int, int>& marks, QWidget* parent = nullptr);

    void ClearMarks();

private:
    std::map<int, int>& m_marks;
};

}  // namespace vantrel
