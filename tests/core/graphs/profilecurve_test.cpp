#include "graphs/profilecurve.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace vantrel;

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
    std::istringstream file(test::ReadAll(test::DataPath("graphs/profile_curves.txt")));
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

}  // namespace
