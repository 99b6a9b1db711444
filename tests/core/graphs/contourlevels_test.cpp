#include "graphs/contourlevels.h"

#include <gtest/gtest.h>

using namespace vantrel;
using Mode = ContourChoice::Mode;

namespace {

TEST(ContourChoice, ReadsEveryFormAndRefusesTheRest)
{
    struct Case {
        const char* text;
        Mode mode;
        int count;
        std::vector<double> levels;
    };
    const std::vector<Case> cases = {
        {"auto", Mode::Automatic, 0, {}},
        {" off ", Mode::Off, 0, {}},
        {"12", Mode::Count, 12, {}},
        {"100", Mode::Count, 100, {}},
        {"50,20.5, 1e2,20.5", Mode::Given, 0, {20.5, 50, 100}},
        {"50.", Mode::Given, 0, {50}},
        {"50,", Mode::Given, 0, {50}},
        {"-3.5", Mode::Given, 0, {-3.5}},
    };
    for (const Case& k : cases) {
        const ContourChoiceParse p = ParseContourChoice(k.text);
        ASSERT_TRUE(p.Ok()) << k.text << ": " << p.message;
        EXPECT_EQ(p.choice.mode, k.mode) << k.text;
        EXPECT_EQ(p.choice.count, k.count) << k.text;
        EXPECT_EQ(p.choice.levels, k.levels) << k.text;
        // Written back, the choice reads the same.
        const ContourChoiceParse again = ParseContourChoice(ContourChoiceText(p.choice));
        EXPECT_EQ(again.choice.mode, p.choice.mode) << k.text;
        EXPECT_EQ(again.choice.levels, p.choice.levels) << k.text;
    }
    const std::string count = "the number of contour levels must be from 1 to 100, not ";
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"0", count + "0"},
             {"101", count + "101"},
             {"99999999999", count + "99999999999"},
             {"10,abc", "a contour level must be a number, not 'abc'"},
             {"1,,2", "a contour level must be a number, not ''"},
             {"nan", "a contour level must be a number, not 'nan'"},
             {"1e999", "a contour level must be a number, not '1e999'"},
             {"", "contours take auto, off, a number of levels or levels L1,L2,..., not ''"}})
        EXPECT_EQ(ParseContourChoice(text).message, message) << text;
}

TEST(ContourLevels, NiceNumbersLinearOrByFactors)
{
    struct Case {
        ContourChoice choice;
        double lower, upper;
        bool logarithmic;
        std::vector<double> levels;
    };
    const ContourChoice automatic{Mode::Automatic, 0, {}};
    const std::vector<Case> cases = {
        {automatic, 0, 100, false, {10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {automatic, 0.13, 0.71, false, {0.2, 0.3, 0.4, 0.5, 0.6, 0.7}},
        {automatic, -7, 12, false, {-6, -4, -2, 0, 2, 4, 6, 8, 10}},
        // 9.4 to 130 (a factor of 14): the finest series of at most ten.
        {automatic, 9.4, 130, true, {10, 15, 20, 30, 50, 70, 100}},
        // Five decades: 1-3-10.
        {automatic, 0.5, 40000, true, {1, 3, 10, 30, 100, 300, 1000, 3000, 10000, 30000}},
        // Too narrow for factors: linear steps.
        {automatic, 20, 24, true, {20.5, 21, 21.5, 22, 22.5, 23, 23.5}},
        // Readings 0 or below on a logarithmic scale: linear.
        {automatic, 0, 50, true, {5, 10, 15, 20, 25, 30, 35, 40, 45}},
        {{Mode::Count, 3, {}}, 10, 50, false, {20, 30, 40}},
        {{Mode::Count, 1, {}}, 1, 100, true, {10}},
        {{Mode::Given, 0, {1, 500}}, 10, 50, false, {1, 500}},
        {automatic, 7, 7, false, {}},
        {{Mode::Count, 4, {}}, 7, 7, false, {}},
        {{Mode::Off, 0, {}}, 0, 100, false, {}},
    };
    for (const Case& k : cases) {
        const std::vector<double> got = ContourLevels(k.choice, k.lower, k.upper, k.logarithmic);
        ASSERT_EQ(got.size(), k.levels.size()) << k.lower << " " << k.upper;
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_NEAR(got[i], k.levels[i], 1e-9 * std::max(1.0, k.levels[i])) << k.lower << " " << k.upper;
    }
}

}  // namespace
