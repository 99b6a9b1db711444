#pragma once

#include "datafile/processingsettings.h"

#include <span>
#include <string>
#include <string_view>

namespace vantrel {

/// A processing setting by the name the command line and saved work give it.
struct SettingName {
    std::string_view name;  ///< "deviation-factor"
    float ProcessingSettings::*field;
    std::string_view what;  ///< what it is for, as the command line's help says it
};
/// The five settings in their order in ProcessingSettings.
std::span<const SettingName> SettingNames();

/// A setting's value as the shortest text that reads back to the same
/// float, in the C locale ("12.5", "0.7").
std::string SettingValueText(float value);

/// Every setting as "deviation-factor=3,resistivity=20,depth-coefficient=0.7,
/// p-threshold=0.3,v-threshold=0.3": each value the shortest text that reads
/// back to the same float, in the C locale.
std::string SettingsText(const ProcessingSettings& settings);

/// Reads such a text into `settings`: NAME=VALUE items parted by commas, the
/// names in any order and each at most once, a value a whole number text
/// ("12.5", "-1e3", "inf"). A setting the text does not name keeps its value.
/// False, `settings` untouched, when the text does not follow this form.
bool ParseSettingsText(std::string_view text, ProcessingSettings& settings);

}  // namespace vantrel
