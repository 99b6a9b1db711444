#pragma once

#include "commandrouter.h"
#include "survey.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QActionGroup;
class QDialog;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSettings;
class QTimer;
class QToolBar;
class QToolButton;

namespace vantrel {

class CChildFrame;
class CVantrelApp;
class InstrumentCommand;
class Prompter;
class StringTable;
class ToolbarSet;

/// The main window: menu bar, the "Standard" toolbar and the user's own
/// toolbars, the status bar, the two docking panes ("File View" on the left,
/// "Show Table" at the bottom) and the tabbed document area with the chart
/// windows. It owns the one Survey every pane works on, and the command router.
///
/// The panes are plain docks with an empty content until the data panes are
/// plugged in, through setFileViewPane()/setOutputPane() or by giving the
/// docks their content widgets (fileViewDock()->setWidget(...)).
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kBannerTimerMs = 20000;
    static constexpr int kRecentFileCount = 4;

    explicit CMainFrame(CVantrelApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // --- What the panes and the charts plug into -----------------------------
    Survey& survey() { return m_survey; }
    const Survey& survey() const { return m_survey; }
    Prompter& prompter();
    CommandRouter* router() const { return m_router; }
    const StringTable& strings() const;
    QDockWidget* fileViewDock() const { return m_fileViewDock; }
    QDockWidget* outputDock() const { return m_outputDock; }
    /// Replaces a pane's dock. The new dock takes the object name, caption
    /// (when it has none), icon, place and visibility of the old one, and the
    /// old dock is deleted; the saved layout keeps working.
    void setFileViewPane(QDockWidget* dock);
    void setOutputPane(QDockWidget* dock);
    QMdiArea* mdiArea() const { return m_mdi; }
    /// The active chart window, or nullptr.
    CChildFrame* activeChartWindow() const;
    QList<CChildFrame*> chartWindows() const;
    /// The new-document road: opens an empty chart window with this title and
    /// makes it active.
    CChildFrame* newChartWindow(const QString& title);
    /// Called by the graph commands with the graph kind (1 vertical profile,
    /// 2 plane profile, 3 circular) and the new window, to draw the graph.
    using GraphDrawer = std::function<void(int kind, CChildFrame* window)>;
    void setGraphDrawer(GraphDrawer drawer) { m_graphDrawer = std::move(drawer); }
    const GraphDrawer& graphDrawer() const { return m_graphDrawer; }

    /// The action of a command id, nullptr for unknown ids. Every action of
    /// the menus, toolbars and accelerators is one of these.
    QAction* action(int id) const { return m_actions.value(id); }
    QList<int> actionIds() const { return m_actions.keys(); }
    ToolbarSet* toolbars() const { return m_toolbars; }
    QToolBar* standardToolBar() const;
    QMenu* viewToolbarsMenu() const { return m_toolbarsMenu; }
    /// The edit context menu (cut, copy, paste) the chart views show.
    QMenu* editContextMenu() const { return m_editMenu; }
    QToolButton* documentMenuButton() const { return m_documentMenuButton; }

    /// Runs a modal dialog of the frame (Config, About, customization,
    /// windows). Tests replace it so that nothing blocks.
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { m_dialogRunner = std::move(runner); }
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

    /// Saves the layout, toolbars, recent files and look now (also done when
    /// the window closes).
    void saveSettings() const;

Q_SIGNALS:
    /// Every 20 seconds (timer 1): drives the picture panel.
    void bannerTimerTick();
    void chartWindowActivated(CChildFrame* window);
    /// The desktop's fonts or the look changed: panes refresh their fonts.
    void systemSettingsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    QAction* makeAction(int id, const QString& text, const QString& icon = {}, const QList<QKeySequence>& keys = {});
    void createMenus();
    void createStatusBar();
    void createDocks();
    void createDocumentArea();
    void registerCommands();
    void restoreLayout();
    void fillToolbarsMenu();
    void fillRecentFiles();
    void updateTitle();
    void applyLookToFrame();
    void updateLockIndicators();
    void updateTabCloseButtons();
    void placeDocumentMenuButton();
    QDockWidget* replacePane(QDockWidget* old, QDockWidget* dock, const QString& objectName);
    QList<QPair<QString, QList<QAction*>>> commandCategories() const;

    CVantrelApp& m_app;
    Survey m_survey;
    CommandRouter* m_router = nullptr;
    InstrumentCommand* m_instrument = nullptr;  // the instrument link (32826)
    QHash<int, QAction*> m_actions;
    ToolbarSet* m_toolbars = nullptr;
    QMdiArea* m_mdi = nullptr;
    QToolButton* m_documentMenuButton = nullptr;
    QMenu* m_documentMenu = nullptr;
    QDockWidget* m_fileViewDock = nullptr;
    QDockWidget* m_outputDock = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_toolbarsMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QList<QAction*> m_recentActions;
    QStringList m_recentFiles;
    QActionGroup* m_lookGroup = nullptr;
    QLabel* m_capsLabel = nullptr;
    QLabel* m_numLabel = nullptr;
    QLabel* m_scrollLabel = nullptr;
    QTimer* m_bannerTimer = nullptr;
    QTimer* m_idleTimer = nullptr;
    DialogRunner m_dialogRunner;
    GraphDrawer m_graphDrawer;
    int m_look;
    int m_newDocumentCount = 0;
    bool m_closing = false;
};

}  // namespace vantrel
