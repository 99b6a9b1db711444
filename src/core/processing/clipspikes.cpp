#include "clipspikes.h"

#include <algorithm>
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

    std::vector<float> sorted(values, values + n);
    std::sort(sorted.begin(), sorted.end(), [](float a, float b) { return SortKey(a) > SortKey(b); });
    float sum = 0.0f;
    for (int i = t; i <= n - t - 1; ++i)
        sum += sorted[static_cast<std::size_t>(i)];
    const int kept = n - 2 * t;
    const float mean = kept > 0 ? sum / static_cast<float>(kept) : 0.0f;
    const float base = mean * factor;

    std::vector<std::pair<float, int>> pairs(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        pairs[static_cast<std::size_t>(i)] = {values[i], i};
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const auto& a, const auto& b) { return SortKey(a.first) < SortKey(b.first); });

    float limit = base;
    for (auto& [value, index] : pairs) {
        if (value > limit) {
            value = limit;
            limit = static_cast<float>(limit * 1.2);
        } else if (base < value && value < limit) {
            limit = static_cast<float>(limit * 1.2);
        }
        values[index] = value;
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
