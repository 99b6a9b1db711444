#include "graphs/circularprint.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

using namespace vantrel;

namespace {

TEST(CircularPrint, PageCounts)
{
    // No chart is no page (not (0 - 1) / 6 + 1 in unsigned arithmetic); counts beyond 16 bits stay whole.
    for (const auto& [charts, pages] : std::vector<std::pair<unsigned, unsigned>>{
             {0, 0}, {1, 1}, {6, 1}, {7, 2}, {13, 3}, {6u * 70000u, 70000}, {6u * 70000u + 1, 70001}})
        EXPECT_EQ(CircularPrintPageCount(charts), pages) << charts;
}

TEST(CircularPrint, CellsAreCentredInTheirColumnAndKeepTheirAspect)
{
    // A4-like area, square charts: rows are a third of the height, so the
    // charts are narrower than their column and are centred across it.
    const double w = 4500, h = 6600;
    const auto key7 = CircularPrintCell(7, 2, w, h, 336, 336);
    const auto key11 = CircularPrintCell(11, 2, w, h, 336, 336);
    ASSERT_TRUE(key7 && key11);
    EXPECT_DOUBLE_EQ(key7->width, 2200);
    EXPECT_DOUBLE_EQ(key7->x, 2250 + 25);
    EXPECT_DOUBLE_EQ(key11->y, 4400);
    EXPECT_LE(key11->y + key11->height, h);
    // Only the charts of the page are placed on it.
    for (int key : {0, 5, 12, 13})
        EXPECT_FALSE(CircularPrintCell(key, 2, w, h, 336, 336)) << key;

    // Landscape, charts twice as wide as high: the row height rules, centred in a 3000-pixel column.
    const auto c = CircularPrintCell(3, 1, 6000, 4000, 400, 200);
    ASSERT_TRUE(c);
    EXPECT_NEAR(c->width, 8000 / 3.0, 1e-9);
    EXPECT_NEAR(c->x, 3000 + (3000 - 8000 / 3.0) / 2, 1e-9);
    EXPECT_NEAR(c->y, 4000 / 3.0, 1e-9);

    EXPECT_FALSE(CircularPrintCell(0, 0, 6000, 4000, 400, 200));
    EXPECT_FALSE(CircularPrintCell(-1, 1, 6000, 4000, 400, 200));
    EXPECT_FALSE(CircularPrintCell(0, 1, 0, 4000, 400, 200));
    EXPECT_FALSE(CircularPrintCell(0, 1, 6000, 4000, 0, 200));
    EXPECT_FALSE(CircularPrintCell(0, 1, std::numeric_limits<double>::quiet_NaN(), 4000, 400, 200));
}

}  // namespace
