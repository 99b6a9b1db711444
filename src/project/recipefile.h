#pragma once

#include "recipe.h"

#include <istream>
#include <string>
#include <string_view>

namespace vantrel {

/// A recipe or project read from a file, or why it could not be.
struct RecipeReadResult {
    bool ok = false;
    /// What is wrong, naming the file: "line7.vantrel is truncated: it ends
    /// at byte 120 before the project is complete". Empty when ok.
    std::string message;
    Recipe recipe;
};

/// Reads and writes `.vantrel` files: one JSON object with the format's
/// version, the settings the steps start from, the steps in order and, for a
/// project, its data file, import mapping, ticked rows, charts and layout.
///
/// Reading checks everything before giving anything back: a newer version, a
/// damaged or truncated file, a field of the wrong type, a step the program
/// does not know, an argument the step does not take and a setting out of
/// range are each a message naming the file; a recipe that reads is one
/// whose every step will be accepted.
class RecipeFile {
public:
    /// Reads the file at `path`; messages name it as `shownName` (the path
    /// when empty).
    static RecipeReadResult Read(const std::string& path, std::string_view shownName = {});
    /// Reads the text of a file named `shownName`.
    static RecipeReadResult ReadText(std::string_view text, std::string_view shownName);

    /// The recipe as the file's text (two-space indents, a newline at the end).
    static std::string Text(const Recipe& recipe);
    /// Writes the text through SafeFileWriter: an existing file is replaced
    /// only once the new one is whole. The system's reason when it fails.
    static bool Save(const std::string& path, const Recipe& recipe, std::string* reason);

    /// What is wrong with a setting for a recipe ("the resistivity must be
    /// above 0, not -5"), empty when it will do.
    static std::string SettingsProblem(const ProcessingSettings& settings);
};

}  // namespace vantrel
