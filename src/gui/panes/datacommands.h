#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QStatusBar;

namespace vantrel {

class CFileView;
class COutputWnd;
class Prompter;
struct OperationReport;
struct Survey;

/// The data commands of the desktop: File Open, the two saves, choosing data
/// and the processing steps, reached from the main frame's menus and toolbar
/// and from the two panes. Each runs the core operation on the survey, brings
/// the panes up to date and shows the operation's messages through the
/// prompter.
///
/// The panes' own commands (their toolbars and context menus) are connected
/// here; the main-frame commands are registered with the router from
/// commands():
/// @code
///   for (const auto& c : DataCommands::commands())
///       if (c.scope == DataCommands::Scope::MainFrame)
///           router->addHandler(CommandRouter::Level::MainFrame, c.id, [dc, c] { (dc->*c.run)(); });
/// @endcode
class DataCommands : public QObject {
    Q_OBJECT
public:
    /// Who issues the command: the main frame (menus, toolbar, accelerators)
    /// or one of the panes (its toolbar or context menu).
    enum class Scope { MainFrame, FileView, OutputPane };
    struct Command {
        int id;
        Scope scope;
        void (DataCommands::*run)();
    };
    /// Every command this object answers, main-frame commands first.
    static const std::vector<Command>& commands();

    static const char* const kDataFileFilters;
    static const char* const kPropertiesText;

    DataCommands(Survey& survey, Prompter& prompter, CFileView& fileView, COutputWnd& output,
                 QObject* parent = nullptr);

    /// Where long operations say what they are doing.
    void setStatusBar(QStatusBar* statusBar);

    /// Runs the command `id`; false when it is none of this object's.
    bool run(int id);

    // Main frame
    void OnFileOpen();          ///< 57601
    void OnSaveOriginalData();  ///< 57603
    void OnSaveDepthData();     ///< 32807
    void OnChooseData();        ///< 32794; file view 136
    void OnProcessedData();     ///< 32816; file view 32814
    void OnDepthDisplay();      ///< 32792; file view 32801; output pane 32772
    void OnCorrectBadPoints();  ///< 32791; file view 32800; output pane 32771
    void OnSearchAndProcess();  ///< 32796; file view 32799
    // Panes
    void OnSearchBadPoints();   ///< output pane 32798
    void OnProperties();        ///< file view 135

Q_SIGNALS:
    /// The survey changed (a file was read or closed, data chosen, tables
    /// recomputed): enabled states that depend on it may change.
    void surveyChanged();

private:
    void closeData();
    void readFile(const QString& path);
    void runOperation(const QString& status, const std::function<void(OperationReport&)>& work);
    void show(const OperationReport& report);
    void showStatus(const QString& text);

    Survey& m_survey;
    Prompter& m_prompter;
    CFileView& m_fileView;
    COutputWnd& m_output;
    QPointer<QStatusBar> m_statusBar;
};

}  // namespace vantrel
