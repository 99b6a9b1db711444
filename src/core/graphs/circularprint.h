#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vantrel {

/// Printed circular graphs put six charts on a page, two columns by three
/// rows; chart key k goes on page k / 6 + 1 (pages count from 1).
inline constexpr int kPrintColumns = 2;
inline constexpr int kPrintRows = 3;
inline constexpr int kChartsPerPage = kPrintColumns * kPrintRows;

/// The pages that `charts` circular charts need: (charts - 1) / 6 + 1, and 0
/// when there is no chart. Never wraps, whatever the count.
std::uint64_t CircularPrintPageCount(std::size_t charts);

/// A rectangle on the page, in the printer's pixels from the top left of the
/// printable area.
struct PrintRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

/// Where chart `key` is drawn on page `page` of a printable area of `width`
/// x `height`: its cell is one of two columns of width / 2 and three rows of
/// height / 3, and the chart (of `chartWidth` x `chartHeight`) is scaled
/// evenly to fit the cell and centred in it. Nothing when the chart belongs
/// to another page or a size is not positive.
std::optional<PrintRect> CircularPrintCell(std::int64_t key, std::int64_t page, double width, double height,
                                           double chartWidth, double chartHeight);

}  // namespace vantrel
