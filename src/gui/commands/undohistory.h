#pragma once

#include "commands/datastepcommand.h"
#include "recipe.h"

#include <QObject>
#include <QUndoStack>

#include <cstddef>
#include <vector>

namespace vantrel {

class SurveyNotifier;

/// The undo history of the data steps: a QUndoStack of DataStepCommands on
/// the notifier's survey. A new file (any reset of the survey) clears it;
/// saving leaves it alone.
///
/// The snapshots of the history may take at most limit() bytes together; a
/// step that goes beyond it drops the oldest steps until they fit. A table
/// shared by consecutive snapshots is counted once, and so is a text store
/// the history keeps alive after the tables moved to a compacted one.
///
/// Beside the snapshots it keeps the log of the steps themselves (name and
/// argument), from the file as read to where the history stands: it outlives
/// dropped snapshots, so that saved work and the command line can repeat
/// every step.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kDefaultLimit = std::size_t{512} << 20;

    explicit UndoHistory(SurveyNotifier& notifier, QObject* parent = nullptr);
    ~UndoHistory() override;

    /// The survey's state now, sharing the tables that equal the history's
    /// latest state. May throw std::bad_alloc.
    DataStepCommand::State capture() const;
    /// A step as the history shows and logs it.
    struct Entry {
        QString name;         ///< what Undo and Redo say
        QString description;  ///< what the history lists
        Recipe::Step step;    ///< the core's step and its argument
    };
    /// Records the step that led from `before` to the survey's state now,
    /// unless it changed nothing. Returns how many of the oldest steps had to
    /// go to keep within the limit (0 normally).
    int record(const Entry& entry, DataStepCommand::State before);
    /// Logs a step that ran without a snapshot to go back to (no memory for
    /// one): the undo history is cleared, the log goes on.
    void recordWithoutUndo(const Recipe::Step& step);
    /// The steps that led from the file as read to the tables now, in order.
    std::vector<Recipe::Step> doneSteps() const;
    /// The stack the history pane shows.
    QUndoStack* stack() { return &m_stack; }

    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    /// The names of the steps undo() and redo() would take back or do again;
    /// empty when there is none.
    QString undoName() const { return m_stack.undoText(); }
    QString redoName() const { return m_stack.redoText(); }
    /// Takes back the latest step; returns its name, empty when there was none.
    QString undo();
    /// Does the latest undone step again; returns its name, empty when there was none.
    QString redo();
    /// Forgets the steps and the log (a new file).
    void clear();

    int count() const { return m_stack.count(); }
    int index() const { return m_stack.index(); }
    const DataStepCommand* step(int index) const;

    /// Bytes held by the snapshots of the history.
    std::size_t footprint() const { return footprintFrom(0); }
    std::size_t limit() const { return m_limit; }
    /// For tests and for a machine with little memory; applies from the next step.
    void setLimit(std::size_t bytes) { m_limit = bytes; }

Q_SIGNALS:
    /// The steps that can be undone or redone changed.
    void changed();

private:
    std::size_t footprintFrom(int first) const;
    void dropOldest(int steps);

    SurveyNotifier& m_notifier;
    QUndoStack m_stack;
    std::size_t m_limit = kDefaultLimit;
    std::vector<Recipe::Step> m_log;  // every step done, with those redo would do again
    std::size_t m_logBase = 0;        // the log's steps before the stack's first one
};

}  // namespace vantrel
