#pragma once

#include "panes/datatableview.h"

namespace vantrel {

class OutputTables;

/// The Origin table's view: a data table whose marked cells (the mark table,
/// one column per row) are drawn white on red.
class COwnerListCtrl : public DataTableView {
    Q_OBJECT
public:
    /// The marks are those of `tables`; the view does not own them.
    explicit COwnerListCtrl(OutputTables& tables, QWidget* parent = nullptr);

    void ClearMarks();

private:
    OutputTables& m_tables;
};

}  // namespace vantrel
