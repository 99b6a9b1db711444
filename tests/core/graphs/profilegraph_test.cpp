#include "graphs/graphchecks.h"
#include "graphs/profilecurve.h"
#include "graphs/profilegraph.h"
#include "graphs/rowsoffile.h"
#include "numbers.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace vantrel;
using namespace vantrel::test;

namespace {

std::vector<float> Floats(const std::string& text)
{
    std::istringstream in(text);
    std::vector<float> values;
    for (float v; in >> v;)
        values.push_back(v);
    return values;
}

TEST(DrawProfileCurve, MeansAndRegionsInSinglePrecision)
{
    // Every expected number is a float written in its shortest form.
    std::istringstream file(ReadAll(DataPath("graphs/profile_curves.txt")));
    int cases = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::vector<std::string> f(6);
        for (auto& field : f)
            std::getline(fields, field, '|');
        SCOPED_TRACE(f[0]);
        const auto x = Floats(f[1]), y = Floats(f[2]);
        const ProfileCurve curve = DrawProfileCurve(0, -49.0f, x, y, Floats(f[3]).at(0));
        EXPECT_EQ(curve.mean, Floats(f[4]).at(0));
        EXPECT_EQ(curve.points.size(), x.size());
        std::istringstream regions(f[5]);
        std::vector<ProfileRegion> expected;
        for (std::string kind; regions >> kind;) {
            ProfileRegion r;
            regions >> r.level >> r.from >> r.to;
            r.kind = kind == "high" ? ProfileRegion::Kind::High
                : kind == "low"     ? ProfileRegion::Kind::Low
                                    : ProfileRegion::Kind::LowLast;
            expected.push_back(r);
        }
        ASSERT_EQ(curve.regions.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(curve.regions[i].kind, expected[i].kind) << i;
            EXPECT_EQ(curve.regions[i].level, expected[i].level) << i;
            EXPECT_EQ(curve.regions[i].from, expected[i].from) << i;
            EXPECT_EQ(curve.regions[i].to, expected[i].to) << i;
        }
        ++cases;
    }
    EXPECT_GE(cases, 7);
}

TEST(DrawProfileCurve, AxisTitleAndCurveWithoutPoints)
{
    const std::vector<float> x = {0, 1}, y = {1, 1};
    EXPECT_EQ(DrawProfileCurve(0, -15.6f, x, y, 0.3f).axisTitle, "-15");
    EXPECT_EQ(DrawProfileCurve(0, -0.5f, x, y, 0.3f).axisTitle, "0");
    EXPECT_EQ(DrawProfileCurve(0, -1e30f, x, y, 0.3f).axisTitle, "-2147483648");
    EXPECT_FALSE(DrawProfileCurve(0, 0.0f, x, y, 0.3f).axisTitle);  // hidden

    const ProfileCurve empty = DrawProfileCurve(2, -498.0f, {}, {}, 0.3f);
    EXPECT_TRUE(empty.points.empty() && empty.regions.empty());
    EXPECT_EQ(empty.axisTitle, "-498");
    EXPECT_TRUE(std::isnan(empty.mean));
}

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

    // Long runs stay whole, and every curve gets a band.
    Rows rows;
    for (int i = 0; i < 1500; ++i)
        rows.push_back({"1", std::to_string(i * 5), "-22", "100"});
    for (int i = 0; i < 3; ++i)
        rows.push_back({"1", std::to_string(i * 5), "-49", "50"});
    rows.push_back({"1", "0", "-22", "7"});  // the first height again: a third curve
    const ProfileGraph runs = VerticalProfile(Table(kDepthTitles, rows), 2, 0.3f);
    ASSERT_EQ(runs.curves.size(), 3u);
    EXPECT_EQ(runs.curves[0].points.size(), 1500u);
    EXPECT_EQ(runs.curves[0].points.back().x, 7495.0f);
    EXPECT_EQ(runs.bands, 3);
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

    EXPECT_EQ(PlaneProfileColumn(processing, -1, 0).message, "No valid data address found!");
    EXPECT_EQ(PlaneProfileColumn(processing, 2, -1).message, "No valid processing variables were selected!");
    EXPECT_EQ(PlaneProfileColumn(processing, 2, 2).message, "No valid processing variables were selected!");
}

std::vector<std::size_t> Naive(const DataTable& table, int file)
{
    std::vector<std::size_t> rows;
    for (std::size_t r = 0; r < table.RowCount(); ++r)
        if (CAtoi(table.Cell(r, 0)) == file)
            rows.push_back(r);
    return rows;
}

TEST(RowsOfFile, SameRowsAsReadingEveryFirstCell)
{
    // Files interleaved, numbers written differently ("01", " 1", "1x"), and
    // rows repeated by reference as a depth table repeats them per band: more
    // distinct references than the cache has slots, so slots are shared.
    DataTable source = Table({"FILE", "INCREMENT"});
    const char* ids[] = {"1", "2", "01", " 1", "1x", "3", "", "-1"};
    for (int r = 0; r < 40000; ++r) {
        const std::string increment = std::to_string(r);
        const std::string_view cells[] = {ids[(r * 7 + r / 5) % 8], increment};
        source.AppendRow(cells);
    }
    DataTable::CellRef refs[2];
    const std::size_t distinct = source.RowCount();
    for (int band = 0; band < 3; ++band)
        for (std::size_t r = 0; r < distinct; ++r) {
            refs[0] = source.RefAt(r, 0);
            refs[1] = source.RefAt(r, 1);
            source.AppendRowRefs(refs);
        }
    for (const int file : {1, 2, 3, 0, -1, 7}) {
        const std::vector<std::size_t> fast = RowsOfFile(source, file);
        EXPECT_EQ(fast, Naive(source, file)) << file;
    }
    EXPECT_TRUE(RowsOfFile(DataTable(), 1).empty());
}

}  // namespace
