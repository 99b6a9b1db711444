#pragma once

#include <cstddef>
#include <vector>

namespace vantrel {

class DataTable;

/// The rows of `table` whose first cell reads (as atoi) as `file`, in table
/// order. The whole table is scanned, on two threads; a depth table repeats
/// each processing row's first cell once per band as the same reference, so
/// a reference seen before is answered without reading its text again.
std::vector<std::size_t> RowsOfFile(const DataTable& table, int file);

}  // namespace vantrel
