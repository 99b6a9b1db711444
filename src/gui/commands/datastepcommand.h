#pragma once

#include "common/surveynotifier.h"
#include "datafile/tablessnapshot.h"
#include "processing/processingsettings.h"

#include <QString>
#include <QUndoCommand>

namespace vantrel {

/// One data step on the undo stack: the survey's tables and flags before and
/// after the step. Undo puts back the state before, redo the stored result;
/// neither computes anything. Both repaint through the notifier.
class DataStepCommand : public QUndoCommand {
public:
    /// What a data step may change: the tables with their marks, counts and
    /// active tab, the processing settings and the frame's data-selected
    /// flag; and the notifier's numbers for that state.
    struct State {
        TablesSnapshot tables;
        ProcessingSettings settings;
        bool dataSelected = false;
        SurveyRevision revision;

        bool SameAs(const State& other) const;
    };

    /// The step has already run: the first redo(), which QUndoStack::push()
    /// calls, does nothing.
    DataStepCommand(SurveyNotifier& notifier, const QString& name, State before, State after);

    /// Puts the survey back to `state` and tells the notifier.
    static void Restore(SurveyNotifier& notifier, const State& state);

    void undo() override;
    void redo() override;

    const QString& name() const { return m_name; }
    const State& before() const { return m_before; }
    const State& after() const { return m_after; }

private:
    void apply(const State& state);

    SurveyNotifier& m_notifier;
    QString m_name;
    State m_before;
    State m_after;
    bool m_pushed = false;
};

}  // namespace vantrel
