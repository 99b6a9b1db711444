#pragma once

#include "commands/busyscope.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class CommandRouter;
class Prompter;
class SurveyNotifier;
class UndoHistory;
struct OperationReport;
struct ProcessingStep;
struct ReadResult;

/// The data commands of the desktop: File Open, the two saves, choosing data
/// and the processing steps, reached from the main frame's menus and toolbar
/// and from the two panes' toolbars and context menus. Each runs the core
/// operation on the notifier's survey, says through the notifier what it
/// changed, and shows the operation's messages through the prompter. It knows
/// no view: the panes follow the notifier.
class DataCommands : public QObject {
    Q_OBJECT
public:
    struct Command {
        int id;
        void (DataCommands::*run)();
        bool (DataCommands::*enabled)() const = nullptr;  ///< none: always enabled
    };
    /// Every command this object answers, main-frame commands first.
    static const std::vector<Command>& commands();

    /// A command that runs a row of the core's processing steps, by the
    /// row's name; several commands (menu, file view, output pane) may run
    /// one row.
    struct StepCommand {
        int id;
        std::string_view step;
    };
    static const std::vector<StepCommand>& stepCommands();

    /// Every step that changes a table is recorded in `history`.
    DataCommands(SurveyNotifier& notifier, Prompter& prompter, UndoHistory& history,
                 QObject* parent = nullptr);

    /// Registers every command of commands() with the router, on the main
    /// frame's level (the panes' ids are their own).
    void registerWith(CommandRouter& router);

    /// Runs a processing step on the survey as one undoable operation: the
    /// step's question first (if it has one), then the step with `argument`
    /// (unset: the argument the step takes from the survey as it stands),
    /// then the undo record under the step's title, the notices of what it
    /// changed and its messages. A step that changed nothing is not recorded.
    void runStep(const ProcessingStep& step, std::optional<std::string> argument = std::nullopt);
    /// runStep() of the step named `name`; false when there is none.
    bool runStep(std::string_view name, std::optional<std::string> argument = std::nullopt);

    void OnFileOpen();
    void OnSaveOriginalData();
    void OnSaveDepthData();
    void OnProperties();
    void OnEditUndo();
    void OnEditRedo();
    bool canUndo() const;
    bool canRedo() const;

Q_SIGNALS:
    /// A passing note for the status bar ("16 rows read from road.dat"),
    /// shown for `timeout` milliseconds.
    void statusInfo(const QString& text, int timeout);
    /// A long operation started (`busy`, with what it does and its
    /// percentage as it moves) or ended.
    void busyChanged(bool busy, const QString& text);

private:
    void closeData();
    void readFile(const QString& path);
    void show(const OperationReport& report);
    void showStatus(const QString& text);
    BusyScope::Report busyReport();

    SurveyNotifier& m_notifier;
    Prompter& m_prompter;
    UndoHistory& m_history;
    std::size_t m_partialRows = 0;  // rows read when reading stopped early, else 0
    QString m_readFile;             // the file the tables were read from
};

/// True when the read stopped before the end of the file, so that the tables
/// hold only a part of it.
bool isPartialLoad(const ReadResult& result);

}  // namespace vantrel
