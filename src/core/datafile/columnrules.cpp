#include "columnrules.h"

#include "numbers.h"

namespace vantrel {

bool IsFrequencyTitle(std::string_view title)
{
    return Contains(title, "HZ") || (Contains(title, "-") && !Contains(title, "ID"));
}

double FrequencyFromTitle(std::string_view title)
{
    const auto hz = title.find("HZ");
    return CAtof(hz == std::string_view::npos ? title : title.substr(0, hz));
}

}  // namespace vantrel
