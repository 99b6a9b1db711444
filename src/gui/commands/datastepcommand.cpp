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

bool DataStepCommand::State::SameAs(const State& other) const
{
    return tables.SameAs(other.tables) && settings == other.settings && dataSelected == other.dataSelected;
}

void DataStepCommand::apply(const State& state)
{
    Restore(m_notifier, state);
}

void DataStepCommand::Restore(SurveyNotifier& notifier, const State& state)
{
    Survey& survey = notifier.survey();
    survey.m_tables.Restore(state.tables);
    survey.m_tables.SetSettings(state.settings);
    survey.m_frame.SetDataSelected(state.dataSelected);
    notifier.notifyRestored(state.revision);
    notifier.notifyMarksChanged();
    notifier.requestActiveTab(state.tables.ActiveTab());
    notifier.notifyStateChanged();
}

}  // namespace vantrel
