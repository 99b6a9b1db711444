#pragma once

#include "operationreport.h"

namespace vantrel {

class OutputTables;

/// The height for a frequency in Hz: -c * 503.5 * sqrt(rho / f), truncated
/// toward zero. rho / f and the root are single precision, the product double.
/// A height that is not finite or does not fit an int (f = 0, an unreadable
/// frequency, a negative resistivity) is INT_MIN.
int DepthHeight(float frequency, float resistivity, float coefficient);

/// True when the Depth table already has rows: the caller asks before
/// CalculateDepth replaces them.
bool DepthNeedsConfirmation(const OutputTables& tables);

/// Fills the Depth table from the Processing table: for each file group and
/// each "HZ" (or dash) column in header order, one row per row of the group
/// with its height (or the column title) and the reading. Replaces any rows the
/// Depth table had. Stops with a message when the Processing table is empty,
/// and silently when no file has been read.
OperationReport CalculateDepth(OutputTables& tables);

}  // namespace vantrel
