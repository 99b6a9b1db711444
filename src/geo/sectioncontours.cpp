#include "sectioncontours.h"

#include "contourgeneration.h"
#include "gdalerrortrap.h"
#include "griddataset.h"

#include <gdal_alg.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace vantrel::geo {

namespace {

struct ProgressState {
    const GridProgress* progress;
    bool stopped = false;
};

int CPL_STDCALL ContourProgress(double complete, const char*, void* data)
{
    auto* state = static_cast<ProgressState*>(data);
    if (*state->progress && !(*state->progress)(complete))
        state->stopped = true;
    return state->stopped ? FALSE : TRUE;
}

}  // namespace

void KeepWithinNodes(OGRGeometryH line, const SectionGrid& grid)
{
    const double xLast = grid.X(grid.columns - 1);
    const double yLast = -grid.Depth(grid.rows - 1);
    const bool flat = OGR_G_GetCoordinateDimension(line) == 2;
    for (int i = 0; i < OGR_G_GetPointCount(line); ++i) {
        const double x = std::clamp(OGR_G_GetX(line, i), std::min(grid.x0, xLast), std::max(grid.x0, xLast));
        const double y =
            std::clamp(OGR_G_GetY(line, i), std::min(-grid.depth0, yLast), std::max(-grid.depth0, yLast));
        if (flat)
            OGR_G_SetPoint_2D(line, i, x, y);
        else
            OGR_G_SetPoint(line, i, x, y, OGR_G_GetZ(line, i));
    }
}

std::string GenerateContours(const GridDataset& grid, const std::vector<double>& levels, OGRLayerH layer,
                             const GridProgress& progress, bool* cancelled)
{
    *cancelled = false;
    if (!grid.Handle())
        return "the grid could not be held in memory";
    {
        // A layer without attributes (DXF) keeps the lines without them.
        GdalErrorTrap ignored;
        for (const auto& [name, type] :
             {std::pair{kContourIdField, OFTInteger}, std::pair{kContourLevelField, OFTReal}}) {
            OGRFieldDefnH field = OGR_Fld_Create(name, type);
            OGR_L_CreateField(layer, field, TRUE);
            OGR_Fld_Destroy(field);
        }
    }
    GdalErrorTrap trap;
    OGRFeatureDefnH definition = OGR_L_GetLayerDefn(layer);
    const int idField = OGR_FD_GetFieldIndex(definition, kContourIdField);
    const int levelField = OGR_FD_GetFieldIndex(definition, kContourLevelField);
    std::string fixed = "FIXED_LEVELS=";
    for (std::size_t i = 0; i < levels.size(); ++i) {
        char number[40];
        std::snprintf(number, sizeof number, "%.17g", levels[i]);
        fixed += (i > 0 ? "," : "") + std::string(number);
    }
    char noData[64];
    std::snprintf(noData, sizeof noData, "NODATA=%.17g", grid.NoData());
    const std::string idOption = "ID_FIELD=" + std::to_string(idField);
    const std::string levelOption = "ELEV_FIELD=" + std::to_string(levelField);
    std::vector<const char*> options = {fixed.c_str(), noData};
    if (idField >= 0)
        options.push_back(idOption.c_str());
    if (levelField >= 0)
        options.push_back(levelOption.c_str());
    options.push_back(nullptr);
    ProgressState state{&progress};
    if (GDALContourGenerateEx(grid.Band(), layer, options.data(), ContourProgress, &state) != CE_None) {
        *cancelled = state.stopped;
        return trap.Reason("GDAL gave no reason");
    }
    return {};
}

ContourResult ContourSection(const SectionGrid& grid, const std::vector<double>& levels,
                             const GridProgress& progress)
{
    ContourResult result;
    if (grid.Empty() || levels.empty())
        return result;
    GdalErrorTrap trap;
    const GridDataset dataset(grid);
    GDALDatasetH memory = GDALCreate(GDALGetDriverByName("Memory"), "", 0, 0, 0, GDT_Unknown, nullptr);
    if (!memory) {
        result.message = trap.Reason("no memory layer for the contours");
        return result;
    }
    OGRLayerH layer = GDALDatasetCreateLayer(memory, "contours", nullptr, wkbLineString, nullptr);
    bool cancelled = false;
    const std::string reason = layer ? GenerateContours(dataset, levels, layer, progress, &cancelled)
                                     : trap.Reason("no contour layer");
    if (!reason.empty()) {
        result.cancelled = cancelled;
        if (!cancelled)
            result.message = "The contours could not be made: " + reason;
        GDALClose(memory);
        return result;
    }
    const int levelField = OGR_FD_GetFieldIndex(OGR_L_GetLayerDefn(layer), kContourLevelField);
    OGR_L_ResetReading(layer);
    for (OGRFeatureH feature; (feature = OGR_L_GetNextFeature(layer)) != nullptr;) {
        OGRGeometryH geometry = OGR_F_GetGeometryRef(feature);
        const int count = geometry ? OGR_G_GetPointCount(geometry) : 0;
        if (count >= 2) {
            ContourLine line;
            line.level = OGR_F_GetFieldAsDouble(feature, levelField);
            line.points.reserve(static_cast<std::size_t>(count));
            KeepWithinNodes(geometry, grid);
            for (int i = 0; i < count; ++i) {
                const ContourPoint point{OGR_G_GetX(geometry, i), -OGR_G_GetY(geometry, i)};
                if (line.points.empty() || line.points.back().x != point.x ||
                    line.points.back().depth != point.depth)
                    line.points.push_back(point);
            }
            result.lines.push_back(std::move(line));
        }
        OGR_F_Destroy(feature);
    }
    GDALClose(memory);
    return result;
}

}  // namespace vantrel::geo
