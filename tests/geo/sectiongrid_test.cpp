#include "geo/sectiongrid.h"
#include "geotestsupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vantrel;
using namespace vantrel::geo;
using vantrel::test::kNone;
using vantrel::test::MadeSection;

namespace {

const std::vector<float> kStations = {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
const std::vector<float> kDepths = {10, 18, 40, 90};

float Plane(float x, float depth)
{
    return 2 * x + 0.5f * depth + 7;
}

TEST(SectionGrid, SpansTheMeasuredAreaAndKeepsAPlaneWhereLinear)
{
    // Uneven stations and depths.
    const SectionGraph g = MadeSection({0, 4, 12, 15, 30}, {12, 20, 55}, Plane);
    for (const GridMethodInfo& info : GridMethods()) {
        if (info.method == GridMethod::MeasuredCells)
            continue;
        const GridResult r = GridSection(g, info.method);
        ASSERT_TRUE(r.Ok()) << info.key << ": " << r.message;
        const SectionGrid& grid = r.grid;
        EXPECT_EQ(grid.file, 1);
        EXPECT_DOUBLE_EQ(grid.X(0), 0) << info.key;
        EXPECT_NEAR(grid.X(grid.columns - 1), 30, 1e-9) << info.key;
        EXPECT_DOUBLE_EQ(grid.Depth(0), 12) << info.key;
        EXPECT_NEAR(grid.Depth(grid.rows - 1), 55, 1e-9) << info.key;
        // Median spacing 8 m halved to reach 64 columns; the median depth
        // step 35 m halved to reach 32 rows.
        EXPECT_GE(grid.columns, 64);
        EXPECT_LE(grid.columns, 2 * 64);
        EXPECT_GE(grid.rows, 32);
        EXPECT_LE(grid.rows, 2 * 32);
        double worst = 0;
        for (int row = 0; row < grid.rows; ++row)
            for (int c = 0; c < grid.columns; ++c) {
                const float v = grid.Value(row, c);
                ASSERT_TRUE(std::isfinite(v)) << info.key << " " << row << "," << c;
                worst = std::max<double>(
                    worst,
                    std::fabs(v - Plane(static_cast<float>(grid.X(c)), static_cast<float>(grid.Depth(row)))));
            }
        // Every node stays within the readings; the linear grid is the plane.
        if (info.method == GridMethod::Linear) {
            EXPECT_LT(worst, 1e-3) << info.key;
        }
        // At a reading, every method gives the reading.
        const int c12 = static_cast<int>(std::lround(12 / grid.dx));
        EXPECT_NEAR(grid.Value(0, c12), Plane(12, 12), 1e-3) << info.key;
    }
}

TEST(SectionGrid, GapsEdgesAndShortBandsAreBlank)
{
    // No readings from 20 to 35 (a gap of 15 m, three spacings); 10 m misses
    // its reading at 18 m (a gap of two spacings, filled); the deepest band
    // ends at 40 m.
    const SectionGraph g = MadeSection(kStations, kDepths, [](float x, float d) {
        if (x >= 20 && x <= 35)
            return kNone;
        if (x == 10 && d == 18)
            return kNone;
        if (d == 90 && x > 40)
            return kNone;
        return Plane(x, d);
    });
    const GridResult r = GridSection(g, GridMethod::InverseDistance);
    ASSERT_TRUE(r.Ok()) << r.message;
    const SectionGrid& grid = r.grid;
    const auto at = [&](double x, double depth) {
        const int c = static_cast<int>(std::lround((x - grid.x0) / grid.dx));
        const int row = static_cast<int>(std::lround((depth - grid.depth0) / grid.dDepth));
        return grid.Value(row, c);
    };
    // (position, depth) nodes with a value, then blank ones.
    for (const auto& [x, depth] : std::vector<std::pair<double, double>>{
             {0, 10}, {50, 10}, {0, 90}, {15, 30}, {40, 30}, {10, 18}, {10, 15}, {40, 89}, {45, 30}})
        EXPECT_TRUE(std::isfinite(at(x, depth))) << x << " m, " << depth << " m";
    for (const auto& [x, depth] :
         std::vector<std::pair<double, double>>{{16, 30}, {27, 12}, {39, 80}, {41, 89}, {45, 60}, {50, 90}})
        EXPECT_FALSE(std::isfinite(at(x, depth))) << x << " m, " << depth << " m";
    // Nothing is made up beyond the readings: every node lies within their range.
    for (float v : grid.values)
        if (std::isfinite(v)) {
            EXPECT_TRUE(v >= Plane(0, 10) - 1e-3 && v <= Plane(50, 90) + 1e-3) << v;
        }
}

TEST(SectionGrid, SectionsThatCannotBeGridded)
{
    struct Case {
        SectionGraph graph;
        std::string message;
    };
    const std::vector<Case> cases = {
        {MadeSection({}, {}, Plane), "File1 has no readings in the depth table: there is nothing to grid."},
        {MadeSection({0, 5}, {10, 20}, [](float, float) { return kNone; }),
         "File1 has no readings in the depth table: there is nothing to grid."},
        {MadeSection({5}, {10, 20}, Plane),
         "File1 has readings at one position only: a grid needs at least two positions and two depths."},
        {MadeSection({0, 5, 10}, {10}, Plane),
         "File1 has readings at one depth only: a grid needs at least two positions and two depths."},
        // A second position without a reading does not count.
        {MadeSection({0, 5}, {10, 20}, [](float x, float d) { return x > 0 ? kNone : Plane(x, d); }),
         "File1 has readings at one position only: a grid needs at least two positions and two depths."},
    };
    for (const Case& k : cases) {
        const GridResult r = GridSection(k.graph, GridMethod::Linear);
        EXPECT_EQ(r.message, k.message);
        EXPECT_TRUE(r.grid.Empty());
    }
    // The measured cells draw a single station as they always did.
    const GridResult cells = GridSection(cases[2].graph, GridMethod::MeasuredCells);
    ASSERT_TRUE(cells.Ok());
    EXPECT_FLOAT_EQ(cells.grid.Value(0, 0), Plane(5, 10));
    EXPECT_FLOAT_EQ(cells.grid.Value(cells.grid.rows - 1, 0), Plane(5, 20));
    EXPECT_NEAR(cells.grid.x0 - cells.grid.dx / 2, 4.5, 1e-9);

    int calls = 0;
    const GridResult stopped =
        GridSection(MadeSection(kStations, kDepths, Plane), GridMethod::InverseDistance, false,
                    [&](double) { return ++calls < 2; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.grid.values.empty());
}

TEST(SectionGrid, LayersStayLevelBetweenStations)
{
    // Readings that change only with depth: every row of the grid keeps one
    // value along the line, within a tenth of the layers' contrast for the
    // inverse distance (it had rings of 57 round every station).
    const auto layered = [](float, float depth) { return depth == 18 || depth == 90 ? 300.0f : 100.0f; };
    const SectionGraph g = MadeSection(kStations, kDepths, layered);
    for (const GridMethod method : {GridMethod::InverseDistance, GridMethod::Nearest, GridMethod::Linear}) {
        const GridResult r = GridSection(g, method);
        ASSERT_TRUE(r.Ok()) << r.message;
        double worst = 0;
        for (int row = 0; row < r.grid.rows; ++row)
            for (int c = 1; c < r.grid.columns; ++c)
                worst = std::max<double>(worst, std::fabs(r.grid.Value(row, c) - r.grid.Value(row, 0)));
        EXPECT_LT(worst, method == GridMethod::InverseDistance ? 20.0 : 1e-3)
            << "method " << static_cast<int>(method);
    }
}

}  // namespace
