#include "profilecurve.h"

#include "numbers.h"

#include <algorithm>
#include <climits>

namespace vantrel {

namespace {

int TruncatedHeight(float height)
{
    if (height <= static_cast<float>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(height);
}

}  // namespace

ProfileCurve DrawProfileCurve(int series, float height, std::span<const float> x, std::span<const float> y,
                              float factor)
{
    ProfileCurve curve;
    curve.series = series;
    curve.height = height;
    const std::size_t n = std::min(x.size(), y.size());
    const auto count = static_cast<std::uint32_t>(n);
    curve.points.reserve(n);
    float sum = 0.0f;
    for (std::size_t k = 0; k < n; ++k) {
        curve.points.push_back({x[k], y[k]});
        sum += y[k];
    }
    const float mean = sum / static_cast<float>(count);
    curve.mean = mean;
    if (height < 0)
        curve.axisTitle = FormatInt(TruncatedHeight(height));
    if (n == 0)
        return curve;

    const float d = mean * factor;
    const float high = mean + d;
    const float low = mean - d;
    const auto crossing = [&](std::size_t k, float level) -> float {
        return x[k - 1] + (x[k] - x[k - 1]) * (level - y[k - 1]) / (y[k] - y[k - 1]);
    };
    using Kind = ProfileRegion::Kind;
    bool highOpen = false, lowOpen = false;
    float highStart = 0, lowStart = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const bool last = k == n - 1;
        if (y[k] - mean > d) {
            if (!highOpen) {
                highStart = k == 0 ? 0.0f : crossing(k, high);
                highOpen = true;
            }
            if (last) {
                curve.regions.push_back({Kind::High, high, highStart, x[k]});
                highOpen = false;
            }
        } else if (highOpen) {
            curve.regions.push_back({Kind::High, high, highStart, crossing(k, high)});
            highOpen = false;
        }
        if (mean - y[k] > d) {
            if (!lowOpen) {
                lowStart = k == 0 ? 0.0f : crossing(k, low);
                lowOpen = true;
            }
            if (last) {
                curve.regions.push_back({Kind::LowLast, low, lowStart, x[k]});
                lowOpen = false;
            }
        } else if (lowOpen) {
            curve.regions.push_back({Kind::Low, low, lowStart, crossing(k, low)});
            lowOpen = false;
        }
    }
    return curve;
}

}  // namespace vantrel
