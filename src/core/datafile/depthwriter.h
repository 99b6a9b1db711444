#pragma once

#include "writeresult.h"

#include <string>

namespace vantrel {

class OutputTables;

/// Writes the Depth table as a depth data file (tab variant for ".dat",
/// comma variant for ".csv", both spelled in lower case).
class DepthWriter {
public:
    /// The path chosen in the save dialog with ".dat" / ".csv" appended for the
    /// first / second filter unless it already ends so (case-sensitive).
    static std::string TargetPath(const std::string& chosen, int filter);
    /// 1 when the path contains ".dat", else 2 when it contains ".csv", else 0.
    static int VariantForPath(const std::string& path);
    static WriteResult Save(const std::string& path, const OutputTables& tables);
};

}  // namespace vantrel
