#pragma once

#include "app/mainactions.h"
#include "charts/graphdrawing.h"
#include "commands/undohistory.h"
#include "common/commandrouter.h"
#include "common/surveynotifier.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QDialog;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMimeData;
class QSettings;
class QTimer;
class QToolBar;
class QToolButton;

namespace vantrel {

class CChildFrame;
class CFileView;
class CHistoryPane;
class ProjectCommands;
class ProjectRecovery;
class COutputWnd;
class CVantrelApp;
class DataCommands;
class DocumentTabButton;
class MainMenus;
class ImportTextCommand;
class InstrumentCommand;
class Prompter;
class ToolbarSet;

/// The main window: menu bar, the "Standard" toolbar and the user's own
/// toolbars, the status bar, the two docking panes ("File View" on the left,
/// "Show Table" at the bottom) and the tabbed document area with the chart
/// windows. It owns the survey notifier (and with it the one Survey every pane
/// works on), the two data panes, the data commands and the command router.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kBannerTimerMs = 20000;
    static constexpr int kRecentFileCount = MainActions::kRecentFileCount;

    explicit CMainFrame(CVantrelApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // --- What the panes and the charts plug into -----------------------------
    SurveyNotifier& notifier() { return m_notifier; }
    Survey& survey() { return m_notifier.survey(); }
    const Survey& survey() const { return m_notifier.survey(); }
    Prompter& prompter();
    CommandRouter* router() const { return m_router; }
    CFileView* fileView() const { return m_fileView; }
    COutputWnd* outputPane() const { return m_outputPane; }
    DataCommands* dataCommands() const { return m_dataCommands; }
    ProjectCommands* projectCommands() const { return m_projectCommands; }
    ProjectRecovery* recovery() const { return m_recovery; }
    CHistoryPane* historyPane() const { return m_historyPane; }
    UndoHistory& undoHistory() { return m_undoHistory; }
    QMdiArea* mdiArea() const { return m_mdi; }
    /// The active chart window, or nullptr.
    CChildFrame* activeChartWindow() const;
    QList<CChildFrame*> chartWindows() const;
    /// The new-document road: opens an empty chart window with this title and
    /// makes it active.
    CChildFrame* newChartWindow(const QString& title);
    /// Opens a chart window of `kind` drawn from the survey with `options`, as
    /// the graph commands do; a survey that refuses the graph is a message
    /// and no window (nullptr). A colour map is drawn by `colours` from the
    /// start when given (a project's section window), else by its defaults.
    CChildFrame* openChart(GraphKind kind, const GraphOptions& options,
                           const ColourMapOptions* colours = nullptr);
    /// Called by the graph commands with the graph kind and the new window,
    /// to draw the graph.
    void setGraphDrawer(GraphDrawer drawer) { m_graphDrawer = std::move(drawer); }
    const GraphDrawer& graphDrawer() const { return m_graphDrawer; }

    /// The action of a command id, nullptr for unknown ids. Every action of
    /// the menus, toolbars and accelerators is one of these.
    QAction* action(int id) const;
    QList<int> actionIds() const;
    ToolbarSet* toolbars() const { return m_toolbars; }
    QToolBar* standardToolBar() const;
    QMenu* viewToolbarsMenu() const;
    /// The edit context menu (cut, copy, paste) the chart views show.
    QMenu* editContextMenu() const;
    QToolButton* documentMenuButton() const;

    /// Runs a modal dialog of the frame (Config, About, customization,
    /// windows) through the prompter.
    int runDialog(QDialog& dialog);

    // --- Recent files ----------------------------------------------------------
    QStringList recentFiles() const { return m_recentFiles; }
    /// Puts `path` first in the list of four (File Open does not call it).
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    // --- Commands of the main frame ---------------------------------------------
    void OnConfig();
    void OnPrint();
    void OnApplicationLook(int id);
    void OnViewCustomize();
    void OnWindowManager();
    void cyclePane(int step);
    int look() const { return m_look; }

    /// What the commands, the instrument link and the chart views say for the
    /// status bar: a note for `timeout` milliseconds (0: until the next), an
    /// empty text clears it.
    void showStatusInfo(const QString& text, int timeout);
    /// A long operation's busy state: the wait cursor and its text, painted
    /// at once.
    void showBusy(bool busy, const QString& text);

    /// Saves the layout, toolbars, recent files and look now (also done when
    /// the window closes).
    void saveSettings() const;

    /// The files of a drag that the window opens when they are dropped on it:
    /// local .dat, .csv and project files, in the drag's order.
    static QStringList openableFiles(const QMimeData* data);

Q_SIGNALS:
    /// Every kBannerTimerMs from the frame's creation until it closes.
    void bannerTimerTick();
    /// The desktop's fonts or the look changed: panes refresh their fonts.
    void systemSettingsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override;
    void changeEvent(QEvent* event) override;

private:
    void createStatusBar();
    void createPanes();
    void createDocumentArea();
    void registerCommands();
    void restoreLayout();
    void fillToolbarsMenu();
    void fillRecentFiles();
    void updateTitle();
    void applyLookToFrame();
    void updateLockIndicators();
    std::vector<Recipe::Chart> chartRecords() const;
    void restoreCharts(const std::vector<Recipe::Chart>& charts, const std::string& layout);

    CVantrelApp& m_app;
    SurveyNotifier m_notifier;
    UndoHistory m_undoHistory{m_notifier};
    CommandRouter* m_router = nullptr;
    InstrumentCommand* m_instrument = nullptr;  // the instrument link (32826)
    ImportTextCommand* m_importText = nullptr;  // File > Import Text...
    MainActions* m_actions = nullptr;
    MainMenus* m_menus = nullptr;
    ToolbarSet* m_toolbars = nullptr;
    QMdiArea* m_mdi = nullptr;
    DocumentTabButton* m_documentMenuButton = nullptr;
    CFileView* m_fileView = nullptr;
    COutputWnd* m_outputPane = nullptr;
    DataCommands* m_dataCommands = nullptr;
    ProjectCommands* m_projectCommands = nullptr;
    ProjectRecovery* m_recovery = nullptr;
    CHistoryPane* m_historyPane = nullptr;
    struct ChartRecord {
        GraphKind kind;
        GraphOptions options;
    };
    QHash<const CChildFrame*, ChartRecord> m_chartRecords;  // how each drawn window was made
    QStringList m_recentFiles;
    QLabel* m_encodingLabel = nullptr;
    QLabel* m_capsLabel = nullptr;
    QLabel* m_numLabel = nullptr;
    QLabel* m_scrollLabel = nullptr;
    QTimer* m_bannerTimer = nullptr;
    QTimer* m_lockKeysTimer = nullptr;
    GraphDrawer m_graphDrawer;
    int m_look;
    bool m_closing = false;
    bool m_busy = false;
};

}  // namespace vantrel
