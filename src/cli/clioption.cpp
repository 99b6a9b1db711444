#include "clioption.h"
#include "clipipeline.h"

#include "datafile/depthwriter.h"
#include "datafile/originwriter.h"
#include "encodingdetector.h"
#include "geo/sectionexport.h"
#include "geo/sectiongrid.h"
#include "graphs/contourlevels.h"
#include "graphs/graphkind.h"
#include "numbers.h"
#include "processing/processingsteps.h"
#include "processing/settingstext.h"
#include "recipecommandline.h"

#include <algorithm>

namespace vantrel {

namespace {

// "WxH" with both numbers from 1 to 20000.
bool ParseSize(const std::string& text, int* width, int* height)
{
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 == text.size())
        return false;
    long w = 0;
    long h = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == x)
            continue;
        if (text[i] < '0' || text[i] > '9')
            return false;
        long& n = i < x ? w : h;
        n = n * 10 + (text[i] - '0');
        if (n > 20000)
            return false;
    }
    if (w < 1 || h < 1)
        return false;
    if (width)
        *width = static_cast<int>(w);
    if (height)
        *height = static_cast<int>(h);
    return true;
}

/// A file number: digits only, at most nine of them.
bool IsFileNumber(const std::string& text)
{
    return !text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string GridMethodKeys()
{
    std::string keys;
    for (const geo::GridMethodInfo& info : geo::GridMethods())
        keys += (keys.empty() ? "" : "|") + std::string(info.key);
    return keys;
}

std::string GridFormatKeys()
{
    std::string keys;
    for (const geo::GridFormatInfo& info : geo::GridFormats())
        keys += (keys.empty() ? "" : "|") + std::string(info.key);
    return keys;
}

/// What is wrong with an export path: none, or an extension no format has
/// (the message lists the known ones).
std::string KnownExtension(const std::string& path, bool known, bool grid)
{
    if (path.empty())
        return "needs PATH";
    if (known)
        return {};
    return "takes PATH with a known extension (" +
        (grid ? geo::KnownGridExtensions() : geo::KnownContourExtensions()) + "), not '" + path + "'";
}

bool IsGraphName(const std::string& name)
{
    return GraphKindNamed(name) != GraphKind::None;
}

/// The save's message, then the system's reason on a line of its own.
std::string SaveFailure(const WriteResult& r)
{
    return r.reason.empty() ? r.message : r.message + "\n" + r.path + ": " + r.reason;
}

bool Saved(CliPipeline& p, const WriteResult& r)
{
    return r.ok || p.Fail(SaveFailure(r));
}

CliOption StepOption(const ProcessingStep& step)
{
    CliOption option;
    option.name = RecipeCommandLine::OptionOf(step.name);
    if (!step.argument.empty())
        option.arguments.push_back(
            TakesOnly(std::string(step.argument), [&step](const std::string& a) { return step.takes(a); }));
    option.help = step.help;
    option.run = [&step](CliPipeline& p, const std::vector<std::string>& values) {
        return p.Report(RunProcessingStep(step, p.GetSurvey(), values.empty() ? "" : values[0]));
    };
    return option;
}

CliOption SettingOption(const SettingName& setting)
{
    CliOption option;
    option.name = RecipeCommandLine::OptionOf(setting.name);
    option.arguments = {{"VALUE", nullptr}};
    option.help = setting.what;
    option.when = CliOption::When::Setting;
    option.run = [&setting](CliPipeline& p, const std::vector<std::string>& values) {
        ProcessingSettings settings = p.GetSurvey().m_tables.Settings();
        settings.*(setting.field) =
            static_cast<float>(CAtof(values[0]));  // as the Config dialog reads its edits
        p.GetSurvey().m_tables.SetSettings(settings);
        p.NoteSetting(setting.field);
        return true;
    };
    return option;
}

std::vector<CliOption> MakeOptions()
{
    using When = CliOption::When;
    using Values = const std::vector<std::string>&;
    std::vector<CliOption> options;
    for (const ProcessingStep& step : ProcessingSteps())
        options.push_back(StepOption(step));
    const std::vector<CliOption> own = {
        {"--recipe",
         {{"FILE", nullptr}},
         "run the settings and steps of a recipe or project file\n(settings given here take the place of its "
         "own;\na project's import mapping reads the inputs unless --import is given)",
         When::Step,
         [](CliPipeline& p, Values v) { return p.ApplyRecipe(v[0]); },
         [](CliPipeline& p, Values v) { return p.ReadRecipe(v[0]); }},
        {"--save-original",
         {{"PATH", nullptr, true}},
         "write the Origin table as a .dat (tab) or .csv (comma) data file",
         When::Step,
         [](CliPipeline& p, Values v) {
             const Survey& s = p.GetSurvey();
             return Saved(p, OriginWriter::Save(v[0], v[0], s.m_frame.HeaderColumns(), s.m_tables));
         }},
        {"--save-depth",
         {{"PATH", nullptr, true}},
         "write the Depth table; .dat gives tabs, .csv commas (lower case)",
         When::Step,
         [](CliPipeline& p, Values v) { return Saved(p, DepthWriter::Save(v[0], p.GetSurvey().m_tables)); }},
        {"--dump",
         {TakesOnly("origin|processing|depth|marks",
                    [](const std::string& a) {
                        return a == "origin" || a == "processing" || a == "depth" || a == "marks";
                    })},
         "print a table as JSON Lines on standard output",
         When::Step,
         [](CliPipeline& p, Values v) { return p.Dump(v[0]); },
         nullptr,
         true},
        {"--frequency",
         {TakesOnly("TITLE", [](const std::string& a) { return !a.empty(); })},
         "the frequency column of the plane profiles after it (default: the first)",
         When::Step,
         [](CliPipeline& p, Values v) { return p.ChooseFrequency(v[0]); }},
        {"--graph-data",
         {TakesOnly("vertical|plane|circular|section", IsGraphName)},
         "print what the graph draws as one line of JSON",
         When::Step,
         [](CliPipeline& p, Values v) { return p.GraphData(GraphKindNamed(v[0])); },
         nullptr,
         true},
        {"--graph",
         {TakesOnly("vertical|plane|circular|section", IsGraphName),
          {"FILE", [](const std::string& a) { return a.empty() ? "needs FILE" : ""; }, true}},
         "draw the graph into FILE (.png, .jpg, .bmp, .pdf or .svg)",
         When::Step,
         [](CliPipeline& p, Values v) { return p.GraphPicture(GraphKindNamed(v[0]), v[1]); }},
        {"--export-grid",
         {{"PATH",
           [](const std::string& a) { return KnownExtension(a, geo::GridFormatForPath(a) != nullptr, true); },
           true}},
         "write the section's grid: .grd (Surfer 6 text), .tif (GeoTIFF),\n.asc (ESRI ASCII) or .csv "
         "(position, depth, value)",
         When::Step,
         [](CliPipeline& p, Values v) { return p.ExportGrid(v[0]); }},
        {"--export-contours",
         {{"PATH",
           [](const std::string& a) {
               return KnownExtension(a, geo::ContourFormatForPath(a) != nullptr, false);
           },
           true}},
         "write the section's contour lines: .geojson, .dxf or .shp",
         When::Step,
         [](CliPipeline& p, Values v) { return p.ExportContours(v[0]); }},
    };
    options.insert(options.end(), own.begin(), own.end());
    for (const SettingName& setting : SettingNames())
        options.push_back(SettingOption(setting));
    options.push_back({"--file",
                       {TakesOnly("N", [](const std::string& a) { return IsFileNumber(a); })},
                       "the file of the depth table the section shows and exports\n(default: the first)",
                       When::Setting,
                       [](CliPipeline& p, Values v) {
                           p.GetGraphOptions().sectionFile = CAtoi(v[0]);
                           return true;
                       }});
    options.push_back({"--contours",
                       {{"auto|N|L1,L2,...",
                         [](const std::string& a) {
                             const ContourChoiceParse parse = ParseContourChoice(a);
                             return parse.Ok() ? std::string() : "takes auto|N|L1,L2,...: " + parse.message;
                         }}},
                       "contour lines of the section's JSON and of --export-contours:\nnice levels, N even "
                       "levels or the levels given",
                       When::Setting,
                       [](CliPipeline& p, Values v) {
                           p.GetGraphOptions().contours = ParseContourChoice(v[0]).choice;
                           return true;
                       }});
    options.push_back(
        {"--grid-method",
         {TakesOnly(GridMethodKeys(), [](const std::string& a) { return geo::GridMethodNamed(a); })},
         "how the section's readings are gridded (default inverse-distance)",
         When::Setting,
         [](CliPipeline& p, Values v) {
             p.SetGridMethod(geo::GridMethodNamed(v[0])->method);
             return true;
         }});
    options.push_back(
        {"--grid-format",
         {TakesOnly(GridFormatKeys(), [](const std::string& a) { return geo::GridFormatNamed(a); })},
         "the format of --export-grid whatever its extension\n(gsbg, gs7bg: Surfer 6 binary, "
         "Surfer 7)",
         When::Setting,
         [](CliPipeline& p, Values v) {
             p.SetGridFormat(geo::GridFormatNamed(v[0]));
             return true;
         }});
    options.push_back(
        {"--encoding",
         {TakesOnly("NAME", [](const std::string& a) { return !CanonicalEncoding(a).empty(); })},
         "decode the cells for the JSON output from NAME (UTF-8, GB18030,\nwindows-1252, ...) "
         "instead of the encoding detected",
         When::Setting,
         [](CliPipeline& p, Values v) {
             p.SetEncoding(CanonicalEncoding(v[0]));
             return true;
         }});
    options.push_back({"--import",
                       {{"MAPPING.json", nullptr}},
                       "read the inputs as text files in another layout, with the\nmapping saved by File > "
                       "Import Text...",
                       When::Setting,
                       [](CliPipeline& p, Values v) {
                           p.SetMappingFile(v[0]);
                           return true;
                       }});
    options.push_back(
        {"--size",
         {{"WxH",
           [](const std::string& a) {
               return ParseSize(a, nullptr, nullptr) ? "" : "takes WxH (1 to 20000 each), not '" + a + "'";
           }}},
         "picture size of --graph (default 1200x800 for profiles\nand the section, the whole grid for the "
         "circular graph)",
         When::Setting,
         [](CliPipeline& p, Values v) {
             int width = 0, height = 0;
             ParseSize(v[0], &width, &height);
             p.SetPictureSize(width, height);
             return true;
         }});
    return options;
}

}  // namespace

CliOption::Argument TakesOnly(std::string name, std::function<bool(const std::string&)> valid)
{
    CliOption::Argument argument{name, nullptr};
    argument.wrong = [name, valid = std::move(valid)](const std::string& value) {
        return valid(value) ? std::string() : "takes " + name + ", not '" + value + "'";
    };
    return argument;
}

const std::vector<CliOption>& CliOptions()
{
    static const std::vector<CliOption> options = MakeOptions();
    return options;
}

}  // namespace vantrel
