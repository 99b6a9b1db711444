#pragma once

#include "operationreport.h"

namespace vantrel {

class FileTree;
class FrameState;
class OutputTables;

/// Choosing data: empties the Processing and Depth tables and copies the
/// checked rows of the file view into the Processing table, file item by file
/// item in tree order, rows in load order. Sets the frame's data-selected flag
/// when at least one row was copied, and says so when none was.
OperationReport SelectData(const FileTree& tree, OutputTables& tables, FrameState& frame);

}  // namespace vantrel
