#pragma once

#include <string>
#include <vector>

namespace vantrel {

/// Which contour lines a section shows: none, nice levels chosen from the
/// readings, a number of evenly spaced levels, or levels the user gives.
struct ContourChoice {
    enum class Mode { Off, Automatic, Count, Given };
    Mode mode = Mode::Off;
    int count = 0;               ///< with Count, from 1 to kMaxContourLevels
    std::vector<double> levels;  ///< with Given, ascending, each once
    bool operator==(const ContourChoice&) const = default;
};

inline constexpr int kMaxContourLevels = 100;

/// What ParseContourChoice made of a text, or why it could not.
struct ContourChoiceParse {
    ContourChoice choice;
    std::string message;  ///< empty when the text was understood
    bool Ok() const { return message.empty(); }
};

/// Reads "auto", "off", a count "N" (1 to 100) or levels "L1,L2,..." (finite
/// numbers in the C locale, any order; a single level is written with a
/// decimal point or a trailing comma so it is not read as a count).
ContourChoiceParse ParseContourChoice(const std::string& text);

/// The choice written back as ParseContourChoice reads it.
std::string ContourChoiceText(const ContourChoice& choice);

/// The levels of a choice for readings from `lower` to `upper`.
///
/// Automatic: on a linear scale multiples of a nice step (1, 2, 2.5 or 5
/// times a power of ten) giving at most ten levels strictly inside the range;
/// on a logarithmic scale (both ends above 0) the finest of the series 1-10,
/// 1-3-10, 1-2-5-10, 1-1.5-2-3-5-7-10 (times powers of ten) giving at most
/// ten levels, or the linear levels when that series gives fewer than three.
/// Count: that many levels evenly spaced strictly inside the range, in the
/// logarithm of the readings on a logarithmic scale. Given: the levels as
/// given. No levels when the readings are all equal (or the range is empty).
std::vector<double> ContourLevels(const ContourChoice& choice, double lower, double upper, bool logarithmic);

}  // namespace vantrel
