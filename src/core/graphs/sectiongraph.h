#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vantrel {

class DataTable;

/// What a pseudo-section shows: the readings of one file of the Depth table
/// on a grid of positions (across) and heights (down).
///
/// `values` holds one row per height and one column per position, row-major;
/// a cell that no Depth row reached is not-a-number.
struct SectionGraph {
    std::string title;
    std::string valueTitle;      ///< the title of the readings' column
    int file = 0;                ///< the file number drawn
    std::vector<float> x;        ///< distinct positions, ascending
    std::vector<float> heights;  ///< distinct heights, shallow to deep (descending)
    std::vector<float> depths;   ///< the same bands as depths in metres (minus the heights), ascending
    std::vector<float> values;
    /// Depth rows of the file left out because their height or reading holds no number.
    std::size_t skippedRows = 0;

    float Value(std::size_t height, std::size_t position) const
    {
        return values[height * x.size() + position];
    }
    bool Empty() const { return x.empty() || heights.empty(); }
};

/// The pseudo-section of the first file of the Depth table (the file number
/// of row 0, as the vertical profile takes it), titled "File%d Pseudo-section".
///
/// Positions come from column 1, heights from "Height(H)" and readings from
/// "Value(V)". Heights closer than 0.01 to the first height of their group
/// (groups formed from shallow to deep) are one height, named by the group's
/// value that occurs first in the table. A height cell holding a column title
/// (a depth column such as "12-5": a sign-less number followed by '-') is the
/// depth in metres that the title starts with, so its height is minus that
/// number. Several rows on one cell give their mean (summed in double, stored
/// as float). Rows whose height or reading is empty or holds no number are
/// skipped and counted; nothing is invented for cells without a row.
SectionGraph PseudoSection(const DataTable& depth);
/// The pseudo-section of file number `file` of the Depth table, by the same
/// rules; a file without rows gives an empty section under its title.
SectionGraph PseudoSection(const DataTable& depth, int file);

/// The file numbers of the Depth table's rows (column 0 as atoi), each once,
/// in the order they first occur.
std::vector<int> SectionFiles(const DataTable& depth);
/// What to say when file `file` is asked for and the Depth table holds only
/// `files`: "The depth table has no file 7; its files are 1, 2 and 3.", or
/// "The depth table holds no file yet: calculate the depth data first."
std::string NoSuchSectionFile(int file, const std::vector<int>& files);

/// The smallest and largest finite reading ("Value(V)") of every file of the
/// Depth table; `any` is false when there is none.
struct ReadingRange {
    bool any = false;
    float lower = 0;
    float upper = 0;
};
ReadingRange SectionReadingRange(const DataTable& depth);

/// The cell edges of uneven centres: each cell reaches halfway to its
/// neighbours; the outer cells reach as far out as in. Edges ascend with the
/// centres given ascending. A single centre gets a cell of width 1.
std::vector<double> CellEdges(const std::vector<double>& centres);

/// A uniform grid of cells that draws a section whose positions and heights
/// are unevenly spaced: each fine cell takes the value of the section cell
/// its centre falls in. Row 0 is the deepest (lowest height).
struct SectionRaster {
    int columns = 0;
    int rows = 0;
    double xLower = 0, xUpper = 1;  ///< outer edges of the first and last position
    double yLower = 0, yUpper = 1;  ///< outer edges of the deepest and the shallowest height
    std::vector<float> cells;       ///< rows x columns, row-major; not-a-number = no reading
};

/// Lays a section on a uniform grid fine enough that the narrowest position
/// column and height band each get at least one cell (two when spacing is
/// uneven; evenly spaced bands get a whole number of cells each), at least
/// 256 cells each way where the limits allow, within `maxColumns` x
/// `maxRows`. A section of more positions than `maxColumns` is sampled.
///
/// With `interpolate`, a fine row between the centres of two heights that
/// both have a reading at that position blends them linearly in the
/// logarithm of the depth (minus the height; linearly in depth where a depth
/// is not above 0). Anything else keeps its own band's reading or none.
SectionRaster RasterizeSection(const SectionGraph& graph, bool interpolate, int maxColumns = 4096,
                               int maxRows = 1024);

/// Where a section's colour range comes from.
enum class SectionRangeMode {
    Automatic,  ///< the section's own smallest to largest reading
    Fixed,      ///< the range the user gives
    EveryFile,  ///< the range of every file's readings, so sections of several files compare
};

/// The colours' scale and range.
struct SectionColourScale {
    /// Why a logarithmic scale that was asked for is linear.
    enum class Linear { AsAsked, ReadingsNotPositive, RangeNotPositive };
    bool logarithmic = false;
    float lower = 0;
    float upper = 1;
    Linear because = Linear::AsAsked;
};

/// The colour scale of a section. `wantLogarithmic` asks for a logarithmic
/// scale; it is given only when every reading (and a fixed range) is above 0,
/// otherwise the scale is linear and `because` says why. Without a fixed range
/// the range is the smallest to the largest reading, widened when they are
/// equal; a fixed range is taken in either order. An empty section gives 0 to 1
/// (1 to 10 when logarithmic).
SectionColourScale ChooseSectionColourScale(const SectionGraph& graph, bool wantLogarithmic, bool fixedRange,
                                            float fixedLower = 0, float fixedUpper = 1);
/// The same with the range taken by `mode`. EveryFile uses `everyFile` (from
/// SectionReadingRange) as the readings' range: a logarithmic scale falls
/// back to linear, `ReadingsNotPositive`, when its lower end is 0 or below;
/// without any reading it behaves as Automatic.
SectionColourScale ChooseSectionColourScale(const SectionGraph& graph, bool wantLogarithmic,
                                            SectionRangeMode mode, float fixedLower, float fixedUpper,
                                            const ReadingRange& everyFile);

/// The height band of the section that holds the height `y`, or -1 outside them.
int SectionHeightAt(const SectionGraph& graph, double y);
/// The position column of the section that holds `x`, or -1 outside them.
int SectionPositionAt(const SectionGraph& graph, double x);

}  // namespace vantrel
