#include "geo/sectioncontours.h"
#include "geo/sectionexport.h"
#include "geo/sectiongrid.h"
#include "geotestsupport.h"
#include "testsupport.h"

#include <gdal.h>
#include <ogr_api.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vantrel;
using namespace vantrel::geo;
using vantrel::test::kNone;
using vantrel::test::MadeSection;
using vantrel::test::TempDir;
namespace fs = std::filesystem;

namespace {

/// A grid with blank nodes: readings x + depth + 0.1, none from 20 to 35 m.
SectionGrid GappedGrid()
{
    const SectionGraph g = MadeSection({0, 5, 10, 15, 20, 25, 30, 35, 40}, {10, 30}, [](float x, float d) {
        return x >= 20 && x <= 35 ? kNone : x + d + 0.1f;
    });
    return GridSection(g, GridMethod::Linear).grid;
}

TEST(SectionExport, GridsReadBackCellForCellWithNoDataWhereBlank)
{
    TempDir dir;
    const SectionGrid grid = GappedGrid();
    ASSERT_FALSE(grid.Empty());
    const std::size_t blanks = static_cast<std::size_t>(
        std::count_if(grid.values.begin(), grid.values.end(), [](float v) { return !std::isfinite(v); }));
    ASSERT_GT(blanks, 0u);
    for (const GridFormatInfo& format : GridFormats()) {
        // Names of 250 bytes (the limit is 255) are as good as any.
        const std::string name = std::string(format.key) + format.extension;
        const std::string path = dir / (std::string(250 - name.size(), 'n') + name);
        const ExportResult r = ExportSectionGrid(grid, path, &format);
        ASSERT_TRUE(r.ok) << format.key << ": " << r.message;
        EXPECT_EQ(dir.Names(), std::vector<std::string>{fs::path(path).filename().string()}) << format.key;
        if (format.format == GridFormat::XyzCsv) {
            GDALDatasetH table = GDALOpenEx(path.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr);
            ASSERT_TRUE(table);
            OGRLayerH layer = GDALDatasetGetLayer(table, 0);
            EXPECT_EQ(static_cast<std::size_t>(OGR_L_GetFeatureCount(layer, TRUE)),
                      grid.values.size() - blanks);
            OGR_L_ResetReading(layer);
            OGRFeatureH first = OGR_L_GetNextFeature(layer);
            EXPECT_EQ(OGR_F_GetFieldAsDouble(first, 0), grid.x0);
            EXPECT_EQ(OGR_F_GetFieldAsDouble(first, 1), -10);
            EXPECT_EQ(static_cast<float>(OGR_F_GetFieldAsDouble(first, 2)), grid.Value(0, 0));
            OGR_F_Destroy(first);
            GDALClose(table);
            continue;
        }
        GDALDatasetH dataset = GDALOpen(path.c_str(), GA_ReadOnly);
        ASSERT_TRUE(dataset) << format.key;
        ASSERT_EQ(GDALGetRasterXSize(dataset), grid.columns);
        ASSERT_EQ(GDALGetRasterYSize(dataset), grid.rows);
        double t[6];
        GDALGetGeoTransform(dataset, t);
        EXPECT_NEAR(t[0] + t[1] / 2, grid.x0, 1e-6) << format.key;
        EXPECT_NEAR(t[3] + t[5] / 2, -grid.depth0, 1e-6) << format.key;  // row 0 at the top, shallowest
        EXPECT_NEAR(t[5], -grid.dDepth, 1e-6) << format.key;
        GDALRasterBandH band = GDALGetRasterBand(dataset, 1);
        int hasNoData = 0;
        const double noData = GDALGetRasterNoDataValue(band, &hasNoData);
        EXPECT_TRUE(hasNoData) << format.key;
        std::vector<float> cells(grid.values.size());
        ASSERT_EQ(GDALRasterIO(band, GF_Read, 0, 0, grid.columns, grid.rows, cells.data(), grid.columns,
                               grid.rows, GDT_Float32, 0, 0),
                  CE_None);
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const float want = grid.values[i];
            const bool ok = std::isfinite(want) ? cells[i] == want : cells[i] == static_cast<float>(noData);
            wrong += ok ? 0 : 1;
        }
        EXPECT_EQ(wrong, 0u) << format.key;
        GDALClose(dataset);
        if (format.format == GridFormat::EsriAscii) {
            // Nine significant digits give a float back exactly; more only print its binary tail.
            std::ifstream text(path);
            std::string line, word, longest;
            while (std::getline(text, line)) {
                std::istringstream values(line);
                while (!std::isalpha(static_cast<unsigned char>(line[0])) && values >> word)
                    longest = word.size() > longest.size() ? word : longest;
            }
            EXPECT_LE(longest.size(), 11u) << longest;
        }
        fs::remove(path);
    }
}

