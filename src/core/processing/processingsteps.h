#pragma once

#include "operationreport.h"

#include <span>
#include <string>
#include <string_view>

namespace vantrel {

struct Survey;

/// What a processing step may change, so that its caller refreshes what
/// shows it and its undo record covers it.
struct StepChanges {
    bool origin = false;        ///< the Origin table's cells
    bool processing = false;    ///< the Processing table
    bool depth = false;         ///< the Depth table
    bool marks = false;         ///< the marked cells of the Origin table
    bool checks = false;        ///< the file view's ticked rows
    bool dataSelected = false;  ///< the frame's data-selected flag
    bool counts = false;        ///< the tables' counts (frequency columns, file groups)
    bool settings = false;      ///< the processing settings
};

/// One step of the processing that the desktop's commands and the command
/// line run alike, and that saved work replays from its name and argument.
struct ProcessingStep {
    std::string_view name;      ///< the command line's option without "--", the step's saved name
    std::string_view title;     ///< how the desktop names it (its undo entry)
    std::string_view busyText;  ///< what the desktop says while it runs
    std::string_view argument;  ///< the argument's form as the usage shows it; empty: takes none
    std::string_view help;      ///< the command line's help, lines parted by "\n"
    StepChanges changes;
    /// The question to ask before running it on the desktop ("Do you need to
    /// calculate deep value again?"), empty when there is none to ask.
    std::string (*question)(const Survey& survey);
    /// The argument the desktop's step takes from the survey as it stands
    /// (the ticked rows, the settings), so that running the step with it
    /// later does the same again; nullptr for a step without an argument.
    std::string (*argumentOf)(const Survey& survey);
    /// True when the text is an argument the step takes.
    bool (*takes)(std::string_view argument);
    /// Runs the step on an argument it takes (see RunProcessingStep).
    OperationReport (*run)(Survey& survey, std::string_view argument);
    /// The settings the step's result depends on, by their SettingNames()
    /// names parted by commas ("resistivity,depth-coefficient"); empty: none.
    std::string_view reads = {};
};

/// Runs `step` with `argument`. An argument the step does not take stops it
/// with the message "NAME takes FORM, not 'ARGUMENT'" and changes nothing.
OperationReport RunProcessingStep(const ProcessingStep& step, Survey& survey, std::string_view argument);

/// Every step, in the order the command line's help lists them.
std::span<const ProcessingStep> ProcessingSteps();
/// The step of this name, nullptr for none.
const ProcessingStep* FindProcessingStep(std::string_view name);

}  // namespace vantrel
