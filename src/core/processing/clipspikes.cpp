#include "clipspikes.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace vantrel {

namespace {
// NaN readings sort as the lowest value so the sorts stay well defined.
float SortKey(float v)
{
    return std::isnan(v) ? -std::numeric_limits<float>::infinity() : v;
}
/// `n` readings without NaN in descending order: a radix sort of their bit
/// patterns, the order std::sort gives (far fewer mispredicted branches on
/// the short columns of a file group).
void SortDescending(const float* values, std::size_t n, std::vector<float>& sorted)
{
    thread_local std::vector<std::uint32_t> keys, spare;
    keys.resize(n);
    spare.resize(n);
    // The four bytes' counts in one pass over the readings.
    std::uint32_t counts[4][256] = {};
    for (std::size_t i = 0; i < n; ++i) {
        const auto bits = std::bit_cast<std::uint32_t>(values[i]);
        const std::uint32_t k = (bits & 0x80000000u) ? bits : ~bits & 0x7FFFFFFFu;  // larger reading, smaller key
        keys[i] = k;
        ++counts[0][k & 0xFF];
        ++counts[1][(k >> 8) & 0xFF];
        ++counts[2][(k >> 16) & 0xFF];
        ++counts[3][k >> 24];
    }
    for (unsigned pass = 0; pass < 4; ++pass) {
        const unsigned shift = 8 * pass;
        std::uint32_t* count = counts[pass];
        if (count[(keys[0] >> shift) & 0xFF] == n)
            continue;  // one byte value for all: nothing to move
        std::uint32_t start = 0;
        for (unsigned b = 0; b < 256; ++b) {
            const std::uint32_t c = count[b];
            count[b] = start;
            start += c;
        }
        for (const std::uint32_t k : keys)
            spare[count[(k >> shift) & 0xFF]++] = k;
        keys.swap(spare);
    }
    sorted.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t k = keys[i];
        sorted[i] = std::bit_cast<float>((k & 0x80000000u) ? k : ~k & 0x7FFFFFFFu);
    }
}

}  // namespace

int ClipTrimCount(int n)
{
    const float tenth = static_cast<float>(n * 0.1);
    int t = static_cast<int>(tenth);
    if (tenth - static_cast<float>(t) >= 0.5f)
        ++t;
    return t;
}

bool ClipSpikes(float* values, int n, float factor)
{
    if (n <= 0)
        return true;
    const int t = ClipTrimCount(n);

    thread_local std::vector<float> sorted;
    const bool anyNan = std::any_of(values, values + n, [](float v) { return std::isnan(v); });
    if (anyNan) {
        sorted.assign(values, values + n);
        std::sort(sorted.begin(), sorted.end(), [](float a, float b) { return SortKey(a) > SortKey(b); });
    } else {
        SortDescending(values, static_cast<std::size_t>(n), sorted);
    }
    // The trimmed sum runs from the largest kept reading down, in float.
    float sum = 0.0f;
    for (int i = t; i <= n - t - 1; ++i)
        sum += sorted[static_cast<std::size_t>(i)];
    const int kept = n - 2 * t;
    const float mean = kept > 0 ? sum / static_cast<float>(kept) : 0.0f;
    const float base = mean * factor;

    // Walking up from the smallest reading, nothing happens until a reading is
    // above the base limit, so only those are walked: in ascending order, equal
    // readings in their original order.
    thread_local std::vector<int> above;
    above.clear();
    for (int i = 0; i < n; ++i)
        if (values[i] > base)
            above.push_back(i);
    std::sort(above.begin(), above.end(),
              [values](int a, int b) { return values[a] < values[b] || (values[a] == values[b] && a < b); });
    float limit = base;
    for (int index : above) {
        const float value = values[index];
        if (value > limit) {
            values[index] = limit;
            limit = static_cast<float>(limit * 1.2);
        } else if (value < limit) {
            limit = static_cast<float>(limit * 1.2);  // base < value < limit
        }
    }
    return true;
}

bool ScaleToMax(int n, float* values, float target)
{
    float largest = 0.0f;
    for (int i = 0; i < n; ++i)
        if (values[i] > largest)
            largest = values[i];
    if (!(largest > 0.0f))
        return false;
    for (int i = 0; i < n; ++i)
        values[i] = target * (values[i] / largest);
    return true;
}

}  // namespace vantrel
