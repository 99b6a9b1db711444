// The section's file formats and gridding methods by name: tables only, no
// GDAL, so option parsing and dialogs need not load it.
#include "sectionexport.h"
#include "sectiongrid.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vantrel::geo {

namespace {

std::string LowerExtension(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return extension;
}

}  // namespace

std::string PathExtension(const std::string& path)
{
    const std::string lower = LowerExtension(path);
    return path.substr(path.size() - lower.size());
}

namespace {

template <typename Info>
const Info* FormatForPath(const std::vector<Info>& formats, const std::string& path)
{
    const std::string extension = LowerExtension(path);
    if (extension.empty())
        return nullptr;
    for (const Info& info : formats) {
        if (extension == info.extension)
            return &info;
        const std::string others = std::string(" ") + info.others + " ";
        if (others.find(" " + extension + " ") != std::string::npos)
            return &info;
    }
    return nullptr;
}

template <typename Info>
std::string KnownExtensions(const std::vector<Info>& formats)
{
    std::vector<std::string> all;
    for (const Info& info : formats) {
        std::string list = std::string(info.extension) + " " + info.others;
        for (std::size_t at = 0; at < list.size();) {
            const std::size_t end = std::min(list.find(' ', at), list.size());
            const std::string one = list.substr(at, end - at);
            if (!one.empty() && std::find(all.begin(), all.end(), one) == all.end())
                all.push_back(one);
            at = end + 1;
        }
    }
    std::string text;
    for (std::size_t i = 0; i < all.size(); ++i)
        text += (i == 0 ? "" : i + 1 == all.size() ? " and " : ", ") + all[i];
    return text;
}

template <typename Info>
const Info* InfoWithKey(const std::vector<Info>& table, const std::string& key)
{
    for (const Info& info : table)
        if (key == info.key)
            return &info;
    return nullptr;
}

}  // namespace

const std::vector<GridMethodInfo>& GridMethods()
{
    static const std::vector<GridMethodInfo> methods = {
        {GridMethod::InverseDistance, "inverse-distance", "Inverse distance to a power"},
        {GridMethod::Nearest, "nearest", "Nearest reading"},
        {GridMethod::Linear, "linear", "Linear"},
        {GridMethod::MeasuredCells, "measured-cells", "Measured cells"},
    };
    return methods;
}

const GridMethodInfo* GridMethodNamed(const std::string& key)
{
    return InfoWithKey(GridMethods(), key);
}

const std::vector<GridFormatInfo>& GridFormats()
{
    static const std::vector<GridFormatInfo> formats = {
        {GridFormat::SurferText, "gsag", "Surfer 6 text grid", ".grd", ""},
        {GridFormat::SurferBinary, "gsbg", "Surfer 6 binary grid", ".grd", ""},
        {GridFormat::Surfer7, "gs7bg", "Surfer 7 binary grid", ".grd", ""},
        {GridFormat::GeoTiff, "gtiff", "GeoTIFF, float32", ".tif", ".tiff"},
        {GridFormat::EsriAscii, "aaigrid", "ESRI ASCII grid", ".asc", ""},
        {GridFormat::XyzCsv, "xyz", "XYZ table (position, depth, value)", ".csv", ""},
    };
    return formats;
}

const std::vector<ContourFormatInfo>& ContourFormats()
{
    static const std::vector<ContourFormatInfo> formats = {
        {ContourFormat::GeoJson, "geojson", "GeoJSON contour lines", ".geojson", ".json"},
        {ContourFormat::Dxf, "dxf", "DXF contour lines", ".dxf", ""},
        {ContourFormat::Shapefile, "shp", "Shapefile contour lines", ".shp", ""},
    };
    return formats;
}

const GridFormatInfo* GridFormatForPath(const std::string& path)
{
    return FormatForPath(GridFormats(), path);
}

const ContourFormatInfo* ContourFormatForPath(const std::string& path)
{
    return FormatForPath(ContourFormats(), path);
}

const GridFormatInfo* GridFormatNamed(const std::string& key)
{
    return InfoWithKey(GridFormats(), key);
}

std::string KnownGridExtensions()
{
    return KnownExtensions(GridFormats());
}

std::string KnownContourExtensions()
{
    return KnownExtensions(ContourFormats());
}

}  // namespace vantrel::geo
