#include "messages.h"
#include "numbers.h"
#include "processing/badpoints.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

/// A file whose first frequency column holds `a` and second holds `b`, one
/// group per entry of `groups` (rows per group), readings taken in order.
std::string TwoColumnFile(const std::vector<float>& a, const std::vector<float>& b,
                          const std::vector<int>& groups)
{
    std::string text = "FILE,INCREMENT,100HZ,10HZ\n";
    std::size_t i = 0;
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (int r = 0; r < groups[g]; ++r, ++i)
            text += std::to_string(g + 1) + "," + std::to_string(r) + "," + FormatFixed(a[i], 3) + "," +
                FormatFixed(b[i], 3) + "\n";
    return text;
}

/// The first cell per row that differs between `before` and `after`, as marks are kept.
std::map<int, int> FirstChanged(const Rows& before, const Rows& after)
{
    std::map<int, int> changed;
    for (std::size_t r = 0; r < before.size(); ++r)
        for (std::size_t c = 0; c < before[r].size(); ++c)
            if (before[r][c] != after[r][c]) {
                changed.emplace(static_cast<int>(r), static_cast<int>(c));
                break;
            }
    return changed;
}

TEST(CorrectBadPoints, RepairsEachGroupInSinglePrecision)
{
    struct Case {
        const char* what;
        std::string file;
        std::vector<std::string> first, second;  // the frequency columns after the correction
    };
    const std::vector<std::string> ones(4, "1.000");
    for (const Case& c : std::vector<Case>{
             {"mean 10, k = 3: stray readings pulled to the bounds",
              TwoColumnFile({45, -25, 10, 10}, {1, 1, 1, 1}, {4}),
              {"39.9999", "-19.9999", "10.000", "10.000"},
              ones},
             {"mean 1000.1 as a float: the upper bound prints 4000.3998, not 4000.3999",
              TwoColumnFile({500, 500, 500, 500, 500, 500, 500, 500, 500, 5501}, std::vector<float>(10, 1),
                            {10}),
              {"500.000", "500.000", "500.000", "500.000", "500.000", "500.000", "500.000", "500.000",
               "500.000", "4000.3998"},
              std::vector<std::string>(10, "1.000")},
             // A zero takes the group's lowest positive reading; a column of zeros the starting
             // value, 9000 in the first group and 900000 in later ones.
             {"zeros",
              TwoColumnFile({0, 5, 7, 6, 0.000001f, 8}, {0, 0, 0, 0, 0, 0}, {3, 3}),
              {"5.0000", "5.000", "7.000", "6.000", "6.0000", "8.000"},
              {"9000.0000", "9000.0000", "9000.0000", "900000.0000", "900000.0000", "900000.0000"}},
             // Mean -2, M * k = -6: every reading deviates; -1 lies above the mean (-2 - 6 - 0.0001),
             // the others not (-2 + 6 + 0.0001).
             {"negative mean",
              TwoColumnFile({-1, -2, -3}, {1, 1, 1}, {3}),
              {"-8.0001", "4.0001", "4.0001"},
              {"1.000", "1.000", "1.000"}},
             // Two runs of file 1 are two groups. The third (rows 3-4): mean 25, the zero takes
             // the lowest reading 50; a later group, but 50 < 900000.
             {"runs",
              "FILE,INCREMENT,100HZ\n1,0,10\n1,5,10\n2,0,100\n1,10,0\n1,15,50\n",
              {"10", "10", "100", "50.0000", "50"},
              {}}}) {
        Loaded l(c.file);
        EXPECT_TRUE(CorrectBadPoints(l.survey.m_tables).messages.empty()) << c.what;
        EXPECT_EQ(Column(l.survey.m_tables.Origin(), 2), c.first) << c.what;
        if (!c.second.empty()) {
            EXPECT_EQ(Column(l.survey.m_tables.Origin(), 3), c.second) << c.what;
        }
    }
}

TEST(CorrectBadPoints, CapsTheFrequencyColumnsAt200)
{
    std::string header = "FILE,INCREMENT", row = "1,0";
    for (int i = 0; i < 205; ++i) {
        header += "," + std::to_string(i + 1) + "HZ";
        row += ",0";
    }
    Loaded l(header + "\n" + row + "\n");
    l.survey.m_tables.MarkCell(0, 2);
    const OperationReport report = CorrectBadPoints(l.survey.m_tables);
    EXPECT_EQ(report.messages,
              (std::vector<std::string>{"The maximum point processing ability for200 frequency!"}));
    EXPECT_FALSE(report.stopped);
    EXPECT_EQ(l.survey.m_tables.FreqColumns(), 200);
    EXPECT_TRUE(l.survey.m_tables.Marks().empty());
    EXPECT_EQ(l.survey.m_tables.Origin().Cell(0, 201), "9000.0000");
    EXPECT_EQ(l.survey.m_tables.Origin().Cell(0, 202), "0");
}

