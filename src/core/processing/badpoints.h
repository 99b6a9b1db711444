#pragma once

#include "operationreport.h"

namespace vantrel {

class OutputTables;

/// Bad point search on the Origin table: for every frequency column and file
/// group, clips the spikes of the group's first 200 readings (factor 3.0, only
/// for more than 6 readings) and writes every reading it read back with "%f".
/// Then marks, in each row, the first frequency cell that CorrectBadPoints
/// would change with the current deviation factor, and says so when any is.
OperationReport SearchBadPoints(OutputTables& tables);

/// Bad point correction on the Origin table, file group by file group: a
/// reading further than mean * k from its group's column mean is pulled to
/// mean +- (mean * k - 0.0001); a reading below 0.0001 in size takes the
/// column's lowest reading above 0.00001 (9000 / 900000 when there is none).
/// Changed cells are written with "%0.4f". Clears the marks first. Works on
/// at most 200 frequency columns and lowers the count to 200 for good.
OperationReport CorrectBadPoints(OutputTables& tables);

}  // namespace vantrel
