#pragma once

#include <cstddef>
#include <vector>

namespace vantrel {

class DataTable;

/// A maximal run of consecutive rows with the same file number (atoi of column 0).
struct FileGroup {
    std::size_t begin = 0;
    std::size_t end = 0;  ///< one past the last row
    std::size_t Size() const { return end - begin; }
};

std::vector<FileGroup> FileGroups(const DataTable& table);

/// Readings as the processing reads them: atof, held as float.
float ReadingAt(const DataTable& table, std::size_t row, std::size_t column);

}  // namespace vantrel
