#include "graphs/circularprint.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vantrel;

namespace {

TEST(CircularPrint, PageCounts)
{
    EXPECT_EQ(CircularPrintPageCount(1), 1u);
    EXPECT_EQ(CircularPrintPageCount(6), 1u);
    EXPECT_EQ(CircularPrintPageCount(7), 2u);
    EXPECT_EQ(CircularPrintPageCount(13), 3u);
    // No chart is no page (not (0 - 1) / 6 + 1 in unsigned arithmetic).
    EXPECT_EQ(CircularPrintPageCount(0), 0u);
    // Counts beyond 16 bits stay whole.
    EXPECT_EQ(CircularPrintPageCount(6u * 70000u), 70000u);
    EXPECT_EQ(CircularPrintPageCount(6u * 70000u + 1), 70001u);
}

TEST(CircularPrint, CellsOfTheSecondPage)
{
    // An A4-like printable area and square charts: rows are a third of the
    // height, so the square charts are narrower than their column and are
    // centred across it.
    const double w = 4500, h = 6600;
    const auto key6 = CircularPrintCell(6, 2, w, h, 336, 336);
    const auto key7 = CircularPrintCell(7, 2, w, h, 336, 336);
    ASSERT_TRUE(key6 && key7);
    EXPECT_DOUBLE_EQ(key6->width, 2200);
    EXPECT_DOUBLE_EQ(key6->height, 2200);
    EXPECT_DOUBLE_EQ(key6->x, (2250 - 2200) / 2.0);
    EXPECT_DOUBLE_EQ(key6->y, 0);
    EXPECT_DOUBLE_EQ(key7->x, 2250 + 25);
    EXPECT_DOUBLE_EQ(key7->y, 0);

    // All three rows lie inside the printable height.
    const auto key11 = CircularPrintCell(11, 2, w, h, 336, 336);
    ASSERT_TRUE(key11);
    EXPECT_DOUBLE_EQ(key11->y, 4400);
    EXPECT_LE(key11->y + key11->height, h);

    // Only the charts of the page are placed on it.
    for (int key : {0, 5, 12, 13})
        EXPECT_FALSE(CircularPrintCell(key, 2, w, h, 336, 336)) << key;
    EXPECT_TRUE(CircularPrintCell(12, 3, w, h, 336, 336));
}

TEST(CircularPrint, WideChartsFitTheirColumnAndKeepTheirAspect)
{
    // Landscape page, charts twice as wide as high: the row height rules
    // (a third of 4000), the width follows, and the chart is centred across
    // its 3000-pixel column.
    const auto c = CircularPrintCell(3, 1, 6000, 4000, 400, 200);
    ASSERT_TRUE(c);
    EXPECT_NEAR(c->height, 4000 / 3.0, 1e-9);
    EXPECT_NEAR(c->width, 8000 / 3.0, 1e-9);
    EXPECT_NEAR(c->x, 3000 + (3000 - 8000 / 3.0) / 2, 1e-9);
    EXPECT_GE(c->x, 3000);
    EXPECT_LE(c->x + c->width, 6000);
    EXPECT_GE(c->y, 4000 / 3.0);
    EXPECT_LE(c->y + c->height, 2 * 4000 / 3.0 + 1e-9);

    EXPECT_FALSE(CircularPrintCell(0, 0, 6000, 4000, 400, 200));
    EXPECT_FALSE(CircularPrintCell(-1, 1, 6000, 4000, 400, 200));
    EXPECT_FALSE(CircularPrintCell(0, 1, 0, 4000, 400, 200));
    EXPECT_FALSE(CircularPrintCell(0, 1, 6000, 4000, 0, 200));
    EXPECT_FALSE(CircularPrintCell(0, 1, std::numeric_limits<double>::quiet_NaN(), 4000, 400, 200));
}

}  // namespace
