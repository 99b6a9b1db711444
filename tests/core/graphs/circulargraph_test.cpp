#include "datafile/datatable.h"
#include "graphs/circulargraph.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::test::Rows;

namespace {

DataTable Processing(const std::vector<std::string>& titles, const Rows& rows)
{
    DataTable table;
    for (const auto& t : titles)
        table.AddColumn(t);
    for (const auto& r : rows)
        table.AppendRow(std::span<const std::string>(r));
    return table;
}

TEST(CircularGrid, ThreeColumnsOf336Pixels)
{
    const CircularGrid grid = CircularGridOf(7);
    ASSERT_EQ(grid.cells.size(), 7u);
    const std::vector<std::pair<int, int>> corners = {{0, 0},     {336, 0},   {672, 0}, {0, 336},
                                                      {336, 336}, {672, 336}, {0, 672}};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        EXPECT_EQ(grid.cells[i].x, corners[i].first) << i;
        EXPECT_EQ(grid.cells[i].y, corners[i].second) << i;
        EXPECT_EQ(grid.cells[i].width, 336);
        EXPECT_EQ(grid.cells[i].height, 336);
    }
    EXPECT_EQ(grid.scrollWidth, 1008);
    EXPECT_EQ(grid.scrollHeight, 1009);
    EXPECT_EQ(CircularGridOf(6).scrollHeight, 673);
    EXPECT_EQ(CircularGridOf(1).scrollHeight, 337);
    EXPECT_TRUE(CircularGridOf(0).cells.empty());
    EXPECT_EQ(CircularGridOf(0).scrollHeight, 0);
}

TEST(CircularGraph, EightValuesAndLabelPerFrequencyColumn)
{
    const DataTable p = Processing({"FILE", "INCREMENT", "1000HZ", "1-5", "MODE", "6.5HZ"},
                                   {{"3", "0", "2", "10", "2", "0"},
                                    {"3", "5", "4", "20", "2", "3"},
                                    {"3", "10", "1", "40", "2", "5"},
                                    {"3", "15", "8", "30", "2", "7"},
                                    {"3", "20", "99", "99", "2", "99"}});
    const CircularGraph g = CircularGraphData(p, 4, 3);
    EXPECT_EQ(g.title, "File3 circular Graph");
    EXPECT_EQ(g.scrollWidth, 1008);
    EXPECT_EQ(g.scrollHeight, 337);
    ASSERT_EQ(g.charts.size(), 3u);
    EXPECT_EQ(g.charts[0].values, (std::array<float, 8>{2, 4, 1, 8, 2, 4, 1, 8}));
    // One line break between the lines; no carriage return left in the banner.
    EXPECT_EQ(g.charts[0].label, "1000.0Hz\nβ=8.00");
    EXPECT_EQ(g.charts[1].label, "1.0m\nβ=4.00");
    // A smallest reading of 0 has no ratio to show.
    EXPECT_EQ(g.charts[2].label, "6.5Hz\nβ=--");
    EXPECT_EQ(g.charts[2].values[7], 7.0f);
    EXPECT_EQ(g.charts[2].cell.x, 672);
    EXPECT_EQ(g.charts[2].cell.y, 0);
}

TEST(CircularGraph, NothingDrawnWithoutFourRowsDepthColumnsOrFrequencies)
{
    const Rows three = {{"1", "0", "2"}, {"1", "5", "4"}, {"1", "10", "1"}};
    const std::vector<std::string> titles = {"FILE", "INCREMENT", "1000HZ"};
    const CircularGraph g = CircularGraphData(Processing(titles, three), 4, 1);
    EXPECT_TRUE(g.charts.empty());
    EXPECT_EQ(g.title, "环形图");
    EXPECT_EQ(g.scrollHeight, 0);

    Rows four = three;
    four.push_back({"1", "15", "8"});
    EXPECT_EQ(CircularGraphData(Processing(titles, four), 4, 1).charts.size(), 1u);
    EXPECT_TRUE(CircularGraphData(Processing(titles, four), 0, 1).charts.empty());
    EXPECT_TRUE(CircularGraphData(Processing(titles, four), 4, 0).charts.empty());
}

TEST(CircularLabel, RatioPrecisionAndUnshowableRatios)
{
    // hi / lo in single precision, printed with two decimals.
    EXPECT_EQ(CircularLabel("3HZ", 3, 3.0f, 10.0f), "3.0Hz\nβ=3.33");
    EXPECT_EQ(CircularLabel("0.15HZ", 0.15, 1.0f, 1.0f), "0.1Hz\nβ=1.00");  // the frequency stays a double
    EXPECT_EQ(CircularLabel("2-4", 2, -2.0f, 4.0f), "2.0m\nβ=-2.00");
    EXPECT_EQ(CircularLabel("1HZ", 1, -0.0f, 4.0f), "1.0Hz\nβ=--");
    EXPECT_EQ(CircularLabel("1HZ", 1, 1e-40f, 1e38f), "1.0Hz\nβ=--");
}

}  // namespace
