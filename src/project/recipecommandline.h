#pragma once

#include "recipe.h"

#include <string>
#include <string_view>

namespace vantrel {

/// The command line that does what a recipe does: `vantrel-cli INPUT` with
/// one option per step (a step's option is its name after "--", a setting's
/// likewise), so that the desktop's history can be run again in a shell.
struct RecipeCommandLine {
    /// "--" and the name of a step or a setting: the command line's option.
    static std::string OptionOf(std::string_view name);
    /// `vantrel-cli INPUT --STEP [ARGUMENT] ...`: the starting settings first
    /// (one option each), then the steps in order; every word quoted for a
    /// POSIX shell where it needs it.
    static std::string Text(const Recipe& recipe, std::string_view input);
    /// `word` as a POSIX shell reads it back: bare when it holds only safe
    /// characters, else in single quotes.
    static std::string Quoted(std::string_view word);
};

}  // namespace vantrel
