#include "graphs/sectiongraph.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace vantrel;
using namespace vantrel::test;

namespace {

/// The pseudo-section of Depth rows written as "file,position,height,value" and parted by spaces.
SectionGraph Section(const std::string& rows)
{
    Rows parsed;
    std::istringstream in(rows);
    for (std::string row; in >> row;) {
        std::istringstream cells(row + ",");
        parsed.emplace_back();
        for (std::string cell; std::getline(cells, cell, ',');)
            parsed.back().push_back(cell);
    }
    return PseudoSection(Table(kDepthTitles, parsed));
}

/// The raster's cell at height `y` in fine column `column`.
float At(const SectionRaster& r, double y, int column)
{
    const auto row = static_cast<std::size_t>((y - r.yLower) / (r.yUpper - r.yLower) * r.rows);
    return r.cells.at(row * static_cast<std::size_t>(r.columns) + static_cast<std::size_t>(column));
}

TEST(PseudoSection, GridOfUnevenHeightsWithGapsRepeatsAndOtherFiles)
{
    // Heights come in table order deep, shallow, middle; -49.004 joins -49.
    // Position 10 has no reading at -498; position 5 is read twice at -49.
    // File 2 is left out; a row with an empty reading is skipped.
    const SectionGraph g =
        Section("3,10,-1576,4 3,0,-1576,2 3,5,-1576,3 3,0,-49,20 3,5,-49,21 3,5,-49.004,24 "
                "3,10,-49,22 2,15,-49,99 3,0,-498,10 3,5,-498,11 3,10,-498,");
    EXPECT_EQ(g.title, "File3 Pseudo-section");
    EXPECT_EQ(g.x, (std::vector<float>{0, 5, 10}));
    EXPECT_EQ(g.heights, (std::vector<float>{-49, -498, -1576}));
    ASSERT_EQ(g.values.size(), 9u);
    EXPECT_EQ(g.Value(0, 0), 20);
    EXPECT_EQ(g.Value(0, 1), 22.5f);  // mean of 21 and 24
    EXPECT_EQ(g.Value(1, 1), 11);
    EXPECT_TRUE(std::isnan(g.Value(1, 2)));
    EXPECT_EQ(g.Value(2, 2), 4);
    EXPECT_EQ(g.skippedRows, 1u);

    // -10.006 comes first and names its group; -10.012 is more than 0.01
    // below the group's shallowest height (-10) and starts its own.
    const SectionGraph chain = Section("1,0,-10.006,1 1,0,-10,3 1,0,-10.012,7");
    EXPECT_EQ(chain.heights, (std::vector<float>{-10.006f, -10.012f}));
    EXPECT_EQ(chain.Value(0, 0), 2);
    EXPECT_EQ(chain.Value(1, 0), 7);
}

TEST(PseudoSection, AnyFileItsDepthsAndTheRangeOfEveryFile)
{
    // Readings "nan", "inf" and "1e999" are no numbers and are skipped.
    const DataTable depth = Table(kDepthTitles,
                                  {{"2", "0", "-10", "5"},
                                   {"2", "5", "-30", "9"},
                                   {"7", "0", "-10", "40"},
                                   {"7", "5", "-10", "nan"},
                                   {"7", "5", "-10", "1e999"},
                                   {"2", "9", "-10", "inf"},
                                   {"7", "5", "12-5", "0.5"},
                                   {"2", "5", "-30", "7"}});
    EXPECT_EQ(SectionFiles(depth), (std::vector<int>{2, 7}));
    const SectionGraph seven = PseudoSection(depth, 7);
    EXPECT_EQ(seven.title, "File7 Pseudo-section");
    EXPECT_EQ(seven.file, 7);
    EXPECT_EQ(seven.heights, (std::vector<float>{-10, -12}));
    EXPECT_EQ(seven.depths, (std::vector<float>{10, 12}));
    EXPECT_EQ(seven.skippedRows, 2u);
    const SectionGraph two = PseudoSection(depth);
    EXPECT_EQ(two.file, 2);
    EXPECT_EQ(two.Value(1, 1), 8);
    EXPECT_EQ(PseudoSection(depth, 4).title, "File4 Pseudo-section");
    EXPECT_TRUE(PseudoSection(depth, 4).Empty());

    const ReadingRange all = SectionReadingRange(depth);
    EXPECT_TRUE(all.any);
    EXPECT_EQ(all.lower, 0.5f);
    EXPECT_EQ(all.upper, 40);
    EXPECT_FALSE(SectionReadingRange(Table(kDepthTitles)).any);

    // The same range for both files: every file's readings, whatever its own.
    for (const SectionGraph* g : {&two, &seven}) {
        const SectionColourScale s =
            ChooseSectionColourScale(*g, true, SectionRangeMode::EveryFile, 0, 1, all);
        EXPECT_TRUE(s.logarithmic);
        EXPECT_EQ(s.lower, 0.5f);
        EXPECT_EQ(s.upper, 40);
    }
    EXPECT_EQ(ChooseSectionColourScale(two, false, SectionRangeMode::Automatic, 0, 1, all).upper, 8);
    const SectionColourScale below =
        ChooseSectionColourScale(two, true, SectionRangeMode::EveryFile, 0, 1, ReadingRange{true, -1, 40});
    EXPECT_FALSE(below.logarithmic);
    EXPECT_EQ(below.because, SectionColourScale::Linear::ReadingsNotPositive);
}

TEST(PseudoSection, DepthColumnTitlesAreDepthsInMetres)
{
    // A depth-titled column's rows carry its title as the height: "5-10"
    // stands 5 m down, "20-40" 20 m down, above the frequency heights.
    const SectionGraph g = Section("1,0,5-10,1 1,5,5-10,2 1,0,20-40,3 1,0,-49,4 1,0,X-Y,5");
    EXPECT_EQ(g.heights, (std::vector<float>{-5, -20, -49}));
    EXPECT_EQ(g.Value(1, 0), 3);
    EXPECT_TRUE(std::isnan(g.Value(1, 1)));
    EXPECT_EQ(g.skippedRows, 1u);  // a title without a number has no depth

    // No height or value column: only the title.
    const SectionGraph titleOnly = PseudoSection(Table({"FILE", "INCREMENT", "H"}, {{"4", "0", "1"}}));
    EXPECT_EQ(titleOnly.title, "File4 Pseudo-section");
    EXPECT_TRUE(titleOnly.Empty());
}

TEST(SectionRaster, BandsReachHalfwayToTheirNeighbours)
{
    EXPECT_EQ(CellEdges({0, 10, 30}), (std::vector<double>{-5, 5, 20, 40}));
    EXPECT_EQ(CellEdges({7}), (std::vector<double>{6.5, 7.5}));

    // Heights -10, -20, -60: bands [-5,-15], [-15,-40], [-40,-80].
    const SectionGraph g = Section("1,0,-10,1 1,0,-20,2 1,0,-60,3 1,10,-10,4 1,10,-60,6");
    const SectionRaster r = RasterizeSection(g, false);
    EXPECT_DOUBLE_EQ(r.yLower, -80);
    EXPECT_DOUBLE_EQ(r.yUpper, -5);
    ASSERT_GE(r.rows, 256);
    const auto at = [&](int position, double y) { return At(r, y, position * r.columns / 2); };
    EXPECT_EQ(at(0, -41), 3);
    EXPECT_EQ(at(0, -39), 2);
    EXPECT_EQ(at(0, -14), 1);
    EXPECT_EQ(at(1, -6), 4);
    EXPECT_TRUE(std::isnan(at(1, -30)));  // no reading at -20: empty, not filled in
    EXPECT_EQ(SectionHeightAt(g, -39), 1);
    EXPECT_EQ(SectionHeightAt(g, -81), -1);
    EXPECT_EQ(SectionPositionAt(g, 4.9), 0);
    EXPECT_EQ(SectionPositionAt(g, 5.1), 1);
}

TEST(SectionRaster, InterpolationIsLinearInLogDepthAndSkipsGaps)
{
    // 10 m and 1000 m: halfway in log depth is 100 m.
    const SectionGraph g = Section("1,0,-10,0 1,0,-1000,2 1,5,-10,5 1,5,-1000,9 1,10,-1000,8");
    const SectionRaster r = RasterizeSection(g, true, 64, 20000);
    EXPECT_DOUBLE_EQ(r.yUpper, 0);     // the shallow band stops at the surface
    const int second = r.columns / 3;  // first fine column of position 5
    for (const double depth : {100.0, 31.6, 500.0}) {
        const auto row = static_cast<std::size_t>((-depth - r.yLower) / (r.yUpper - r.yLower) * r.rows);
        const double centre = -(r.yLower + (static_cast<double>(row) + 0.5) * (r.yUpper - r.yLower) / r.rows);
        const double expected = 2 * std::log(centre / 10) / std::log(100.0);
        EXPECT_NEAR(At(r, -depth, 0), expected, 1e-4) << depth;
        EXPECT_NEAR(At(r, -depth, second), 5 + 2 * expected, 1e-4) << depth;
    }
    // Position 10 has no shallow reading: its deep band keeps its own value,
    // and the shallow band stays empty.
    EXPECT_EQ(At(r, -900, 2 * second), 8);
    EXPECT_TRUE(std::isnan(At(r, -100, 2 * second)));
    EXPECT_TRUE(std::isnan(At(r, -20, 2 * second)));
    // Off, the same row shows the band's reading.
    EXPECT_EQ(At(RasterizeSection(g, false, 64, 20000), -100, 0), 0);
}

TEST(SectionRaster, UnevenPositionsAndTheLimits)
{
    const SectionGraph g = Section("1,0,-5,1 1,1,-5,2 1,100,-5,3");
    const SectionRaster r = RasterizeSection(g, false);
    // Bands [-0.5,0.5], [0.5,50.5], [50.5,149.5]: two cells across the narrowest.
    EXPECT_EQ(r.columns, 300);
    EXPECT_EQ(std::vector<float>(r.cells.begin(), r.cells.begin() + 3), (std::vector<float>{1, 1, 2}));
    EXPECT_EQ(r.cells[299], 3);
    EXPECT_EQ(RasterizeSection(g, false, 50, 50).columns, 50);
    // Even positions: whole cells per position within the limit, or one each beyond it.
    std::string many;
    for (int x = 0; x < 100; ++x)
        many += "1," + std::to_string(x * 5) + ",-5," + std::to_string(x) + " ";
    EXPECT_EQ(RasterizeSection(Section(many), false).columns, 300);
    EXPECT_EQ(RasterizeSection(Section(many), false, 250).columns, 200);
    const SectionRaster sampled = RasterizeSection(Section(many), false, 60);
    EXPECT_EQ(sampled.columns, 60);
    EXPECT_EQ(sampled.cells[59], 99);
    EXPECT_EQ(RasterizeSection(Section(""), true).cells.size(), 0u);
}

TEST(SectionColourScale, AutomaticFixedAndFallbackRanges)
{
    using Linear = SectionColourScale::Linear;
    struct Case {
        const char* rows;
        bool log, fixed;
        float fixedLower, fixedUpper;
        SectionColourScale expected;
    };
    const char* const mixed = "1,0,-5,3 1,5,-5,300 1,0,-9,30";  // and a missing cell, which is no reading
    for (const Case& c : std::vector<Case>{
             {mixed, true, false, 0, 0, {true, 3, 300, Linear::AsAsked}},
             {mixed, false, true, 50, 10, {false, 10, 50, Linear::AsAsked}},
             {mixed, true, true, 0, 100, {false, 0, 100, Linear::RangeNotPositive}},
             // Zeros or negative readings fall back to linear.
             {"1,0,-5,0 1,5,-5,40", true, false, 0, 0, {false, 0, 40, Linear::ReadingsNotPositive}},
             {"1,0,-5,-2.5 1,5,-5,40", true, false, 0, 0, {false, -2.5f, 40, Linear::ReadingsNotPositive}}}) {
        const SectionColourScale s =
            ChooseSectionColourScale(Section(c.rows), c.log, c.fixed, c.fixedLower, c.fixedUpper);
        EXPECT_EQ(s.logarithmic, c.expected.logarithmic) << c.rows;
        EXPECT_EQ(s.lower, c.expected.lower) << c.rows;
        EXPECT_EQ(s.upper, c.expected.upper) << c.rows;
        EXPECT_EQ(s.because, c.expected.because) << c.rows;
    }
    // A single value gets a range around it, on either scale.
    SectionColourScale s = ChooseSectionColourScale(Section("1,0,-5,0 1,5,-5,0"), false, false);
    EXPECT_LT(s.lower, 0);
    EXPECT_GT(s.upper, 0);
    s = ChooseSectionColourScale(Section("1,0,-5,8"), true, false);
    EXPECT_TRUE(s.logarithmic);
    EXPECT_GT(s.lower, 0);
    EXPECT_LT(s.lower, 8);
    EXPECT_GT(s.upper, 8);
}

}  // namespace
