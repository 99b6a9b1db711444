#include "settingstext.h"

#include <array>
#include <charconv>
#include <system_error>

namespace vantrel {

std::span<const SettingName> SettingNames()
{
    static constexpr std::array<SettingName, 5> names = {{
        {"deviation-factor", &ProcessingSettings::m_fDeviationFactor, "the bad point correction's factor"},
        {"resistivity", &ProcessingSettings::m_fResistivity,
         "the depth calculation's resistivity, ohm-metres"},
        {"depth-coefficient", &ProcessingSettings::m_fDepthCoefficient,
         "the depth calculation's coefficient"},
        {"p-threshold", &ProcessingSettings::m_fPThreshold, "the plane profile's shading threshold"},
        {"v-threshold", &ProcessingSettings::m_fVThreshold, "the vertical profile's shading threshold"},
    }};
    return names;
}

std::string SettingValueText(float value)
{
    char number[32];
    return std::string(number, std::to_chars(number, number + sizeof number, value).ptr);
}

std::string SettingsText(const ProcessingSettings& settings)
{
    std::string text;
    for (const SettingName& s : SettingNames()) {
        if (!text.empty())
            text += ',';
        text.append(s.name).append("=").append(SettingValueText(settings.*(s.field)));
    }
    return text;
}

bool ParseSettingsText(std::string_view text, ProcessingSettings& settings)
{
    ProcessingSettings read = settings;
    std::array<bool, 5> named{};
    std::size_t from = 0;
    do {
        const std::size_t comma = text.find(',', from);
        const std::string_view item = text.substr(from, comma - from);
        from = comma == std::string_view::npos ? text.size() + 1 : comma + 1;
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos)
            return false;
        const std::string_view name = item.substr(0, equals);
        const std::string_view value = item.substr(equals + 1);
        std::size_t i = 0;
        while (i < named.size() && SettingNames()[i].name != name)
            ++i;
        if (i == named.size() || named[i] || value.empty())
            return false;
        float number = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (error != std::errc() || end != value.data() + value.size())
            return false;
        read.*(SettingNames()[i].field) = number;
        named[i] = true;
    } while (from <= text.size());
    settings = read;
    return true;
}

}  // namespace vantrel
