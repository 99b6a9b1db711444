#include "commands/undohistory.h"

#include "common/surveynotifier.h"

#include <memory>
#include <unordered_set>
#include <vector>

namespace vantrel {

UndoHistory::UndoHistory(SurveyNotifier& notifier, QObject* parent) : QObject(parent), m_notifier(notifier)
{
    connect(&m_notifier, &SurveyNotifier::resetAboutToBegin, this, &UndoHistory::clear);
    connect(&m_stack, &QUndoStack::indexChanged, this, &UndoHistory::changed);
}

UndoHistory::~UndoHistory()
{
    // The stack clears itself as it goes: nobody is to hear of that.
    disconnect(&m_stack, nullptr, this, nullptr);
}

const DataStepCommand* UndoHistory::step(int index) const
{
    return static_cast<const DataStepCommand*>(m_stack.command(index));
}

DataStepCommand::State UndoHistory::capture() const
{
    // Where the history stands, the survey's tables are those of the step
    // before the index (or before the first step).
    const TablesSnapshot* latest = nullptr;
    if (m_stack.index() > 0)
        latest = &step(m_stack.index() - 1)->after().tables;
    else if (m_stack.count() > 0)
        latest = &step(0)->before().tables;
    const Survey& survey = m_notifier.survey();
    return {survey.m_tables.TakeSnapshot(latest), survey.m_tables.Settings(), survey.m_frame.DataSelected(),
            m_notifier.revision()};
}

int UndoHistory::record(const Entry& entry, DataStepCommand::State before)
{
    const Survey& survey = m_notifier.survey();
    DataStepCommand::State after{survey.m_tables.TakeSnapshot(&before.tables), survey.m_tables.Settings(),
                                 survey.m_frame.DataSelected(), m_notifier.revision()};
    if (after.SameAs(before))
        return 0;
    // The steps redo would have done again go with the stack's.
    m_log.resize(m_logBase + static_cast<std::size_t>(m_stack.index()));
    m_log.push_back(entry.step);
    m_stack.push(
        new DataStepCommand(m_notifier, entry.name, std::move(before), std::move(after), entry.description));
    int drop = 0;
    while (drop < m_stack.count() && footprintFrom(drop) > m_limit)
        ++drop;
    if (drop > 0)
        dropOldest(drop);
    return drop;
}

QString UndoHistory::undo()
{
    if (!m_stack.canUndo())
        return {};
    const QString name = m_stack.undoText();
    m_stack.undo();
    return name;
}

QString UndoHistory::redo()
{
    if (!m_stack.canRedo())
        return {};
    const QString name = m_stack.redoText();
    m_stack.redo();
    return name;
}

void UndoHistory::recordWithoutUndo(const Recipe::Step& step)
{
    m_log.resize(m_logBase + static_cast<std::size_t>(m_stack.index()));
    m_log.push_back(step);
    m_logBase = m_log.size();
    m_stack.clear();
    Q_EMIT changed();
}

std::vector<Recipe::Step> UndoHistory::doneSteps() const
{
    const auto done = static_cast<std::ptrdiff_t>(m_logBase) + m_stack.index();
    return {m_log.begin(), m_log.begin() + done};
}

void UndoHistory::clear()
{
    m_log.clear();
    m_logBase = 0;
    if (m_stack.count() == 0)
        return;
    m_stack.clear();
    Q_EMIT changed();
}

std::size_t UndoHistory::footprintFrom(int first) const
{
    std::unordered_set<const void*> counted;
    const OutputTables& tables = m_notifier.survey().m_tables;
    const TextStore* live = &tables.Store();
    // References the live tables still share with a snapshot cost the history nothing.
    std::unordered_set<const void*> refsCounted = {
        tables.Origin().RefsIdentity(), tables.Processing().RefsIdentity(), tables.Depth().RefsIdentity()};
    std::size_t bytes = 0;
    const auto add = [&](const TablesSnapshot& s) {
        bytes += s.OwnFootprint();
        for (const auto& table : s.Tables())
            if (counted.insert(table.get()).second) {
                bytes += table->Footprint();
                if (!refsCounted.insert(table->RefsIdentity()).second)
                    bytes -= table->RefsFootprint();
            }
        // A store the tables have left behind lives on for the history alone.
        if (s.StorePointer() != live && counted.insert(s.StorePointer()).second)
            bytes += s.StorePointer()->Footprint();
    };
    for (int i = first; i < m_stack.count(); ++i) {
        add(step(i)->before().tables);
        add(step(i)->after().tables);
    }
    return bytes;
}

void UndoHistory::dropOldest(int steps)
{
    // QUndoStack only lets go of commands at its top: rebuild it from the
    // steps that stay. This runs right after a push, so every step is done.
    std::vector<std::unique_ptr<DataStepCommand>> kept;
    for (int i = steps; i < m_stack.count(); ++i) {
        const DataStepCommand* s = step(i);
        kept.push_back(std::make_unique<DataStepCommand>(m_notifier, s->name(), s->before(), s->after(),
                                                         s->description()));
    }
    m_logBase += static_cast<std::size_t>(steps);
    const QSignalBlocker quiet(&m_stack);
    m_stack.clear();
    for (auto& command : kept)
        m_stack.push(command.release());
    Q_EMIT changed();
}

}  // namespace vantrel
