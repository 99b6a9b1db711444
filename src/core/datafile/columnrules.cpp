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

KeywordColumns KeywordColumnsOf(const std::vector<std::string>& header)
{
    KeywordColumns k;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string& name = header[i];
        std::size_t* role = Contains(name, "FILE") ? &k.file
            : Contains(name, "INCREMENT")          ? &k.increment
            : Contains(name, "MODE")               ? &k.mode
            : Contains(name, "DATETIME")           ? &k.dateTime
                                                   : nullptr;
        if (role)
            *role = i;
    }
    return k;
}

}  // namespace vantrel