TEST(SearchBadPoints, ClipsGroupsOfMoreThanSixAndRewritesEveryCellReadUpTo200)
{
    // Group 1: seven readings, the spike is clipped. Group 2: six readings, not clipped.
    Loaded l(TwoColumnFile({1, 1, 1, 1, 1, 1, 100, 1, 1, 1, 1, 1, 100}, std::vector<float>(13, 2), {7, 6}));
    SearchBadPoints(l.survey.m_tables);
    const auto a = Column(l.survey.m_tables.Origin(), 2);
    EXPECT_EQ(a[6], "3.000000");
    EXPECT_EQ(a[0], "1.000000");
    EXPECT_EQ(a[12], "100.000000");
    EXPECT_EQ(Column(l.survey.m_tables.Origin(), 3)[12], "2.000000");

    // At most 200 rows of a group are read (and rewritten).
    Loaded longGroup(TwoColumnFile(std::vector<float>(250, 5), std::vector<float>(250, 5), {250}));
    SearchBadPoints(longGroup.survey.m_tables);
    EXPECT_EQ(longGroup.survey.m_tables.Origin().Cell(199, 2), "5.000000");
    EXPECT_EQ(longGroup.survey.m_tables.Origin().Cell(200, 2), "5.000");
}

TEST(SearchBadPoints, MarksTheCellsTheCorrectionWouldChange)
{
    // Row 1 has a zero in the second column, row 3 a zero in both: one mark per
    // row, the leftmost. Row 2's spike is clipped by the search itself.
    Loaded l(TwoColumnFile({10, 10, 10, 0, 10, 10, 10, 10}, {10, 0, 10, 0, 10, 10, 90, 10}, {8}));
    const OperationReport report = SearchBadPoints(l.survey.m_tables);
    EXPECT_EQ(report.messages, (std::vector<std::string>{msg::kMarkedRed}));
    EXPECT_EQ(l.survey.m_tables.Marks(), (std::map<int, int>{{1, 3}, {3, 2}}));

    // The correction clears them (that it changes exactly them: on the example survey below).
    CorrectBadPoints(l.survey.m_tables);
    EXPECT_TRUE(l.survey.m_tables.Marks().empty());

    Loaded clean(TwoColumnFile(std::vector<float>(8, 4), std::vector<float>(8, 4), {8}));
    EXPECT_TRUE(SearchBadPoints(clean.survey.m_tables).messages.empty());
    EXPECT_TRUE(clean.survey.m_tables.Marks().empty());
}

TEST(SearchBadPoints, MarksFollowTheDeviationFactor)
{
    Loaded l(TwoColumnFile({10, 10, 10, 10, 10, 10, 10, 17}, std::vector<float>(8, 1), {8}));
    SetSetting(l.survey.m_tables, &ProcessingSettings::m_fDeviationFactor, 3.0f);
    SearchBadPoints(l.survey.m_tables);
    EXPECT_TRUE(l.survey.m_tables.Marks().empty());
    // Mean 10.875: 17 is beyond 5.44.
    SetSetting(l.survey.m_tables, &ProcessingSettings::m_fDeviationFactor, 0.5f);
    SearchBadPoints(l.survey.m_tables);
    EXPECT_EQ(l.survey.m_tables.Marks(), (std::map<int, int>{{7, 2}}));
}

TEST(SearchBadPoints, MarksMatchTheCorrectionOnTheExampleSurvey)
{
    // A whole survey with spikes and zeros: the marks the search leaves are
    // exactly the first cell per row that the correction then changes.
    Loaded l(ReadAll(std::string(VANTREL_TEST_DATA) + "/../../examples/line1.dat"));
    ASSERT_TRUE(l.result.Ok());
    SearchBadPoints(l.survey.m_tables);
    const std::map<int, int> marks = l.survey.m_tables.Marks();
    EXPECT_GE(marks.size(), 5u);
    const Rows before = TableRows(l.survey.m_tables.Origin());
    CorrectBadPoints(l.survey.m_tables);
    EXPECT_EQ(marks, FirstChanged(before, TableRows(l.survey.m_tables.Origin())));
}

}  // namespace
