#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

/// A shaded stretch of a profile curve: the area between the curve and the
/// origin level over [from, to].
struct ProfileRegion {
    enum class Kind {
        High,     ///< above the high level; red toward the curve
        Low,      ///< below the low level, closed where the curve came back up
        LowLast,  ///< below the low level up to the curve's last point
    };
    Kind kind = Kind::High;
    float level = 0;
    float from = 0;
    float to = 0;

    bool operator==(const ProfileRegion&) const = default;
};

struct ProfilePoint {
    float x = 0;
    float y = 0;
};

/// One curve of a profile chart as it is drawn into its series.
struct ProfileCurve {
    int series = 0;
    float height = 0;
    /// The title of the curve's axis; none when it is hidden.
    std::optional<std::string> axisTitle;
    /// The float mean of the readings (not a number for a curve without points).
    float mean = 0;
    std::vector<ProfilePoint> points;
    /// In the order they are added to the chart.
    std::vector<ProfileRegion> regions;
};

/// One profile curve: its points, the float mean M of the readings, the axis
/// title (a negative height truncated toward zero, "%d"; hidden otherwise) and
/// the regions where a reading strays more than D = M * factor from the mean.
///
/// All arithmetic is single precision in the order the chart has always used:
/// the high and low levels are M + D and M - D, a run starts at 0 when it
/// starts at the first point, otherwise where the straight line between two
/// points crosses the level. `x` and `y` have the same length; any surplus of
/// the longer one is ignored.
ProfileCurve DrawProfileCurve(int series, float height, std::span<const float> x, std::span<const float> y,
                              float factor);

}  // namespace vantrel
