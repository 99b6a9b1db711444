#pragma once

#include "commands/busyscope.h"
#include "commands/datadigest.h"
#include "datafile/writeresult.h"
#include "import/importmapping.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
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
struct ProcessingSettings;
struct ProcessingStep;
struct ReadResult;
struct Survey;

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
    /// The step with `argument`, its notices and its undo record, without
    /// the question or the messages: for a replay, which words its own. A
    /// step still running after progressDelay() shows its progress with a
    /// Cancel; a cancelled step stops with a message and changes nothing.
    OperationReport execute(const ProcessingStep& step, std::string_view argument);
    /// How long a step runs before its progress shows, in milliseconds; 0:
    /// the progress of every step shows, however short.
    int progressDelay() const { return m_progressDelay; }
    void setProgressDelay(int ms) { m_progressDelay = ms; }
    /// Runs `work` on a thread of its own; once it has run progressDelay(),
    /// its progress shows as `text` with a Cancel. False when it was
    /// cancelled; what it threw is thrown again here.
    bool runWatched(const QString& text, const std::function<void()>& work);

    /// What the history lists for a step: the command's name with the
    /// argument or the settings it ran with ("Depth Display, resistivity
    /// 12.5"), from the settings before and after it.
    static QString describeStep(const ProcessingStep& step, std::string_view argument,
                                const ProcessingSettings& before, const ProcessingSettings& after);

    /// Closes the open file without asking (a project that did not open).
    void closeSurvey() { closeData(); }
    /// Reads `path` as File Open does once the file is chosen and no file
    /// is open (with `mapping`, as Import Text does); false when it failed
    /// or stopped early (the message shown).
    bool readData(const QString& path, const std::optional<ImportMapping>& mapping = std::nullopt,
                  const std::string& encoding = {});
    /// The one file the open survey was read from; empty when none is open
    /// or the survey was read from several files.
    QString dataFile() const;
    /// The data files' filter of the open and save dialogs, translated.
    static QString dataFileFilters();
    /// The SHA-256 of `path`'s bytes: for the file the open survey was read
    /// from, of the bytes as read (waited for while it is worked out on its
    /// own thread), even when the file changed since; empty with the reason
    /// in `reason` when it cannot be read.
    std::string dataDigest(const QString& path, std::string* reason);
    /// `digest` was worked out from `path` as it is now, which is then read.
    void knowDataDigest(const QString& path, std::string digest);
    /// The mapping the open survey was imported with, if any.
    const std::optional<ImportMapping>& importMapping() const { return m_mapping; }

    void OnFileOpen();
    /// Opens `path` as File Open does once the file is chosen (the close
    /// question first when a file is open): for files named on the program's
    /// command line and files dropped on the window.
    void openPath(const QString& path);
    /// Opens several files as one survey, as File Open does when several
    /// are chosen.
    void openPaths(const QStringList& paths);
    /// Reads `paths` as one survey into the notifier's survey (which must be
    /// closed), in the standard layout or with `mapping`, their bytes shown
    /// in `encoding` (empty: detected from the first file). False when
    /// nothing was loaded; the message has been shown.
    bool loadFiles(const QStringList& paths, const std::optional<ImportMapping>& mapping,
                   const std::string& encoding = {});
    /// With a file open, asks to close it and does; false when the user
    /// keeps the open file. For commands that open files another way.
    bool closeBeforeOpening();
    void OnReopenWithEncoding();
    bool hasOpenFile() const;
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
    /// Runs the step on a copy of the survey on another thread and puts the
    /// copy in the survey's place; false when the user cancelled it.
    bool runOffThread(const ProcessingStep& step, std::string_view argument, OperationReport& report);
    /// Runs a save through runWatched; nullopt when it was cancelled before
    /// the file `target` was put in place (the status says so).
    std::optional<WriteResult> saveWatched(const QString& text, const QString& target,
                                           const std::function<WriteResult()>& save);
    /// Runs `work` on `copy` on another thread, showing `text` with its
    /// progress once it has run progressDelay(); the copy then takes the
    /// survey's place. False when the user cancelled: the survey is as it was.
    bool runOnCopy(Survey& copy, const QString& text, const std::function<void(Survey&)>& work);
    void show(const OperationReport& report);
    void showStatus(const QString& text);
    BusyScope::Report busyReport();

    SurveyNotifier& m_notifier;
    Prompter& m_prompter;
    UndoHistory& m_history;
    int m_progressDelay = 1000;
    bool m_cancelled = false;       // the last step run was cancelled
    std::size_t m_partialRows = 0;  // rows read when reading stopped early, else 0
    QString m_readFile;             // the file the tables were read from
    // What the open survey was read from, for Reopen with Encoding.
    QStringList m_sources;
    std::optional<ImportMapping> m_mapping;
    DataDigest m_digest;
    // Save Original Data asks for a file: the survey was not read from one
    // file in the standard layout.
    bool m_saveAsks = false;
};

/// True when the read stopped before the end of the file, so that the tables
/// hold only a part of it.
bool isPartialLoad(const ReadResult& result);

}  // namespace vantrel
