#pragma once

#include <cstddef>
#include <string_view>

namespace vantrel {

/// Receives what the data file reader finds besides the table rows: the
/// frequency column names and one call per accepted data row, made before
/// the row is appended to the Origin table.
class DataFileListener {
public:
    virtual ~DataFileListener() = default;
    virtual void AddFrequency(std::string_view name) = 0;
    /// A hint before the first row: about this many rows will follow.
    virtual void ExpectRows(std::size_t /*rows*/) {}
    virtual void AddRowItem(int fileNumber, std::string_view dateTime, int increment,
                            std::string_view incrementName, int mode, std::string_view modeName) = 0;
};

}  // namespace vantrel
