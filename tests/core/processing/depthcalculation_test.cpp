#include "messages.h"
#include "processing/depthcalculation.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

using namespace vantrel;
using namespace vantrel::test;

namespace {

TEST(DepthHeight, SkinDepthTimesTheCoefficient)
{
    // A height that is not finite or not an int is the most negative int, by rule.
    const std::tuple<float, float, float, int> cases[] = {
        {1000, 20, 0.7f, -49},       {10, 20, 0.7f, -498},  {1, 20, 0.7f, -1576},
        {0.5f, 20, 0.7f, -2229},     {50, 100, 0.7f, -498}, {1000, 12.5f, 0.7f, -39},
        {0, 20, 0.7f, INT_MIN},      {0, 0, 0.7f, INT_MIN}, {10, -20, 0.7f, INT_MIN},
        {1e-30f, 20, 0.7f, INT_MIN}, {1000, 20, -0.7f, 49}};
    for (const auto& [frequency, resistivity, coefficient, height] : cases)
        EXPECT_EQ(DepthHeight(frequency, resistivity, coefficient), height)
            << frequency << " " << resistivity << " " << coefficient;
}

TEST(CalculateDepth, OneRowPerReadingGroupByGroupColumnByColumn)
{
    // Two runs of file 1 are two groups; the dash column gives its title as height.
    Chosen c("FILE,INCREMENT,1000HZ,1-5,MODE,0HZ,XHZ\n"
             "1,0,12.5,3,2,7,8\n1,5,12.7,4,2,7,8\n2,0,22.5,5,2,7,8\n1,10,13.5,6,2,7,8\n");
    EXPECT_TRUE(CalculateDepth(c.survey.m_tables).messages.empty());
    const Rows depth = c.Depth();
    ASSERT_EQ(depth.size(), 16u);
    EXPECT_EQ(depth[0], (std::vector<std::string>{"1", "0", "-49", "12.5"}));
    EXPECT_EQ(depth[1], (std::vector<std::string>{"1", "5", "-49", "12.7"}));
    EXPECT_EQ(depth[2], (std::vector<std::string>{"1", "0", "1-5", "3"}));
    EXPECT_EQ(depth[4], (std::vector<std::string>{"1", "0", "-2147483648", "7"}));
    EXPECT_EQ(depth[6], (std::vector<std::string>{"1", "0", "-2147483648", "8"}));
    EXPECT_EQ(depth[8], (std::vector<std::string>{"2", "0", "-49", "22.5"}));
    EXPECT_EQ(depth[12], (std::vector<std::string>{"1", "10", "-49", "13.5"}));
    EXPECT_EQ(c.survey.m_tables.ActiveTab(), OutputTables::DepthTab);
}

TEST(CalculateDepth, ReadsTheWorkingSettings)
{
    Chosen c("FILE,INCREMENT,50HZ\n1,0,1\n");
    SetSetting(c.survey.m_tables, &ProcessingSettings::m_fResistivity, 100);
    CalculateDepth(c.survey.m_tables);
    EXPECT_EQ(c.Depth()[0][2], "-498");
    SetSetting(c.survey.m_tables, &ProcessingSettings::m_fDepthCoefficient, 1.4f);
    ASSERT_TRUE(DepthNeedsConfirmation(c.survey.m_tables));
    CalculateDepth(c.survey.m_tables);  // confirmed: rebuilt from scratch
    EXPECT_EQ(c.Depth(), (Rows{{"1", "0", "-996", "1"}}));

    // Extra columns before the frequencies keep their places.
    Chosen extra("FILE,INCREMENT,LINE,1000HZ\n4,10,L7,12.5\n");
    EXPECT_EQ(extra.survey.m_tables.Depth().Titles(),
              (std::vector<std::string>{"FILE", "INCREMENT", "LINE", "Height(H)", "Value(V)"}));
    CalculateDepth(extra.survey.m_tables);
    EXPECT_EQ(extra.Depth(), (Rows{{"4", "10", "L7", "-49", "12.5"}}));
}

TEST(CalculateDepth, StopsWithoutChosenRowsOrWithoutAFile)
{
    Loaded l("FILE,INCREMENT,1000HZ\n1,0,1\n");
    OperationReport r = CalculateDepth(l.survey.m_tables);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.messages, (std::vector<std::string>{msg::kSelectHighValue}));

    OutputTables nothing;
    r = CalculateDepth(nothing);
    EXPECT_TRUE(r.stopped);
    EXPECT_TRUE(r.messages.empty());
}

}  // namespace
