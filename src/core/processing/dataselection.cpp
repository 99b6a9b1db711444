#include "dataselection.h"

#include "datafile/filetree.h"
#include "datafile/framestate.h"
#include "datafile/outputtables.h"
#include "messages.h"

namespace vantrel {

OperationReport SelectData(const FileTree& tree, OutputTables& tables, FrameState& frame)
{
    OperationReport report;
    tables.ClearResults();
    frame.SetDataSelected(false);
    const std::vector<int> ids = tree.CheckedRowIds();
    tables.Processing().ReserveRows(ids.size());
    for (int id : ids) {
        frame.SetDataSelected(true);
        tables.CopyToProcessing(static_cast<std::size_t>(id - 1));
    }
    if (ids.empty()) {
        report.Say(msg::kSelectInFilePane);
        report.stopped = true;
    }
    return report;
}

}  // namespace vantrel
