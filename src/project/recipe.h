#pragma once

#include "datafile/processingsettings.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// A record of the work on a survey: the steps in the order they ran, with
/// the settings they started from. A project also names its data file and
/// what the desktop showed (the ticked rows, the chart windows, the layout);
/// a recipe is the same record without them, to run on other data.
struct Recipe {
    /// The version this program writes; a file of a higher version is refused.
    static constexpr int kVersion = 1;

    struct Step {
        std::string name;      ///< a row of ProcessingSteps(): "select", "depth"
        std::string argument;  ///< its exact argument, empty for none

        bool operator==(const Step&) const = default;
    };
    /// The data file a project was saved with.
    struct DataFile {
        std::string path;    ///< as written: relative to the project when it sits beside it
        std::string sha256;  ///< the file's bytes, 64 lower-case hex digits
    };
    /// One chart window as it was open.
    struct Chart {
        std::string kind;      ///< GraphKindName(): "vertical", "plane", "circular", "section"
        std::string title;     ///< the window's title
        std::string options;   ///< the chart's options as a JSON object text ("{}" for none)
        std::string geometry;  ///< the window's place and size, as the desktop stores it
    };

    /// The settings the first step starts from; nothing: the program's defaults.
    std::optional<ProcessingSettings> settings;
    std::vector<Step> steps;

    std::optional<DataFile> data;
    std::string importMapping;  ///< the import mapping as a JSON object text, empty for none
    std::string encoding;       ///< the data file's text encoding, empty for the default
    std::string rows;           ///< the ticked rows (DataChoiceText), empty when not recorded
    std::vector<Chart> charts;
    std::string layout;  ///< the main window's docks and bars, as the desktop stores it

    bool IsProject() const { return data.has_value(); }
};

}  // namespace vantrel
