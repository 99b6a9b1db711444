#include "numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vantrel;

namespace {

TEST(Numbers, AtofAndAtoiSemantics)
{
    const std::vector<std::pair<const char*, double>> cases = {
        {"12.5", 12.5}, {"  -3.25e2xyz", -325}, {"20m", 20}, {"abc", 0},
        {"", 0},        {"+.5", 0.5},           {"5.", 5},   {"1e", 1},
        {"-", 0},       {"0x1A", 26},           {"\t7", 7},  {"1,5", 1}};
    for (auto [text, value] : cases)
        EXPECT_EQ(CAtof(text), value) << text;
    EXPECT_TRUE(std::isinf(CAtof("INF")));
    EXPECT_TRUE(std::isnan(CAtof("NAN")));
    EXPECT_TRUE(std::isinf(CAtof("1e999")));

    const std::vector<std::pair<const char*, int>> atoi = {{"12", 12},
                                                           {" -7x", -7},
                                                           {"3.9", 3},
                                                           {"abc", 0},
                                                           {"+4", 4},
                                                           {"99999999999", INT_MAX},
                                                           {"-99999999999", INT_MIN},
                                                           {"999999999", 999999999},
                                                           {"2147483647", INT_MAX},
                                                           {"2147483648", INT_MAX},
                                                           {"0012", 12},
                                                           {"12\v", 12},
                                                           {"\f\r 5", 5},
                                                           {"", 0}};
    for (auto [text, value] : atoi)
        EXPECT_EQ(CAtoi(text), value) << text;
}

TEST(Numbers, FormattingIgnoresTheProcessLocale)
{
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(CAtof("12.5"), 12.5);
    EXPECT_EQ(FormatFixed(12.5, 6), "12.500000");
    EXPECT_EQ(FormatFixed(-19.9999, 4), "-19.9999");
    EXPECT_EQ(FormatFixed(0.00005, 4), "0.0001");  // the double just above 0.00005
    EXPECT_EQ(FormatFixed(2.5, 0), "2");
    EXPECT_EQ(FormatInt2(5), " 5");
    EXPECT_EQ(FormatInt2(-5), "-5");
    EXPECT_EQ(FormatInt(INT_MIN), "-2147483648");
    std::setlocale(LC_ALL, "C");
    if (!german)
        GTEST_SKIP() << "de_DE.UTF-8 is not generated here; checked in the C locale only";
}

// The fast paths must agree with the C library to the last digit.
TEST(Numbers, FastPathsAgreeWithTheCLibrary)
{
    std::uint64_t state = 42;
    const auto next = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    char text[64];
    for (int i = 0; i < 200000; ++i) {
        const int intDigits = static_cast<int>(next() % 9);
        const int fracDigits = static_cast<int>(next() % 12);
        std::string s = (next() % 4 == 0) ? "-" : "";
        for (int d = 0; d < intDigits; ++d)
            s += static_cast<char>('0' + next() % 10);
        s += '.';
        for (int d = 0; d < fracDigits; ++d)
            s += static_cast<char>('0' + next() % 10);
        ASSERT_EQ(CAtof(s), std::strtod(s.c_str(), nullptr)) << s;

        const double d = (i % 2 ? static_cast<float>(CAtof(s)) : CAtof(s)) * ((next() % 3) ? 1.0 : 1e-5);
        for (int precision : {0, 4, 6}) {
            std::snprintf(text, sizeof text, "%.*f", precision, d);
            ASSERT_EQ(FormatFixed(d, precision), text) << s << " precision " << precision;
        }
    }
    // Large values with many decimals, whose scaled value does not fit 64 bits.
    for (double large : {2e10 + 0.5, -123456789012.25, 9.999999e11}) {
        std::snprintf(text, sizeof text, "%.9f", large);
        EXPECT_EQ(FormatFixed(large, 9), text);
    }
    // Exact ties round to even, as printf does.
    for (double tie : {0.125, 0.375, 2.5, -0.5, 1e-7, -1e-7, 0.0, -0.0}) {
        std::snprintf(text, sizeof text, "%.2f", tie);
        EXPECT_EQ(FormatFixed(tie, 2), text);
        std::snprintf(text, sizeof text, "%.0f", tie);
        EXPECT_EQ(FormatFixed(tie, 0), text);
    }
}

}  // namespace
