#include "columnrules.h"

#include "numbers.h"

namespace vantrel {

bool IsHertzTitle(std::string_view title)
{
    return Contains(title, "HZ");
}

bool IsDashTitle(std::string_view title)
{
    return Contains(title, "-") && !Contains(title, "ID");
}

bool IsFrequencyTitle(std::string_view title)
{
    return IsHertzTitle(title) || IsDashTitle(title);
}

double FrequencyFromTitle(std::string_view title)
{
    const auto hz = title.find("HZ");
    return CAtof(hz == std::string_view::npos ? title : title.substr(0, hz));
}

}  // namespace vantrel
