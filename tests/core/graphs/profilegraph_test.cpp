#include "datafile/datatable.h"
#include "graphs/graphchecks.h"
#include "graphs/profilegraph.h"
#include "messages.h"
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

std::vector<float> Xs(const ProfileCurve& c)
{
    std::vector<float> v;
    for (const auto& p : c.points)
        v.push_back(p.x);
    return v;
}

std::vector<float> Ys(const ProfileCurve& c)
{
    std::vector<float> v;
    for (const auto& p : c.points)
        v.push_back(p.y);
    return v;
}

TEST(VerticalProfile, OneCurvePerHeightOfTheFirstFileOnly)
{
    const DataTable depth = Table(kDepthTitles, {{"1", "0", "-17", "10"},    {"1", "5", "-17", "11"},
                                                 {"1", "0", "-49", "20"},    {"1", "5", "-49", "21"},
                                                 {"1", "0", "-498", "30"},   {"1", "5", "-498", "31.5"},
                                                 {"2", "0", "-17", "99"},    {"2", "5", "-17", "98"},
                                                 {"2", "0", "-49", "97"}});
    const ProfileGraph g = VerticalProfile(depth, 3, 0.3f);
    EXPECT_EQ(g.kind, GraphKind::Vertical);
    EXPECT_EQ(g.title, "File1 Vertical Profile Graph");
    EXPECT_EQ(g.bands, 3);
    ASSERT_EQ(g.axes.size(), 3u);
    ASSERT_EQ(g.curves.size(), 3u);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(g.curves[static_cast<std::size_t>(c)].series, c);
    EXPECT_EQ(g.curves[0].height, -17.0f);
    EXPECT_EQ(g.curves[2].height, -498.0f);
    EXPECT_EQ(g.curves[2].axisTitle, "-498");
    EXPECT_EQ(Xs(g.curves[1]), (std::vector<float>{0, 5}));
    EXPECT_EQ(Ys(g.curves[2]), (std::vector<float>{30, 31.5f}));
    EXPECT_EQ(g.curves[2].mean, 30.75f);
}

TEST(VerticalProfile, HeightsWithinOneHundredthShareACurve)
{
    const DataTable depth = Table(kDepthTitles, {{"4", "0", "1.5", "1"},
                                                 {"4", "5", "1.509", "2"},
                                                 {"4", "10", "1.491", "3"},
                                                 {"4", "15", "1.52", "4"}});
    const ProfileGraph g = VerticalProfile(depth, 1, 0.3f);
    EXPECT_EQ(g.title, "File4 Vertical Profile Graph");
    ASSERT_EQ(g.curves.size(), 2u);
    EXPECT_EQ(g.curves[0].points.size(), 3u);
    EXPECT_EQ(g.curves[0].height, 1.5f);
    EXPECT_FALSE(g.curves[0].axisTitle);  // a height of 0 or above hides the title
    EXPECT_EQ(g.curves[1].height, 1.52f);
    EXPECT_EQ(g.bands, 2);  // more curves than bands: every curve keeps a band
}

TEST(VerticalProfile, HeightAndValueFoundByTitleAfterAnyLeadingColumns)
{
    // Depth rows of a file whose MODE and DATETIME stand before the first
    // frequency column: the height and the value are the last two columns.
    const DataTable depth = Table({"FILE", "INCREMENT", "MODE", "DATETIME", "Height(H)", "Value(V)"},
                                  {{"7", "0", "2", "20260302090700", "-49", "12.5"},
                                   {"7", "5", "2", "20260302090700", "-49", "13"},
                                   {"7", "0", "2", "20260302090700", "-157", "14"}});
    const ProfileGraph g = VerticalProfile(depth, 2, 0.3f);
    ASSERT_EQ(g.curves.size(), 2u);
    EXPECT_EQ(g.curves[0].height, -49.0f);
    EXPECT_EQ(Ys(g.curves[0]), (std::vector<float>{12.5f, 13}));
    EXPECT_EQ(g.curves[1].axisTitle, "-157");
    EXPECT_EQ(Ys(g.curves[1]), (std::vector<float>{14}));
}

