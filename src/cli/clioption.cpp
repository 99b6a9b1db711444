#include "clioption.h"
#include "clipipeline.h"

#include "datafile/depthwriter.h"
#include "datafile/originwriter.h"
#include "graphs/graphkind.h"
#include "numbers.h"
#include "processing/processingsteps.h"
#include "processing/settingstext.h"

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
    option.name = "--" + std::string(step.name);
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
    option.name = "--" + std::string(setting.name);
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
         "own)",
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
    };
    options.insert(options.end(), own.begin(), own.end());
    for (const SettingName& setting : SettingNames())
        options.push_back(SettingOption(setting));
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
