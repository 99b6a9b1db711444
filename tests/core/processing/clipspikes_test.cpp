#include "processing/clipspikes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

using namespace vantrel;

namespace {

TEST(ClipSpikes, TrimCountRoundsHalfUp)
{
    for (auto [n, t] : std::vector<std::pair<int, int>>{
             {7, 1}, {14, 1}, {15, 2}, {25, 3}, {35, 4}, {44, 4}, {45, 5}, {200, 20}})
        EXPECT_EQ(ClipTrimCount(n), t) << n;
}

TEST(ClipSpikes, WorkedExamplesAndValuesThatDoNotCompare)
{
    for (const auto& [input, expected] : std::vector<std::pair<std::vector<float>, std::vector<float>>>{
             {{1, 1, 1, 100, 1, 1, 1}, {1, 1, 1, 3, 1, 1, 1}},
             // The trimmed sum leaves out one 100 and one 10: mean 21.25, base limit 63.75.
             {{10, 100, 10, 10, 10, 10, 10, 100, 10, 10}, {10, 63.75f, 10, 10, 10, 10, 10, 76.5f, 10, 10}},
             // The growing limit is rounded to float at each step: 43.5 * 1.2 is 52.200001, not
             // 52.200000, and the next 62.639999.
             {{1, 1, 1, 50, 1, 1, 60, 1, 70, 1}, {1, 1, 1, 43.5f, 1, 1, 52.200001f, 1, 62.639999f, 1}},
             // Mean (50 + 7 * 10) / 8 = 15, base 45: 50 is cut to 45 and the limit grows
             // to 54; 52 lies between base and limit and stays.
             {{10, 10, 52, 10, 10, 10, 10, 10, 50, 10}, {10, 10, 52, 10, 10, 10, 10, 10, 45, 10}}}) {
        std::vector<float> v = input;
        ClipSpikes(v.data(), static_cast<int>(v.size()), 3.0f);
        EXPECT_EQ(v, expected);
    }

    // NaN and infinity do not break the sorts.
    std::vector<float> v = {1, std::nanf(""), 1, 1, 1e30f, 1, 1, 1};
    ClipSpikes(v.data(), 8, 3.0f);
    std::vector<float> inf = {1, 1, 1, 1, 1, 1, std::numeric_limits<float>::infinity()};
    ClipSpikes(inf.data(), 7, 3.0f);
    EXPECT_EQ(inf[6], 3.0f);
}

/// The clipping rule as written, with a plain descending sort.
std::vector<float> ClippedByTheRule(std::vector<float> v, float factor)
{
    const int n = static_cast<int>(v.size());
    const int t = ClipTrimCount(n);
    std::vector<float> sorted = v;
    std::sort(sorted.begin(), sorted.end(), std::greater<float>());
    float sum = 0.0f;
    for (int i = t; i <= n - t - 1; ++i)
        sum += sorted[static_cast<std::size_t>(i)];
    const float base = (n - 2 * t > 0 ? sum / static_cast<float>(n - 2 * t) : 0.0f) * factor;
    std::vector<std::size_t> above;
    for (std::size_t i = 0; i < v.size(); ++i)
        if (v[i] > base)
            above.push_back(i);
    std::stable_sort(above.begin(), above.end(), [&](std::size_t a, std::size_t b) { return v[a] < v[b]; });
    float limit = base;
    for (const std::size_t i : above) {
        if (v[i] > limit) {
            v[i] = limit;
            limit = static_cast<float>(limit * 1.2);
        } else if (v[i] < limit) {
            limit = static_cast<float>(limit * 1.2);
        }
    }
    return v;
}

TEST(ClipSpikes, SameResultAsTheRuleWithAPlainSort)
{
    // Readings of both signs, many ties, zeros of both signs, tiny and huge
    // values and infinities, in columns of every length a file group has.
    std::uint32_t seed = 12345;
    const auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    const float inf = std::numeric_limits<float>::infinity();
    const float specials[] = {0.0f, -0.0f, 1e-40f, -1e-40f, inf, -inf, 3.5f, -3.5f, 1e30f};
    for (int round = 0; round < 400; ++round) {
        const int n = 7 + static_cast<int>(next() % 250);
        std::vector<float> v(static_cast<std::size_t>(n));
        for (float& x : v) {
            const std::uint32_t r = next() >> 8;
            x = r % 11 == 0 ? specials[r % 9]
                            : static_cast<float>(static_cast<int>(r % 20001) - 2000) / 16.0f;
        }
        std::vector<float> clipped = v;
        ClipSpikes(clipped.data(), n, 3.0f);
        ASSERT_EQ(clipped, ClippedByTheRule(v, 3.0f)) << "round " << round;
    }
}

}  // namespace
