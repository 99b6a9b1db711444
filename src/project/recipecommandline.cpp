#include "recipecommandline.h"

#include "processing/settingstext.h"

namespace vantrel {

std::string RecipeCommandLine::OptionOf(std::string_view name)
{
    return "--" + std::string(name);
}

std::string RecipeCommandLine::Quoted(std::string_view word)
{
    constexpr std::string_view kSafe =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789@%+=:,./_-";
    if (!word.empty() && word.find_first_not_of(kSafe) == std::string_view::npos)
        return std::string(word);
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string RecipeCommandLine::Text(const Recipe& recipe, std::string_view input)
{
    // An input that starts with a dash would read as an option.
    std::string line = "vantrel-cli " +
        Quoted(input.starts_with('-') && input != "-" ? "./" + std::string(input) : std::string(input));
    if (recipe.settings)
        for (const SettingName& setting : SettingNames())
            line += " " + OptionOf(setting.name) + " " +
                Quoted(SettingValueText((*recipe.settings).*(setting.field)));
    for (const Recipe::Step& step : recipe.steps) {
        line += " " + OptionOf(step.name);
        if (!step.argument.empty())
            line += " " + Quoted(step.argument);
    }
    return line;
}

}  // namespace vantrel
