#include "sectionexport.h"

#include "contourgeneration.h"
#include "gdalerrortrap.h"
#include "griddataset.h"
#include "stagedoutput.h"

#include <cpl_conv.h>
#include <gdal.h>
#include <ogr_api.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace vantrel::geo {

namespace {

const char* DriverOf(GridFormat format)
{
    switch (format) {
    case GridFormat::SurferText: return "GSAG";
    case GridFormat::SurferBinary: return "GSBG";
    case GridFormat::Surfer7: return "GS7BG";
    case GridFormat::GeoTiff: return "GTiff";
    case GridFormat::EsriAscii: return "AAIGrid";
    case GridFormat::XyzCsv: return "CSV";
    }
    return "";
}

/// The driver's creation options. Float32 values printed to nine significant
/// digits read back exactly; the ESRI writer's default of twenty printed
/// every binary digit ("127.73600006103515625") in twice the bytes.
char** CreationOptionsOf(GridFormat format)
{
    static const char* esri[] = {"SIGNIFICANT_DIGITS=9", nullptr};
    return format == GridFormat::EsriAscii ? const_cast<char**>(esri) : nullptr;
}

const char* DriverOf(ContourFormat format)
{
    switch (format) {
    case ContourFormat::GeoJson: return "GeoJSON";
    case ContourFormat::Dxf: return "DXF";
    case ContourFormat::Shapefile: return "ESRI Shapefile";
    }
    return "";
}

std::string Shortest(double value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    return std::string(buffer, end);
}

std::string Shortest(float value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    return std::string(buffer, end);
}

/// Places on the line to the micrometre, so 0.1 steps print as 0.1.
double Micrometres(double metres)
{
    return std::round(metres * 1e6) / 1e6;
}

/// The XYZ table through GDAL's CSV driver; GDAL's reason, or empty.
std::string WriteXyz(const SectionGrid& grid, const std::string& path)
{
    GdalErrorTrap trap;
    const char* options[] = {"STRING_QUOTING=IF_NEEDED", nullptr};
    GDALDatasetH dataset =
        GDALCreate(GDALGetDriverByName("CSV"), path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
    if (!dataset)
        return trap.Reason("the file could not be created");
    OGRLayerH layer =
        GDALDatasetCreateLayer(dataset, "section", nullptr, wkbNone, const_cast<char**>(options));
    std::string reason;
    if (!layer)
        reason = trap.Reason("the table could not be made");
    for (const char* name : {"position", "depth", "value"}) {
        if (!reason.empty())
            break;
        OGRFieldDefnH field = OGR_Fld_Create(name, OFTString);
        if (OGR_L_CreateField(layer, field, TRUE) != OGRERR_NONE)
            reason = trap.Reason("the table's columns could not be made");
        OGR_Fld_Destroy(field);
    }
    // One feature carries every row in turn; the positions are worked out once.
    OGRFeatureH feature = reason.empty() ? OGR_F_Create(OGR_L_GetLayerDefn(layer)) : nullptr;
    std::vector<std::string> positions;
    for (int c = 0; c < grid.columns; ++c)
        positions.push_back(Shortest(Micrometres(grid.X(c))));
    for (int r = 0; r < grid.rows && reason.empty(); ++r) {
        const std::string depth = Shortest(Micrometres(-grid.Depth(r)));
        OGR_F_SetFieldString(feature, 1, depth.c_str());
        for (int c = 0; c < grid.columns && reason.empty(); ++c) {
            const float v = grid.Value(r, c);
            if (!std::isfinite(v))
                continue;
            OGR_F_SetFID(feature, OGRNullFID);
            OGR_F_SetFieldString(feature, 0, positions[static_cast<std::size_t>(c)].c_str());
            OGR_F_SetFieldString(feature, 2, Shortest(v).c_str());
            if (OGR_L_CreateFeature(layer, feature) != OGRERR_NONE)
                reason = trap.Reason("a row could not be written");
        }
    }
    if (feature)
        OGR_F_Destroy(feature);
    GDALClose(dataset);
    if (reason.empty() && trap.Failed())
        reason = trap.Reason("GDAL gave no reason");
    return reason;
}

/// GDAL's own side files (.aux.xml) are not written while it lives: every
/// format keeps what it needs in the file.
class NoSideFiles {
public:
    NoSideFiles() { CPLSetThreadLocalConfigOption("GDAL_PAM_ENABLED", "NO"); }
    ~NoSideFiles() { CPLSetThreadLocalConfigOption("GDAL_PAM_ENABLED", nullptr); }
    NoSideFiles(const NoSideFiles&) = delete;
    NoSideFiles& operator=(const NoSideFiles&) = delete;
};

/// The contour lines of a memory layer written into a new file; GDAL's
/// reason, or empty. DXF lines carry the level as their Z.
std::string CopyContours(OGRLayerH lines, const SectionGrid& grid, ContourFormat format,
                         const std::string& path)
{
    GdalErrorTrap trap;
    GDALDatasetH file =
        GDALCreate(GDALGetDriverByName(DriverOf(format)), path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
    if (!file)
        return trap.Reason("the file could not be created");
    const bool dxf = format == ContourFormat::Dxf;
    OGRLayerH layer =
        GDALDatasetCreateLayer(file, "contours", nullptr, dxf ? wkbLineString25D : wkbLineString, nullptr);
    std::string reason;
    if (!layer)
        reason = trap.Reason("the contour layer could not be made");
    OGRFeatureDefnH source = OGR_L_GetLayerDefn(lines);
    for (int i = 0; reason.empty() && !dxf && i < OGR_FD_GetFieldCount(source); ++i)
        if (OGR_L_CreateField(layer, OGR_FD_GetFieldDefn(source, i), FALSE) != OGRERR_NONE)
            reason = trap.Reason("the contour attributes could not be made");
    const int levelField = OGR_FD_GetFieldIndex(source, kContourLevelField);
    OGR_L_ResetReading(lines);
    for (OGRFeatureH from; reason.empty() && (from = OGR_L_GetNextFeature(lines)) != nullptr;) {
        OGRFeatureH to = OGR_F_Create(OGR_L_GetLayerDefn(layer));
        OGRGeometryH line = OGR_G_Clone(OGR_F_GetGeometryRef(from));
        KeepWithinNodes(line, grid);
        if (dxf) {
            const double level = OGR_F_GetFieldAsDouble(from, levelField);
            for (int p = 0; p < OGR_G_GetPointCount(line); ++p)
                OGR_G_SetPoint(line, p, OGR_G_GetX(line, p), OGR_G_GetY(line, p), level);
        } else {
            OGR_F_SetFrom(to, from, TRUE);
        }
        OGR_F_SetGeometryDirectly(to, line);
        if (OGR_L_CreateFeature(layer, to) != OGRERR_NONE)
            reason = trap.Reason("a contour line could not be written");
        OGR_F_Destroy(to);
        OGR_F_Destroy(from);
    }
    GDALClose(file);
    if (reason.empty() && trap.Failed())
        reason = trap.Reason("GDAL gave no reason");
    return reason;
}

// Puts the staged file in place when nothing failed; otherwise the staged
// file goes and the message says why, after `failed`.
ExportResult Finish(StagedOutput& output, std::string reason, const std::string& failed)
{
    ExportResult result;
    if (reason.empty())
        output.Commit(&reason);
    if (!reason.empty()) {
        result.message = failed + output.Explained(reason) + (reason.back() == '.' ? "" : ".");
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace

ExportResult ExportSectionGrid(const SectionGrid& grid, const std::string& path, const GridFormatInfo* format)
{
    ExportResult result;
    if (!format)
        format = GridFormatForPath(path);
    if (!format) {
        result.message =
            path + ": unknown grid file extension; the known ones are " + KnownGridExtensions() + ".";
        return result;
    }
    const std::string failed = "The grid could not be written to " + path + ": ";
    if (grid.Empty()) {
        result.message = failed + "the section has no readings.";
        return result;
    }
    StagedOutput output(path, PathExtension(path));
    if (!output.Refusal().empty()) {
        result.message = failed + output.Refusal() + ".";
        return result;
    }
    std::string reason;
    if (format->format == GridFormat::XyzCsv) {
        reason = WriteXyz(grid, output.TemporaryPath());
    } else {
        GdalErrorTrap trap;
        const GridDataset dataset(grid);
        const NoSideFiles noSideFiles;
        GDALDatasetH written = dataset.Handle()
            ? GDALCreateCopy(GDALGetDriverByName(DriverOf(format->format)), output.TemporaryPath().c_str(),
                             dataset.Handle(), FALSE, CreationOptionsOf(format->format), nullptr, nullptr)
            : nullptr;
        if (written)
            GDALClose(written);
        // A warning (cells that are not square for the ESRI grid) is no failure.
        if (!written || trap.Failed())
            reason = trap.Reason("GDAL gave no reason");
    }
    return Finish(output, reason, failed);
}

ExportResult ExportSectionContours(const SectionGrid& grid, const std::vector<double>& levels,
                                   const std::string& path)
{
    ExportResult result;
    const ContourFormatInfo* format = ContourFormatForPath(path);
    if (!format) {
        result.message =
            path + ": unknown contour file extension; the known ones are " + KnownContourExtensions() + ".";
        return result;
    }
    if (grid.Empty() || levels.empty()) {
        result.message = "No contour lines were written to " + path + ": " +
            (grid.Empty() ? "the section has no readings."
                          : "there are no levels (every reading is the same).");
        return result;
    }
    const std::string failed = "The contours could not be written to " + path + ": ";
    StagedOutput output(path, PathExtension(path));
    if (!output.Refusal().empty()) {
        result.message = failed + output.Refusal() + ".";
        return result;
    }
    std::string reason;
    {
        GdalErrorTrap trap;
        const GridDataset dataset(grid);
        // Made in memory first: a line count before anything is written.
        GDALDatasetH memory = GDALCreate(GDALGetDriverByName("Memory"), "", 0, 0, 0, GDT_Unknown, nullptr);
        OGRLayerH lines =
            memory ? GDALDatasetCreateLayer(memory, "contours", nullptr, wkbLineString, nullptr) : nullptr;
        bool cancelled = false;
        reason = lines ? GenerateContours(dataset, levels, lines, {}, &cancelled)
                       : trap.Reason("no memory layer for the contours");
        if (reason.empty() && OGR_L_GetFeatureCount(lines, TRUE) == 0) {
            GDALClose(memory);
            result.message = "No contour lines were written to " + path +
                ": none of the levels lies between the lowest and the highest reading.";
            return result;
        }
        if (reason.empty())
            reason = CopyContours(lines, grid, format->format, output.TemporaryPath());
        if (memory)
            GDALClose(memory);
    }
    return Finish(output, reason, failed);
}

}  // namespace vantrel::geo
