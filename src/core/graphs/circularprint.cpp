#include "circularprint.h"

#include <algorithm>

namespace vantrel {

std::uint64_t CircularPrintPageCount(std::size_t charts)
{
    if (charts == 0)
        return 0;
    return (static_cast<std::uint64_t>(charts) - 1) / kChartsPerPage + 1;
}

std::optional<PrintRect> CircularPrintCell(std::int64_t key, std::int64_t page, double width, double height,
                                           double chartWidth, double chartHeight)
{
    if (key < 0 || page < 1 || !(width > 0) || !(height > 0) || !(chartWidth > 0) || !(chartHeight > 0))
        return std::nullopt;
    const std::int64_t first = (page - 1) * kChartsPerPage;
    if (key < first || key >= first + kChartsPerPage)
        return std::nullopt;
    const std::int64_t slot = key - first;
    const double cellWidth = width / kPrintColumns;
    const double cellHeight = height / kPrintRows;
    const double scale = std::min(cellWidth / chartWidth, cellHeight / chartHeight);
    PrintRect r;
    r.width = chartWidth * scale;
    r.height = chartHeight * scale;
    r.x = static_cast<double>(slot % kPrintColumns) * cellWidth + (cellWidth - r.width) / 2;
    r.y = static_cast<double>(slot / kPrintColumns) * cellHeight + (cellHeight - r.height) / 2;
    return r;
}

}  // namespace vantrel
