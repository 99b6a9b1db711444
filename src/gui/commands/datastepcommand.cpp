#include "commands/datastepcommand.h"

#include "common/surveynotifier.h"

namespace vantrel {

DataStepCommand::DataStepCommand(SurveyNotifier& notifier, const QString& name, State before, State after)
    : QUndoCommand(name), m_notifier(notifier), m_name(name), m_before(std::move(before)),
      m_after(std::move(after))
{}

void DataStepCommand::undo()
{
    apply(m_before);
}

void DataStepCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    apply(m_after);
}

void DataStepCommand::apply(const State& state)
{
    Survey& survey = m_notifier.survey();
    survey.m_tables.Restore(state.tables);
    survey.m_frame.SetDataSelected(state.dataSelected);
    for (int table : {OutputTables::OriginTab, OutputTables::ProcessingTab, OutputTables::DepthTab})
        m_notifier.notifyTableChanged(table);
    m_notifier.notifyMarksChanged();
    m_notifier.requestActiveTab(state.tables.ActiveTab());
    m_notifier.notifyStateChanged();
}

}  // namespace vantrel
