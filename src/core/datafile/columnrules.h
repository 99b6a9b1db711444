#pragma once

#include <string_view>

namespace vantrel {

/// A frequency column's title contains "HZ", or contains "-" and not "ID".
/// Titles are upper case by the time they reach the tables.
bool IsFrequencyTitle(std::string_view title);

/// The frequency of a column: with "HZ" in the title, atof of what stands
/// before it ("1024HZ" gives 1024); otherwise atof of the whole title.
double FrequencyFromTitle(std::string_view title);

inline bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

}  // namespace vantrel
