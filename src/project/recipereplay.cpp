#include "recipereplay.h"

#include "processing/datachoice.h"
#include "processing/processingsteps.h"
#include "survey.h"

namespace vantrel {

namespace {

/// What a replay may change, to put back when a step stops.
class SurveyState {
public:
    explicit SurveyState(const Survey& survey)
        : m_tables(survey.m_tables.TakeSnapshot()), m_settings(survey.m_tables.Settings()),
          m_dataSelected(survey.m_frame.DataSelected())
    {
        for (const FileTree::FileItem& file : survey.m_tree.Files())
            m_fileChecks.push_back(file.checked);
        for (std::size_t id = 1; id <= survey.m_tree.RowItemCount(); ++id)
            m_rowChecks.push_back(survey.m_tree.Row(static_cast<int>(id)).checked);
    }

    void PutBack(Survey& survey) const
    {
        survey.m_tables.Restore(m_tables);
        survey.m_tables.SetSettings(m_settings);
        survey.m_frame.SetDataSelected(m_dataSelected);
        for (std::size_t i = 0; i < m_fileChecks.size(); ++i)
            survey.m_tree.SetFileChecked(static_cast<int>(i), m_fileChecks[i]);
        for (std::size_t i = 0; i < m_rowChecks.size(); ++i)
            survey.m_tree.SetRowChecked(static_cast<int>(i + 1), m_rowChecks[i]);
    }

private:
    TablesSnapshot m_tables;
    ProcessingSettings m_settings;
    bool m_dataSelected;
    std::vector<bool> m_fileChecks;
    std::vector<bool> m_rowChecks;
};

}  // namespace

OperationReport RecipeReplay::Run(const Recipe& recipe, Survey& survey, std::string_view shownName,
                                  const StepRunner& runner)
{
    const SurveyState before(survey);
    if (recipe.settings)
        survey.m_tables.SetSettings(*recipe.settings);
    OperationReport report;
    for (std::size_t i = 0; i < recipe.steps.size(); ++i) {
        const Recipe::Step& step = recipe.steps[i];
        const ProcessingStep* row = FindProcessingStep(step.name);
        const OperationReport done = !row ? OperationReport{{std::string(shownName) + ": '" + step.name +
                                                             "' is not a step this version of Vantrel knows"},
                                                            true}
            : runner                      ? runner(*row, step.argument)
                                          : RunProcessingStep(*row, survey, step.argument);
        report.messages.insert(report.messages.end(), done.messages.begin(), done.messages.end());
        if (done.stopped && !done.messages.empty()) {
            before.PutBack(survey);
            report.Say(std::string(shownName) + ": step " + std::to_string(i + 1) + " (" + step.name +
                       ") stopped; nothing was changed.");
            report.stopped = true;
            return report;
        }
    }
    if (!recipe.rows.empty())
        ApplyDataChoice(*ParseDataChoice(recipe.rows), survey.m_tree);
    return report;
}

}  // namespace vantrel
