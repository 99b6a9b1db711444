#include "datafile/datatable.h"
#include "graphs/circulargraph.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

TEST(CircularGraph, ValuesLabelsAndTheFourRowMinimum)
{
    DataTable p;
    for (const char* t : {"FILE", "INCREMENT", "1000HZ", "1-5", "6.5HZ"})
        p.AddColumn(t);
    for (const auto& row : std::vector<std::vector<std::string>>{
             {"3", "0", "2", "10", "0"}, {"3", "5", "4", "20", "3"}, {"3", "10", "1", "40", "5"}})
        p.AppendRow(std::span<const std::string>(row));
    const CircularGraph none = CircularGraphData(p, 4, 3);
    EXPECT_TRUE(none.charts.empty());
    EXPECT_EQ(none.title, "环形图");

    p.AppendRow(std::span<const std::string>(std::vector<std::string>{"3", "15", "8", "30", "7"}));
    const CircularGraph g = CircularGraphData(p, 4, 3);
    EXPECT_EQ(g.title, "File3 circular Graph");
    ASSERT_EQ(g.charts.size(), 3u);
    EXPECT_EQ(g.charts[0].values, (std::array<float, 8>{2, 4, 1, 8, 2, 4, 1, 8}));
    EXPECT_EQ(g.charts[0].label, "1000.0Hz\nβ=8.00");  // one line break, no carriage return
    EXPECT_EQ(g.charts[1].label, "1.0m\nβ=4.00");
    EXPECT_EQ(g.charts[2].label, "6.5Hz\nβ=--");             // smallest reading 0: no ratio
    EXPECT_TRUE(CircularGraphData(p, 0, 3).charts.empty());  // Depth table without columns
}

}  // namespace
