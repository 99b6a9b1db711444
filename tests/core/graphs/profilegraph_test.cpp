#include "datafile/datatable.h"
#include "graphs/graphchecks.h"
#include "graphs/profilegraph.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::test::Rows;

namespace {

DataTable Table(const std::vector<std::string>& titles, const Rows& rows)
{
    DataTable table;
    for (const auto& t : titles)
        table.AddColumn(t);
    for (const auto& r : rows)
        table.AppendRow(std::span<const std::string>(r));
    return table;
}

const std::vector<std::string> kDepthTitles = {"FILE", "INCREMENT", "Height(H)", "Value(V)"};

TEST(VerticalProfile, OneCurvePerHeightOfTheFirstFileOnly)
{
    // -17.005 is within 0.01 of the run's first height; file 2 is skipped.
    const DataTable depth = Table(kDepthTitles,
                                  {{"1", "0", "-17", "10"},
                                   {"1", "5", "-17.005", "11"},
                                   {"1", "0", "-49", "20"},
                                   {"1", "0", "-498", "30"},
                                   {"1", "5", "-498", "31.5"},
                                   {"2", "0", "-17", "99"}});
    const ProfileGraph g = VerticalProfile(depth, 3, 0.3f);
    EXPECT_EQ(g.title, "File1 Vertical Profile Graph");
    EXPECT_EQ(g.axes.size(), 3u);
    ASSERT_EQ(g.curves.size(), 3u);
    EXPECT_EQ(g.curves[0].points.size(), 2u);
    EXPECT_EQ(g.curves[1].series, 1);
    EXPECT_EQ(g.curves[2].height, -498.0f);
    EXPECT_EQ(g.curves[2].points[1].x, 5.0f);
    EXPECT_EQ(g.curves[2].mean, 30.75f);

    const ProfileGraph none = VerticalProfile(Table(kDepthTitles, {}), 20, 0.3f);
    EXPECT_EQ(none.title, "File0 Vertical Profile Graph");
    EXPECT_TRUE(none.curves.empty());
    EXPECT_EQ(none.bands, 20);
}

TEST(VerticalProfile, LongRunsStayWholeAndEveryCurveGetsABand)
{
    Rows rows;
    for (int i = 0; i < 1500; ++i)
        rows.push_back({"1", std::to_string(i * 5), "-22", "100"});
    for (int i = 0; i < 3; ++i)
        rows.push_back({"1", std::to_string(i * 5), "-49", "50"});
    rows.push_back({"1", "0", "-22", "7"});  // the first height again: a third curve
    const ProfileGraph g = VerticalProfile(Table(kDepthTitles, rows), 2, 0.3f);
    ASSERT_EQ(g.curves.size(), 3u);
    EXPECT_EQ(g.curves[0].points.size(), 1500u);
    EXPECT_EQ(g.curves[0].points.back().x, 7495.0f);
    EXPECT_EQ(g.bands, 3);
}

TEST(PlaneProfile, OneCurvePerFileGroupAtHeightZero)
{
    const DataTable processing = Table({"FILE", "INCREMENT", "1000HZ", "MODE", "500HZ"},
                                       {{"1", "0", "10", "2", "1"},
                                        {"1", "5", "12", "2", "2"},
                                        {"2", "0", "20", "2", "3"},
                                        {"3", "0", "30", "2", "4"}});
    const PlaneColumn column = PlaneProfileColumn(processing, 2, 1);  // past MODE
    ASSERT_TRUE(column.Ok());
    const ProfileGraph g = PlaneProfile(processing, column.column, 0.3f);
    EXPECT_EQ(g.title, "500HZ Plane Profile Graph");
    EXPECT_EQ(g.bands, 3);
    ASSERT_EQ(g.curves.size(), 3u);
    EXPECT_EQ(g.curves[0].points[1].y, 2.0f);
    EXPECT_EQ(g.curves[2].height, 0.0f);
    EXPECT_FALSE(g.curves[2].axisTitle);

    EXPECT_EQ(PlaneProfileColumn(processing, -1, 0).message, "No valid data address found!");
    EXPECT_EQ(PlaneProfileColumn(processing, 2, -1).message, "No valid processing variables were selected!");
    EXPECT_EQ(PlaneProfileColumn(processing, 2, 2).message, "No valid processing variables were selected!");
}

}  // namespace
