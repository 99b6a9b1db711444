#include "recipefile.h"

#include "datafile/safefilewriter.h"
#include "graphs/graphkind.h"
#include "processing/datachoice.h"
#include "processing/processingsteps.h"
#include "processing/settingstext.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

namespace vantrel {

namespace {

using Json = nlohmann::ordered_json;

/// What is wrong with a file being read; said after the file's name.
struct Problem {
    std::string text;
};

[[noreturn]] void Damaged(const std::string& what)
{
    throw Problem{" is damaged: " + what};
}

/// The lowest value a setting takes and whether the value itself is allowed:
/// factors, the resistivity and the coefficient must be above 0, the shading
/// thresholds at least 0.
struct SettingFloor {
    std::string_view name;
    bool inclusive;
};
constexpr SettingFloor kFloors[] = {{"deviation-factor", false},
                                    {"resistivity", false},
                                    {"depth-coefficient", false},
                                    {"p-threshold", true},
                                    {"v-threshold", true}};

std::string ShortestText(float value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

/// The float as the JSON number that reads back to it, written in its
/// shortest form (0.7, not 0.699999988079071).
double JsonNumber(float value)
{
    const std::string text = ShortestText(value);
    double number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

const Json* Member(const Json& object, const char* key)
{
    const auto it = object.find(key);
    return it == object.end() || it->is_null() ? nullptr : &*it;
}

std::string Text(const Json& object, const char* key, const std::string& where)
{
    const Json* value = Member(object, key);
    if (!value)
        return {};
    if (!value->is_string())
        Damaged(where + "\"" + key + "\" must be a text");
    return value->get<std::string>();
}

/// An object member kept as its JSON text (an import mapping, chart options).
std::string ObjectText(const Json& object, const char* key, const std::string& where)
{
    const Json* value = Member(object, key);
    if (!value)
        return {};
    if (!value->is_object())
        Damaged(where + "\"" + key + "\" must be an object");
    return value->dump();
}

const Json& List(const Json& object, const char* key)
{
    static const Json kEmpty = Json::array();
    const Json* value = Member(object, key);
    if (!value)
        return kEmpty;
    if (!value->is_array())
        Damaged(std::string("\"") + key + "\" must be a list");
    return *value;
}

ProcessingSettings ReadSettings(const Json& object)
{
    if (!object.is_object())
        Damaged("\"settings\" must be an object");
    ProcessingSettings settings;
    for (const auto& item : object.items()) {
        const std::string& key = item.key();
        const Json& value = item.value();
        const auto names = SettingNames();
        const auto it =
            std::find_if(names.begin(), names.end(), [&key](const SettingName& s) { return s.name == key; });
        if (it == names.end())
            throw Problem{": the setting \"" + key + "\" is not one this version of Vantrel knows"};
        if (!value.is_number())
            Damaged("the setting \"" + key + "\" must be a number");
        const double number = value.get<double>();
        if (!(std::fabs(number) <= std::numeric_limits<float>::max()))
            throw Problem{": the starting settings: " + key + " is out of range (" + value.dump() + ")"};
        settings.*(it->field) = static_cast<float>(number);
    }
    const std::string problem = RecipeFile::SettingsProblem(settings);
    if (!problem.empty())
        throw Problem{": the starting settings: " + problem};
    return settings;
}

Recipe::Step ReadStep(const Json& item, std::size_t number)
{
    const std::string where = "step " + std::to_string(number) + ": ";
    if (!item.is_object())
        Damaged(where + "it must be an object");
    // A member a step does not have would be left out without a word, as a
    // resistivity written beside its depth step.
    for (const auto& [key, value] : item.items())
        if (key != "step" && key != "argument")
            throw Problem{": " + where + "\"" + key +
                          "\" is not part of a step; a step has only \"step\" and \"argument\""};
    Recipe::Step step{Text(item, "step", where), Text(item, "argument", where)};
    const ProcessingStep* row = FindProcessingStep(step.name);
    if (!row)
        throw Problem{": step " + std::to_string(number) + ", '" + step.name +
                      "', is not a step this version of Vantrel knows"};
    if (!row->takes(step.argument))
        throw Problem{": step " + std::to_string(number) + ": " + step.name + " takes " +
                      std::string(row->argument.empty() ? "no argument" : row->argument) + ", not '" +
                      step.argument + "'"};
    if (row->changes.settings) {
        ProcessingSettings settings;
        ParseSettingsText(step.argument, settings);
        const std::string problem = RecipeFile::SettingsProblem(settings);
        if (!problem.empty())
            throw Problem{": step " + std::to_string(number) + ": " + problem};
    }
    return step;
}

Recipe FromJson(const Json& root)
{
    if (!root.is_object() || !root.contains("version"))
        throw Problem{" is not a Vantrel project or recipe"};
    const Json& version = root["version"];
    if (!version.is_number_integer() || version.get<long long>() < 1)
        Damaged("its version must be a whole number from 1, not " + version.dump());
    if (version.get<long long>() > Recipe::kVersion)
        throw Problem{" was saved by a newer version of Vantrel (file version " + version.dump() +
                      "; this version reads up to " + std::to_string(Recipe::kVersion) + ")"};
    Recipe recipe;
    if (const Json* settings = Member(root, "settings"))
        recipe.settings = ReadSettings(*settings);
    const Json& steps = List(root, "steps");
    for (std::size_t i = 0; i < steps.size(); ++i)
        recipe.steps.push_back(ReadStep(steps[i], i + 1));
    if (const Json* data = Member(root, "data")) {
        if (!data->is_object())
            Damaged("\"data\" must be an object");
        recipe.data = Recipe::DataFile{Text(*data, "path", "data: "), Text(*data, "sha256", "data: ")};
        if (recipe.data->path.empty())
            Damaged("it names no data file");
    }
    recipe.importMapping = ObjectText(root, "import", "");
    recipe.encoding = Text(root, "encoding", "");
    recipe.rows = Text(root, "rows", "");
    if (!recipe.rows.empty() && !ParseDataChoice(recipe.rows))
        Damaged("\"rows\" must be all, none or N[:R[-S]],..., not '" + recipe.rows + "'");
    const Json& charts = List(root, "charts");
    for (std::size_t i = 0; i < charts.size(); ++i) {
        const std::string where = "chart " + std::to_string(i + 1) + ": ";
        if (!charts[i].is_object())
            Damaged(where + "it must be an object");
        Recipe::Chart chart{Text(charts[i], "kind", where), Text(charts[i], "title", where),
                            ObjectText(charts[i], "options", where), Text(charts[i], "geometry", where)};
        if (GraphKindNamed(chart.kind) == GraphKind::None)
            throw Problem{": chart " + std::to_string(i + 1) + ", '" + chart.kind +
                          "', is not a kind of chart this version of Vantrel draws"};
        if (chart.options.empty())
            chart.options = "{}";
        recipe.charts.push_back(std::move(chart));
    }
    recipe.layout = Text(root, "layout", "");
    return recipe;
}

/// "line 3, column 5" out of nlohmann's parse error text.
std::string Place(const std::string& what)
{
    const auto at = what.find(" at line ");
    if (at == std::string::npos)
        return {};
    const auto end = what.find(':', at);
    return what.substr(at + 4, end == std::string::npos ? std::string::npos : end - at - 4);
}

}  // namespace

std::string RecipeFile::SettingsProblem(const ProcessingSettings& settings)
{
    for (const SettingFloor& floor : kFloors) {
        const auto names = SettingNames();
        const auto it = std::find_if(names.begin(), names.end(),
                                     [&floor](const SettingName& s) { return s.name == floor.name; });
        const float value = settings.*(it->field);
        if (!std::isfinite(value))
            return std::string(floor.name) + " must be a number, not " + ShortestText(value);
        if (floor.inclusive ? value < 0 : value <= 0)
            return std::string(floor.name) + (floor.inclusive ? " must be 0 or more" : " must be above 0") +
                ", not " + ShortestText(value);
    }
    return {};
}

RecipeReadResult RecipeFile::ReadText(std::string_view text, std::string_view shownName)
{
    RecipeReadResult result;
    try {
        Json root;
        try {
            root = Json::parse(text.begin(), text.end());
        } catch (const Json::parse_error& e) {
            const std::string what = e.what();
            if (e.byte >= text.size())  // it stopped at the end: the rest is missing
                throw Problem{text.find_first_not_of(" \t\r\n") == std::string_view::npos
                                  ? std::string(" is empty")
                                  : " is truncated: it ends at byte " + std::to_string(text.size()) +
                                      " before the project is complete"};
            const std::string place = Place(what);
            Damaged("it is not valid JSON" + (place.empty() ? std::string() : " at " + place));
        }
        result.recipe = FromJson(root);
        result.ok = true;
    } catch (const Problem& problem) {
        result.message = std::string(shownName) + problem.text + ".";
    } catch (const Json::out_of_range& e) {  // a number too large for a double
        const std::string what = e.what();
        const auto from = what.find('\'');
        const auto to = what.rfind('\'');
        result.message = std::string(shownName) + " is damaged: " +
            (from < to ? "the number " + what.substr(from + 1, to - from - 1) + " is out of range"
                       : std::string("a number is out of range")) +
            ".";
    } catch (const Json::exception& e) {
        result.message = std::string(shownName) + " is damaged: " + e.what() + ".";
    }
    return result;
}

RecipeReadResult RecipeFile::Read(const std::string& path, std::string_view shownName)
{
    const std::string shown = shownName.empty() ? path : std::string(shownName);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in)
        text << in.rdbuf();
    if (!in || in.bad()) {
        RecipeReadResult result;
        result.message = shown + " cannot be read: " + std::string(std::strerror(errno)) + ".";
        return result;
    }
    return ReadText(text.view(), shown);
}

std::string RecipeFile::Text(const Recipe& recipe)
{
    Json root;
    root["vantrel"] = recipe.IsProject() ? "project" : "recipe";
    root["version"] = Recipe::kVersion;
    if (recipe.data)
        root["data"] = {{"path", recipe.data->path}, {"sha256", recipe.data->sha256}};
    if (!recipe.encoding.empty())
        root["encoding"] = recipe.encoding;
    if (!recipe.importMapping.empty())
        root["import"] = Json::parse(recipe.importMapping);
    if (recipe.settings) {
        Json settings = Json::object();
        for (const SettingName& s : SettingNames())
            settings[std::string(s.name)] = JsonNumber((*recipe.settings).*(s.field));
        root["settings"] = settings;
    }
    Json steps = Json::array();
    for (const Recipe::Step& step : recipe.steps) {
        Json item = {{"step", step.name}};
        if (!step.argument.empty())
            item["argument"] = step.argument;
        steps.push_back(item);
    }
    root["steps"] = steps;
    if (!recipe.rows.empty())
        root["rows"] = recipe.rows;
    if (!recipe.charts.empty()) {
        Json charts = Json::array();
        for (const Recipe::Chart& chart : recipe.charts) {
            Json item = {{"kind", chart.kind}};
            if (!chart.title.empty())
                item["title"] = chart.title;
            item["options"] = Json::parse(chart.options.empty() ? "{}" : chart.options);
            if (!chart.geometry.empty())
                item["geometry"] = chart.geometry;
            charts.push_back(item);
        }
        root["charts"] = charts;
    }
    if (!recipe.layout.empty())
        root["layout"] = recipe.layout;
    return root.dump(2) + "\n";
}

bool RecipeFile::Save(const std::string& path, const Recipe& recipe, std::string* reason)
{
    const std::string text = Text(recipe);
    const SafeFileWriter::Result result =
        SafeFileWriter::Write(path, [&text](std::ostream& out) { out << text; });
    if (!result.ok && reason)
        *reason = result.reason;
    return result.ok;
}

}  // namespace vantrel
