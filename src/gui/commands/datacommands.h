#pragma once

#include <QObject>
#include <QPointer>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <vector>

class QStatusBar;

namespace vantrel {

class CommandRouter;
class Prompter;
class SurveyNotifier;
class UndoHistory;
struct OperationReport;
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

    /// Every step that changes a table is recorded in `history`.
    DataCommands(SurveyNotifier& notifier, Prompter& prompter, UndoHistory& history,
                 QObject* parent = nullptr);

    /// Registers every command of commands() with the router, on the main
    /// frame's level (the panes' ids are their own).
    void registerWith(CommandRouter& router);

    /// Where long operations say what they are doing.
    void setStatusBar(QStatusBar* statusBar);

    void OnFileOpen();
    /// Opens `path` as File Open does once the file is chosen (the close
    /// question first when a file is open): for files named on the program's
    /// command line and files dropped on the window.
    void openPath(const QString& path);
    void OnSaveOriginalData();
    void OnSaveDepthData();
    void OnChooseData();
    void OnProcessedData();
    void OnDepthDisplay();
    void OnCorrectBadPoints();
    void OnSearchAndProcess();
    void OnSearchBadPoints();
    void OnProperties();
    void OnEditUndo();
    void OnEditRedo();
    bool canUndo() const;
    bool canRedo() const;

private:
    /// Clears File Open's flags; with a file open, asks to close it and does.
    /// False when the user keeps the open file.
    bool closeBeforeOpening();
    void closeData();
    void readFile(const QString& path);
    /// Runs a step and records it in the undo history under `step`.
    void runOperation(const QString& step, const QString& status, std::initializer_list<int> tables,
                      bool marks, const std::function<void(OperationReport&)>& work);
    void show(const OperationReport& report);
    void showStatus(const QString& text);

    SurveyNotifier& m_notifier;
    Prompter& m_prompter;
    UndoHistory& m_history;
    QPointer<QStatusBar> m_statusBar;
    std::size_t m_partialRows = 0;  // rows read when reading stopped early, else 0
};

/// True when the read stopped before the end of the file, so that the tables
/// hold only a part of it.
bool isPartialLoad(const ReadResult& result);

}  // namespace vantrel
