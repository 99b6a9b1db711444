#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vantrel {
struct SectionGraph;
}

namespace vantrel::geo {

/// How a section's readings are laid on a regular grid.
enum class GridMethod {
    InverseDistance,  ///< inverse distance to the power 2, the nearest 12 readings
    Nearest,          ///< the nearest reading
    Linear,           ///< linear within the triangles between readings
    MeasuredCells,    ///< each reading fills its own cell, halfway to its neighbours
};

/// The methods in the order the chart editor lists them, with their names.
struct GridMethodInfo {
    GridMethod method;
    const char* key;   ///< the command line's name ("inverse-distance")
    const char* name;  ///< the name the user sees ("Inverse distance to a power")
};
const std::vector<GridMethodInfo>& GridMethods();
/// The method of a command-line key, or nullptr.
const GridMethodInfo* GridMethodNamed(const std::string& key);

/// A section on a regular grid of nodes: column `c` stands at position
/// `x0 + c * dx`, row `r` at depth `depth0 + r * dDepth` (metres, positive
/// down; row 0 is the shallowest). A blank node is not-a-number.
struct SectionGrid {
    std::string title;
    std::string valueTitle;
    int file = 0;
    int columns = 0;
    int rows = 0;
    double x0 = 0;
    double dx = 1;
    double depth0 = 0;
    double dDepth = 1;
    std::vector<float> values;  ///< rows x columns, row-major

    float Value(int row, int column) const
    {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                      static_cast<std::size_t>(column)];
    }
    double X(int column) const { return x0 + column * dx; }
    double Depth(int row) const { return depth0 + row * dDepth; }
    bool Empty() const { return columns == 0 || rows == 0; }
};

/// What GridSection made, or why it made nothing.
struct GridResult {
    SectionGrid grid;
    std::string message;  ///< empty when gridded
    bool cancelled = false;
    bool Ok() const { return message.empty() && !cancelled; }
};

/// Told the fraction done (0 to 1); returns false to stop.
using GridProgress = std::function<bool(double fraction)>;

/// Grids a section with GDAL's gridding (GDALGridCreate's algorithms).
///
/// The nodes span the measured area only: from the first to the last
/// position, from the shallowest to the deepest depth. Columns are spaced by
/// the median station spacing (halved while fewer than 64 columns, doubled
/// while more than 2048), rows by the median step between depths (halved
/// while fewer than 32 rows, doubled while more than 1024), each then
/// narrowed so the nodes end on the last position and the deepest depth.
/// Readings are gridded where one station spacing counts a quarter of one
/// step between neighbouring depths: a node between stations takes its value
/// from its own depth band, so layers stay level instead of forming rings
/// round every station, and the search reaches one depth step. A node is blank, never extrapolated, when at
/// either depth band around it the nearest readings on its two sides are further apart than two median
/// station spacings, or one side has none.
///
/// MeasuredCells is the section's own raster (RasterizeSection), blended
/// between depths when `blendDepths`; it reaches halfway beyond the outer
/// readings as the cells always did. The other methods need at least two
/// positions and two depths; a section without them gives a message.
GridResult GridSection(const SectionGraph& graph, GridMethod method, bool blendDepths = false,
                       const GridProgress& progress = {});

}  // namespace vantrel::geo