TEST(SectionExport, SurferHeaderAndContoursOfAPlaneAsWorkedOutByHand)
{
    TempDir dir;
    // Stations 0, 10, 20 and depths 10, 30, readings x + 100. The 10 m spacing
    // halves five times to 0.3125 m for 65 nodes; the 20 m depth step five
    // times to 0.625 m for 33 rows. Y is the depth negative down.
    const SectionGraph g = MadeSection({0, 10, 20}, {10, 30}, [](float x, float) { return x + 100; });
    const SectionGrid grid = GridSection(g, GridMethod::Linear).grid;
    const std::string path = dir / "hand.GRD";
    ASSERT_TRUE(ExportSectionGrid(grid, path).ok);
    std::ifstream in(path);
    std::string header[5];
    for (std::string& line : header) {
        std::getline(in, line);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
    }
    EXPECT_EQ(header[0], "DSAA");
    EXPECT_EQ(header[1], "65 33");
    const auto numbers = [](const std::string& line) {
        std::istringstream s(line);
        double a = 0, b = 0;
        s >> a >> b;
        return std::pair{a, b};
    };
    EXPECT_EQ(numbers(header[2]), std::pair(0.0, 20.0));
    EXPECT_EQ(numbers(header[3]), std::pair(-30.0, -10.0));
    EXPECT_EQ(numbers(header[4]), std::pair(100.0, 120.0));

    // The 105 and 115 levels are the upright lines x = 5 and 15, from 10 m down to 30 m.
    const ContourResult lines = ContourSection(grid, {105, 115, 999});
    ASSERT_TRUE(lines.Ok()) << lines.message;
    ASSERT_EQ(lines.lines.size(), 2u);
    for (const ContourLine& line : lines.lines) {
        double top = 1e9, bottom = -1e9;
        for (const ContourPoint& p : line.points) {
            EXPECT_NEAR(p.x, line.level - 100, 1e-4);
            top = std::min(top, p.depth);
            bottom = std::max(bottom, p.depth);
        }
        EXPECT_NEAR(top, 10, 0.2);
        EXPECT_NEAR(bottom, 30, 0.2);
    }

    for (const ContourFormatInfo& format : ContourFormats()) {
        const std::string path =
            dir / (std::string(250 - std::strlen(format.extension), 'l') + format.extension);
        const ExportResult r = ExportSectionContours(grid, {105, 115}, path);
        ASSERT_TRUE(r.ok) << format.key << ": " << r.message;
        GDALDatasetH file = GDALOpenEx(path.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr);
        ASSERT_TRUE(file) << format.key;
        OGRLayerH layer = GDALDatasetGetLayer(file, 0);
        EXPECT_EQ(OGR_L_GetFeatureCount(layer, TRUE), 2) << format.key;
        OGR_L_ResetReading(layer);
        for (OGRFeatureH f; (f = OGR_L_GetNextFeature(layer)) != nullptr; OGR_F_Destroy(f)) {
            OGRGeometryH line = OGR_F_GetGeometryRef(f);
            const int field = OGR_F_GetFieldIndex(f, "level");
            const double level =
                format.format == ContourFormat::Dxf ? OGR_G_GetZ(line, 0) : OGR_F_GetFieldAsDouble(f, field);
            EXPECT_TRUE(level == 105 || level == 115) << format.key << " " << level;
            for (int i = 0; i < OGR_G_GetPointCount(line); ++i) {
                EXPECT_NEAR(OGR_G_GetX(line, i), level - 100, 1e-4) << format.key;
                EXPECT_TRUE(OGR_G_GetY(line, i) <= -9.8 && OGR_G_GetY(line, i) >= -30.2) << format.key;
            }
        }
        GDALClose(file);
    }
}

TEST(SectionExport, FailuresNameTheFileAndWriteNothing)
{
    TempDir dir;
    const SectionGrid gapped = GappedGrid();
    const std::string kept = dir / "kept.grd";
    std::ofstream(kept) << "old";
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read);
    struct Case {
        std::string name;
        bool contours;
        std::vector<double> levels;
        std::string before, after;  // the message around the path
    };
    const std::string grids =
        ": unknown grid file extension; the known ones are .grd, .tif, .tiff, .asc and .csv.";
    const std::string grid = "The grid could not be written to ", none = "No contour lines were written to ";
    const std::vector<Case> cases = {
        {"x.png", false, {}, "", grids},
        {"noext", false, {}, "", grids},
        {"x.kml",
         true,
         {1},
         "",
         ": unknown contour file extension; the known ones are .geojson, .json, .dxf and .shp."},
        {"no-folder/x.tif", false, {}, grid, ": the folder " + dir / "no-folder" + " does not exist."},
        {"kept.grd", false, {}, grid, ": Permission denied."},
        {"flat.geojson", true, {}, none, ": there are no levels (every reading is the same)."},
        {"far.shp",
         true,
         {1000, 2000},
         none,
         ": none of the levels lies between the lowest and the highest reading."},
    };
    for (const Case& k : cases) {
        const std::string path = dir / k.name;
        const ExportResult r =
            k.contours ? ExportSectionContours(gapped, k.levels, path) : ExportSectionGrid(gapped, path);
        EXPECT_FALSE(r.ok) << path;
        EXPECT_EQ(r.message, k.before + path + k.after);
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"kept.grd"}) << path;
    }
    std::ifstream in(kept);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

}  // namespace
