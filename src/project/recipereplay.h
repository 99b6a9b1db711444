#pragma once

#include "processing/operationreport.h"
#include "recipe.h"

#include <functional>
#include <string_view>

namespace vantrel {

struct ProcessingStep;
struct Survey;

/// Runs a recipe on a loaded survey: its starting settings (when it has
/// them), its steps in order, then its ticked rows (when it has them).
///
/// All or nothing: a step that stops at a message puts the tables, the ticked
/// rows, the data-selected flag and the settings back as they were before the
/// first step, and the report ends with "FILE: step N (NAME) stopped; nothing
/// was changed." The steps' own messages come before it, as they would on
/// their own.
class RecipeReplay {
public:
    /// Runs one step; by default RunProcessingStep. The desktop passes its
    /// own, which records each step in the undo history.
    using StepRunner = std::function<OperationReport(const ProcessingStep& step, std::string_view argument)>;

    static OperationReport Run(const Recipe& recipe, Survey& survey, std::string_view shownName,
                               const StepRunner& runner = nullptr);
};

}  // namespace vantrel
