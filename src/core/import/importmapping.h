#pragma once

#include <string>
#include <vector>

namespace vantrel {

/// What a column of an imported text file becomes.
enum class ColumnRole { Other, FileNumber, Increment, Frequency, Ignore };

struct ImportColumn {
    ColumnRole role = ColumnRole::Other;
    double frequencyHz = 0;  ///< for a frequency column: its frequency in hertz
    bool operator==(const ImportColumn&) const = default;
};

/// How a text file outside the standard layout is read: a plain value that
/// is remembered per header, saved as JSON and replayed by a project.
struct ImportMapping {
    char separator = 0;  ///< between cells: '\t', ';', ',', ' ' or any other byte; 0: detected
    char decimal = '.';  ///< '.' or ','
    int headerLine = 1;  ///< 1-based line of the column titles; 0: the file has none
    int skipLines = 0;   ///< lines passed over after the header (units, comments)
    /// The roles of the columns by position; columns past the end are Other.
    std::vector<ImportColumn> columns;
    bool operator==(const ImportMapping&) const = default;
};

}  // namespace vantrel
