#include "datafile/datatable.h"
#include "graphs/circulargraph.h"
#include "graphs/circularprint.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vantrel;

namespace {

TEST(CircularGraph, ValuesAndLabels)
{
    // Three rows draw nothing (checked through --graph-data); four draw.
    const DataTable p = test::Table({"FILE", "INCREMENT", "1000HZ", "1-5", "6.5HZ"},
                                    {{"3", "0", "2", "10", "0"},
                                     {"3", "5", "4", "20", "3"},
                                     {"3", "10", "1", "40", "5"},
                                     {"3", "15", "8", "30", "7"}});
    const CircularGraph g = CircularGraphData(p, 4, 3);
    EXPECT_EQ(g.title, "File3 circular Graph");
    ASSERT_EQ(g.charts.size(), 3u);
    EXPECT_EQ(g.charts[0].values, (std::array<float, 8>{2, 4, 1, 8, 2, 4, 1, 8}));
    EXPECT_EQ(g.charts[0].label, "1000.0Hz\nβ=8.00");  // one line break, no carriage return
    EXPECT_EQ(g.charts[1].label, "1.0m\nβ=4.00");
    EXPECT_EQ(g.charts[2].label, "6.5Hz\nβ=--");             // smallest reading 0: no ratio
    EXPECT_TRUE(CircularGraphData(p, 0, 3).charts.empty());  // Depth table without columns
}

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
