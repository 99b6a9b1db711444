#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// A frequency column's title is a hertz title (it contains "HZ") or a dash
/// title (it contains "-" and not "ID"). Titles are upper case by the time
/// they reach the tables. Once a header has a dash title, the reader takes
/// later hertz titles as plain columns.
bool IsHertzTitle(std::string_view title);
bool IsDashTitle(std::string_view title);
bool IsFrequencyTitle(std::string_view title);

/// The frequency of a column: with "HZ" in the title, atof of what stands
/// before it ("1024HZ" gives 1024); otherwise atof of the whole title.
double FrequencyFromTitle(std::string_view title);

/// The columns of the four keyword roles, as the reader assigns them: each
/// title is tested for "FILE", "INCREMENT", "MODE", "DATETIME" in this order,
/// the first match decides, a later column replaces an earlier one, and a
/// role without a column falls back to column 0.
struct KeywordColumns {
    std::size_t file = 0, increment = 0, mode = 0, dateTime = 0;
};
KeywordColumns KeywordColumnsOf(const std::vector<std::string>& header);

inline bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

}  // namespace vantrel
