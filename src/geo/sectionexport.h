#pragma once

#include "sectiongrid.h"

#include <string>
#include <vector>

namespace vantrel::geo {

/// The grid file formats, each written by its GDAL driver.
enum class GridFormat { SurferText, SurferBinary, Surfer7, GeoTiff, EsriAscii, XyzCsv };
enum class ContourFormat { GeoJson, Dxf, Shapefile };

template <typename Format>
struct FileFormatInfo {
    Format format;
    const char* key;        ///< the command line's name ("gsag")
    const char* name;       ///< what the file dialog lists ("Surfer 6 text grid")
    const char* extension;  ///< the extension it writes, with its dot
    const char* others;     ///< further extensions read as this format, space-separated, or ""
};
using GridFormatInfo = FileFormatInfo<GridFormat>;
using ContourFormatInfo = FileFormatInfo<ContourFormat>;

const std::vector<GridFormatInfo>& GridFormats();
const std::vector<ContourFormatInfo>& ContourFormats();

/// The format a path's extension (any letter case) names; ".grd" is the
/// Surfer 6 text grid. nullptr for an unknown or missing extension.
const GridFormatInfo* GridFormatForPath(const std::string& path);
const ContourFormatInfo* ContourFormatForPath(const std::string& path);
/// The format of a command-line name, or nullptr.
const GridFormatInfo* GridFormatNamed(const std::string& key);

/// A path's extension as it is written (".GRD"), or empty.
std::string PathExtension(const std::string& path);

/// The known extensions for a message: ".grd, .tif, .tiff, .asc and .csv".
std::string KnownGridExtensions();
std::string KnownContourExtensions();

struct ExportResult {
    bool ok = false;
    std::string message;  ///< names the file and why it was not written; empty when ok
};

/// Writes a grid whole or not at all. X is the position along the line in
/// metres, Y the depth negative down (as elevations), one float32 band with
/// NoData where the grid is blank. The format is `format`, or by the path's
/// extension when it is nullptr. The XYZ table has the columns "position",
/// "depth" and "value", one row per node that is not blank, shallow rows
/// first, numbers in their shortest form.
ExportResult ExportSectionGrid(const SectionGrid& grid, const std::string& path,
                               const GridFormatInfo* format = nullptr);

/// Writes the contour lines of a grid at `levels` whole or not at all, the
/// format by the path's extension: lines with the "level" attribute (and an
/// "id"); DXF, which has no attributes, takes the level as each line's Z.
/// No levels, or no line at any of them, is a message and writes nothing.
ExportResult ExportSectionContours(const SectionGrid& grid, const std::vector<double>& levels,
                                   const std::string& path);

}  // namespace vantrel::geo