TEST(VerticalProfile, EmptyDepthTableGivesFileZeroAndNoCurve)
{
    const ProfileGraph g = VerticalProfile(Table(kDepthTitles, {}), 20, 0.3f);
    EXPECT_EQ(g.title, "File0 Vertical Profile Graph");
    EXPECT_TRUE(g.curves.empty());
    EXPECT_EQ(g.bands, 20);
    EXPECT_EQ(g.axes.size(), 20u);
}

TEST(VerticalProfile, RunsLongerThanAThousandPointsStayWhole)
{
    Rows rows;
    for (int i = 0; i < 1500; ++i)
        rows.push_back({"1", std::to_string(i * 5), "-22", std::to_string(100 + i % 7)});
    for (int i = 0; i < 1200; ++i)
        rows.push_back({"1", std::to_string(i * 5), "-49", "50"});
    const ProfileGraph g = VerticalProfile(Table(kDepthTitles, rows), 2, 0.3f);
    ASSERT_EQ(g.curves.size(), 2u);
    EXPECT_EQ(g.curves[0].points.size(), 1500u);
    EXPECT_EQ(g.curves[0].points.back().x, 7495.0f);
    EXPECT_EQ(g.curves[1].points.size(), 1200u);
}

TEST(PlaneProfile, OneCurvePerFileGroupAtHeightZero)
{
    const DataTable processing = Table({"FILE", "INCREMENT", "1000HZ", "500HZ", "MODE"},
                                       {{"1", "0", "10", "1", "2"},
                                        {"1", "5", "12", "2", "2"},
                                        {"2", "0", "20", "3", "2"},
                                        {"3", "0", "30", "4", "2"},
                                        {"3", "5", "33", "5", "2"},
                                        {"3", "10", "90", "6", "2"}});
    const ProfileGraph g = PlaneProfile(processing, 3, 0.3f);
    EXPECT_EQ(g.kind, GraphKind::Plane);
    EXPECT_EQ(g.title, "500HZ Plane Profile Graph");
    EXPECT_EQ(g.bands, 3);  // the groups the table holds, whatever processing ran before
    ASSERT_EQ(g.curves.size(), 3u);
    EXPECT_EQ(Ys(g.curves[2]), (std::vector<float>{4, 5, 6}));
    EXPECT_EQ(Xs(g.curves[2]), (std::vector<float>{0, 5, 10}));
    for (const auto& c : g.curves) {
        EXPECT_EQ(c.height, 0.0f);
        EXPECT_FALSE(c.axisTitle);
    }
    EXPECT_TRUE(PlaneProfile(Table({"FILE", "INCREMENT", "1000HZ"}, {}), 2, 0.3f).curves.empty());
}

TEST(GraphChecks, MessagesOfTheGraphCommands)
{
    EXPECT_EQ(GraphCommandCheck(GraphKind::Vertical, false, 0), msg::kChooseData);
    EXPECT_EQ(GraphCommandCheck(GraphKind::Circular, false, 0), "Please choose data!");
    EXPECT_EQ(GraphCommandCheck(GraphKind::Plane, true, -1), "Please choose data!");
    EXPECT_EQ(GraphCommandCheck(GraphKind::Vertical, true, -1), "");
    EXPECT_EQ(GraphCommandCheck(GraphKind::Plane, true, 0), "");

    const DataTable processing = Table({"FILE", "INCREMENT", "1000HZ", "MODE", "500HZ"}, {});
    EXPECT_EQ(PlaneProfileColumn(processing, -1, 0).message, "No valid data address found!");
    EXPECT_EQ(PlaneProfileColumn(processing, 2, -1).message, "No valid processing variables were selected!");
    EXPECT_EQ(PlaneProfileColumn(processing, 2, 2).message, "No valid processing variables were selected!");
    EXPECT_EQ(PlaneProfileColumn(processing, 2, 0).column, 2u);
    // The second entry of the selector is the second frequency column, past MODE.
    const PlaneColumn second = PlaneProfileColumn(processing, 2, 1);
    EXPECT_TRUE(second.Ok());
    EXPECT_EQ(second.column, 4u);

    EXPECT_EQ(FirstDocumentTitle(GraphKind::Vertical), "垂直剖面图");
    EXPECT_EQ(FirstDocumentTitle(GraphKind::Plane), "平面剖面图");
    EXPECT_EQ(FirstDocumentTitle(GraphKind::Circular), "环形图");
}

}  // namespace
