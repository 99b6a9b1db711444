#include "graphs/profilecurve.h"
#include "graphs/stackaxes.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

using namespace vantrel;
using Kind = ProfileRegion::Kind;

namespace {

std::string Trim(const std::string& s)
{
    const auto a = s.find_first_not_of(' ');
    const auto b = s.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

std::vector<std::string> Split(const std::string& s, char sep)
{
    std::vector<std::string> parts;
    std::stringstream in(s);
    std::string part;
    while (std::getline(in, part, sep))
        parts.push_back(Trim(part));
    if (!s.empty() && s.back() == sep)
        parts.emplace_back();
    return parts;
}

std::vector<float> Floats(const std::string& s)
{
    std::vector<float> values;
    std::stringstream in(s);
    std::string word;
    while (in >> word)
        values.push_back(std::strtof(word.c_str(), nullptr));
    return values;
}

struct CurveCase {
    std::string name;
    std::vector<float> x, y;
    float factor = 0;
    float mean = 0;
    std::vector<ProfileRegion> regions;
};

std::vector<CurveCase> LoadCases()
{
    std::vector<CurveCase> cases;
    std::stringstream in(test::ReadAll(test::DataPath("graphs/profile_curves.txt")));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto f = Split(line, '|');
        EXPECT_EQ(f.size(), 6u) << line;
        if (f.size() != 6)
            continue;
        CurveCase c{f[0], Floats(f[1]), Floats(f[2]), Floats(f[3]).at(0), Floats(f[4]).at(0), {}};
        for (const auto& region : Split(f[5], ';')) {
            if (region.empty())
                continue;
            std::stringstream r(region);
            std::string kind;
            r >> kind;
            const auto v = Floats(region.substr(kind.size()));
            const Kind k = kind == "high" ? Kind::High : kind == "low" ? Kind::Low : Kind::LowLast;
            c.regions.push_back({k, v.at(0), v.at(1), v.at(2)});
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

std::string Describe(const std::vector<ProfileRegion>& regions)
{
    std::ostringstream s;
    s.precision(9);
    for (const auto& r : regions)
        s << static_cast<int>(r.kind) << ' ' << r.level << ' ' << r.from << ' ' << r.to << "; ";
    return s.str();
}

TEST(DrawProfileCurve, MeansAndRegionsInSinglePrecision)
{
    const auto cases = LoadCases();
    ASSERT_GE(cases.size(), 7u);
    for (const CurveCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileCurve curve = DrawProfileCurve(3, -49.0f, c.x, c.y, c.factor);
        EXPECT_EQ(curve.mean, c.mean);
        EXPECT_EQ(curve.regions, c.regions) << "got " << Describe(curve.regions) << "\nwant " << Describe(c.regions);
        ASSERT_EQ(curve.points.size(), c.x.size());
        EXPECT_EQ(curve.points.back().x, c.x.back());
        EXPECT_EQ(curve.points.back().y, c.y.back());
    }
}

TEST(DrawProfileCurve, AxisTitleFromNegativeHeightsOnly)
{
    const std::vector<float> x = {0, 1}, y = {1, 1};
    EXPECT_EQ(DrawProfileCurve(0, -15.6f, x, y, 0.3f).axisTitle, "-15");
    EXPECT_EQ(DrawProfileCurve(0, -0.5f, x, y, 0.3f).axisTitle, "0");
    EXPECT_EQ(DrawProfileCurve(0, -2147483648.0f, x, y, 0.3f).axisTitle, "-2147483648");
    EXPECT_EQ(DrawProfileCurve(0, -1e30f, x, y, 0.3f).axisTitle, "-2147483648");
    EXPECT_FALSE(DrawProfileCurve(0, 0.0f, x, y, 0.3f).axisTitle);
    EXPECT_FALSE(DrawProfileCurve(0, 12.0f, x, y, 0.3f).axisTitle);
    EXPECT_FALSE(DrawProfileCurve(0, std::nanf(""), x, y, 0.3f).axisTitle);
}

TEST(DrawProfileCurve, CurveWithoutPointsStillTitlesItsAxis)
{
    const ProfileCurve curve = DrawProfileCurve(2, -498.0f, {}, {}, 0.3f);
    EXPECT_EQ(curve.series, 2);
    EXPECT_TRUE(curve.points.empty());
    EXPECT_TRUE(curve.regions.empty());
    EXPECT_EQ(curve.axisTitle, "-498");
    EXPECT_TRUE(std::isnan(curve.mean));
}

TEST(DrawProfileCurve, LongCurvesAreKeptWhole)
{
    // 2500 points with one spike near the end: nothing is cut at 1000.
    std::vector<float> x(2500), y(2500, 10.0f);
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<float>(i) * 5;
    y[2400] = 100.0f;
    const ProfileCurve curve = DrawProfileCurve(0, -17, x, y, 0.3f);
    ASSERT_EQ(curve.points.size(), 2500u);
    EXPECT_EQ(curve.points[2499].x, 12495.0f);
    ASSERT_EQ(curve.regions.size(), 1u);
    EXPECT_EQ(curve.regions[0].kind, Kind::High);
    EXPECT_GT(curve.regions[0].from, 11995.0f);
    EXPECT_LT(curve.regions[0].to, 12005.0f);
}

TEST(StackAxes, EqualBandsFromTheBottom)
{
    const auto four = StackAxes(4);
    ASSERT_EQ(four.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(four[static_cast<std::size_t>(i)].start, 25.0 * i);
        EXPECT_EQ(four[static_cast<std::size_t>(i)].end, 25.0 * (i + 1));
    }
    // q = 1/3 in double: (i + 1) * q * 100 in that order.
    const auto three = StackAxes(3);
    EXPECT_EQ(three[1].end, 2 * (1.0 / 3) * 100);
    EXPECT_EQ(three[2].end, 100.0);
    EXPECT_TRUE(StackAxes(0).empty());
    EXPECT_TRUE(StackAxes(-2).empty());
}

}  // namespace
