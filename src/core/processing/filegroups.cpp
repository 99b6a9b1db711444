#include "filegroups.h"

#include "datafile/datatable.h"
#include "numbers.h"

namespace vantrel {

std::vector<FileGroup> FileGroups(const DataTable& table)
{
    std::vector<FileGroup> groups;
    const std::size_t rows = table.RowCount();
    std::size_t start = 0;
    int current = 0;
    for (std::size_t r = 0; r < rows; ++r) {
        const int number = CAtoi(table.Cell(r, 0));
        if (r == 0) {
            current = number;
        } else if (number != current) {
            groups.push_back({start, r});
            start = r;
            current = number;
        }
    }
    if (rows > 0)
        groups.push_back({start, rows});
    return groups;
}

float ReadingAt(const DataTable& table, std::size_t row, std::size_t column)
{
    return static_cast<float>(CAtof(table.Cell(row, column)));
}

}  // namespace vantrel
