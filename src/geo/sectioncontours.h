#pragma once

#include "sectiongrid.h"

#include <string>
#include <vector>

namespace vantrel::geo {

struct ContourPoint {
    double x;      ///< position along the line (m)
    double depth;  ///< metres, positive down
};

/// One piece of a contour line at one level; a closed line ends where it starts.
struct ContourLine {
    double level = 0;
    std::vector<ContourPoint> points;
};

struct ContourResult {
    std::vector<ContourLine> lines;
    std::string message;  ///< why contouring failed, empty when it did not
    bool cancelled = false;
    bool Ok() const { return message.empty() && !cancelled; }
};

/// The contour lines of a grid at `levels`, made by GDALContourGenerate over
/// the nodes (a line crosses between two nodes where the level lies between
/// their values, linearly; blank nodes break the lines). Levels outside the
/// readings give no line.
ContourResult ContourSection(const SectionGrid& grid, const std::vector<double>& levels,
                             const GridProgress& progress = {});

}  // namespace vantrel::geo
