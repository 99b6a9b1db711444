#include "processingsteps.h"

#include "badpoints.h"
#include "datachoice.h"
#include "dataselection.h"
#include "depthcalculation.h"
#include "fieldsource.h"
#include "messages.h"
#include "settingstext.h"
#include "survey.h"

#include <array>

namespace vantrel {

namespace {

constexpr std::string_view kChoiceForm = "all|N[,N...]";

void Append(OperationReport& into, const OperationReport& from)
{
    into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
    into.stopped = into.stopped || from.stopped;
}

std::string NoQuestion(const Survey&)
{
    return {};
}

bool TakesNone(std::string_view argument)
{
    return argument.empty();
}

bool TakesChoice(std::string_view argument)
{
    return ParseDataChoice(argument).has_value();
}

std::string ChoiceOf(const Survey& survey)
{
    return DataChoiceText(survey.m_tree);
}

/// Ticks the rows the argument names, then chooses them.
OperationReport ChooseData(Survey& s, std::string_view argument)
{
    ApplyDataChoice(*ParseDataChoice(argument), s.m_tree);
    return SelectData(s.m_tree, s.m_tables, s.m_frame);
}

OperationReport ChooseAndProcess(Survey& s, std::string_view argument)
{
    OperationReport report = ChooseData(s, argument);
    Append(report, ProcessFieldSource(s.m_tables));
    return report;
}

template <OperationReport (*Operation)(OutputTables&)>
OperationReport OnTables(Survey& s, std::string_view)
{
    return Operation(s.m_tables);
}

OperationReport SearchAndProcess(Survey& s, std::string_view)
{
    OperationReport report = SearchBadPoints(s.m_tables);
    Append(report, ProcessFieldSource(s.m_tables));
    return report;
}

std::string DepthQuestion(const Survey& survey)
{
    return DepthNeedsConfirmation(survey.m_tables) ? msg::kDepthAgain : "";
}

bool TakesSettings(std::string_view argument)
{
    ProcessingSettings settings;
    return ParseSettingsText(argument, settings);
}

std::string SettingsOf(const Survey& survey)
{
    return SettingsText(survey.m_tables.Settings());
}

OperationReport Configure(Survey& s, std::string_view argument)
{
    ProcessingSettings settings = s.m_tables.Settings();
    ParseSettingsText(argument, settings);
    s.m_tables.SetSettings(settings);
    return {};
}

constexpr StepChanges kChoosing{.processing = true, .depth = true, .checks = true, .dataSelected = true};

const std::array<ProcessingStep, 8> kSteps = {{
    {"select", "Choose Data", "Choosing the data...", kChoiceForm,
     "choose the rows of these file numbers (all: every row;\nN:R-S: rows R to S of file N; none: no row)",
     kChoosing, NoQuestion, ChoiceOf, TakesChoice, ChooseData},
    {"select-and-process",
     "Processed Data",
     "Choosing and processing the data...",
     kChoiceForm,
     "choose these rows, then process them as --field-source does",
     {.processing = true, .depth = true, .checks = true, .dataSelected = true, .counts = true},
     NoQuestion,
     ChoiceOf,
     TakesChoice,
     ChooseAndProcess},
    {"search-bad-points",
     "Search Bad Points",
     "Searching bad points...",
     {},
     "clip spikes in the Origin table and mark cells to correct",
     {.origin = true, .marks = true},
     NoQuestion,
     nullptr,
     TakesNone,
     OnTables<SearchBadPoints>,
     "deviation-factor"},
    {"correct-bad-points",
     "Correct Bad Points",
     "Correcting bad points...",
     {},
     "correct stray and zero readings in the Origin table",
     {.origin = true, .marks = true, .counts = true},
     NoQuestion,
     nullptr,
     TakesNone,
     OnTables<CorrectBadPoints>,
     "deviation-factor"},
    {"search-and-process",
     "Search Bad Points and Process",
     "Searching bad points and processing...",
     {},
     "search bad points, then process the chosen rows\nas --field-source does",
     {.origin = true, .processing = true, .marks = true, .counts = true},
     NoQuestion,
     nullptr,
     TakesNone,
     SearchAndProcess,
     "deviation-factor"},
    {"field-source",
     "Field Source",
     "Processing the field source...",
     {},
     "clip and rescale the chosen rows file by file",
     {.processing = true, .counts = true},
     NoQuestion,
     nullptr,
     TakesNone,
     OnTables<ProcessFieldSource>},
    {"depth",
     "Depth Calculation",
     "Calculating the depth data...",
     {},
     "calculate the depth data (again, if there is some)",
     {.depth = true},
     DepthQuestion,
     nullptr,
     TakesNone,
     OnTables<CalculateDepth>,
     "resistivity,depth-coefficient"},
    {"config",
     "Config",
     "Changing the processing settings...",
     "NAME=VALUE[,...]",
     "change the processing settings from here on (names as below)",
     {.settings = true},
     NoQuestion,
     SettingsOf,
     TakesSettings,
     Configure},
}};

}  // namespace

std::span<const ProcessingStep> ProcessingSteps()
{
    return kSteps;
}

OperationReport RunProcessingStep(const ProcessingStep& step, Survey& survey, std::string_view argument)
{
    if (step.takes(argument))
        return step.run(survey, argument);
    OperationReport report;
    report.Say(std::string(step.name) + " takes " +
               std::string(step.argument.empty() ? "no argument" : step.argument) + ", not '" +
               std::string(argument) + "'");
    report.stopped = true;
    return report;
}

const ProcessingStep* FindProcessingStep(std::string_view name)
{
    for (const ProcessingStep& step : kSteps)
        if (step.name == name)
            return &step;
    return nullptr;
}

}  // namespace vantrel
