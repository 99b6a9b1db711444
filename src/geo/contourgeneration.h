#pragma once

#include "sectiongrid.h"

#include <ogr_api.h>

#include <string>
#include <vector>

namespace vantrel::geo {

class GridDataset;

/// Field names of the contour layers.
inline constexpr const char* kContourIdField = "id";
inline constexpr const char* kContourLevelField = "level";

/// Adds the "id" (integer) and "level" (real) fields to `layer` and the
/// contour lines of `grid` at `levels` as its features (with Z = level when
/// the layer is 3D). Returns GDAL's reason on failure, empty on success;
/// `cancelled` is set when `progress` stopped it.
std::string GenerateContours(const GridDataset& grid, const std::vector<double>& levels, OGRLayerH layer,
                             const GridProgress& progress, bool* cancelled);

/// GDAL carries a line on to the outer cells' edges, half a cell beyond the
/// readings: this stops it at the outer nodes, where the grid ends.
void KeepWithinNodes(OGRGeometryH line, const SectionGrid& grid);

}  // namespace vantrel::geo
