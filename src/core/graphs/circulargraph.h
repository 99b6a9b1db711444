#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class DataTable;

/// Where a circular chart sits in its chart window, in pixels.
struct GridCell {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// The circular charts' grid: three columns of 336 x 336 cells, filled row by
/// row, in a scrolling area 1008 pixels wide and ((count + 2) / 3) * 336 + 1
/// high. No cells and no scroll size for count 0.
struct CircularGrid {
    std::vector<GridCell> cells;
    int scrollWidth = 0;
    int scrollHeight = 0;
};
CircularGrid CircularGridOf(std::uint32_t count);

/// One polar chart: readings at 0, 45, ... 315 degrees and the banner text.
struct CircularChart {
    static constexpr float kAngleStep = 45.0f;  ///< value i lies at i * kAngleStep degrees
    std::array<float, 8> values{};
    std::string label;
    GridCell cell;
};

struct CircularGraph {
    std::string title;
    std::vector<CircularChart> charts;
    int scrollWidth = 0;
    int scrollHeight = 0;
};

/// The banner of a circular chart: the frequency with one decimal and "Hz"
/// ("m" for a dash column), a line break, then "β=" and largest / smallest
/// reading (float) with two decimals, or "β=--" when that ratio is not a
/// number one can show (a smallest reading of 0).
std::string CircularLabel(std::string_view title, double frequency, float lowest, float highest);

/// The circular graph: one chart per frequency column of the Processing
/// table, in header order, from the readings of its first four rows, laid
/// out in the grid of `frequencyColumns` cells. Nothing is drawn (no chart,
/// the window's first title "环形图") unless the Processing table has at
/// least 4 rows, the Depth table has columns and there is a frequency column.
CircularGraph CircularGraphData(const DataTable& processing, std::size_t depthColumns, int frequencyColumns);

}  // namespace vantrel
