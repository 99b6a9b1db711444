#pragma once

#include "operationreport.h"

namespace vantrel {

class OutputTables;

/// Field-source processing of the Processing table, file group by file group:
/// clips every frequency column (factor 3.0, more than 6 readings) and scales
/// it so that its largest reading equals the largest reading seen so far in
/// the run (plus 1 while that is below 1). Readings are written with "%0.4f".
/// A group of more than 200 rows is processed on its last 200 rows, with a
/// message. Counts the groups into m_nFieldGroups.
OperationReport ProcessFieldSource(OutputTables& tables);

}  // namespace vantrel
