#pragma once

#include <QDockWidget>

class QMenu;
class QTabWidget;

namespace vantrel {

class CommandRouter;

class COutPutToolBar;
class COwnerListCtrl;
class DataTableModel;
class DataTableView;
class OutputTables;
class SurveyNotifier;

/// The output pane: the Origin, Processing and Depth tables of the core, one
/// tab each, as views over table models.
///
/// The pane follows the survey notifier: each table's view catches up when the
/// notifier says the table changed, and the pane turns to a tab only when an
/// operation asks for it; the user's own choice of tab is kept in the core.
/// The context-menu and toolbar commands are actions carrying their ids
/// (commandActions()), put on the command road by registerCommands().
class COutputWnd : public QDockWidget {
    Q_OBJECT
public:
    explicit COutputWnd(SurveyNotifier& notifier, QWidget* parent = nullptr);
    ~COutputWnd() override;

    QTabWidget* tabs() const { return m_tabs; }
    COwnerListCtrl* originView() const { return m_origin; }
    DataTableView* processingView() const { return m_processing; }
    DataTableView* depthView() const { return m_depth; }
    DataTableModel* originModel() const { return m_originModel; }
    DataTableModel* processingModel() const { return m_processingModel; }
    DataTableModel* depthModel() const { return m_depthModel; }
    COutPutToolBar* toolBar() const { return m_toolBar; }
    QMenu* contextMenu() const { return m_menu; }
    /// The actions of the context menu and of the toolbar, separators left out.
    QList<QAction*> commandActions() const;
    /// Puts the toolbar's and the context menu's entries on the command road,
    /// with this pane as their owner.
    void registerCommands(CommandRouter& router);

    /// While the core reads a file into the tables, the views show empty
    /// tables; sync() ends that.
    void beginDataUpdate();
    /// The views of the three tables catch up with the core; the tab stays.
    void sync();
    /// `table` is an OutputTables::Tab.
    void syncTable(int table);
    DataTableModel* model(int table) const;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildContextMenu();

    SurveyNotifier& m_notifier;
    QTabWidget* m_tabs;
    COwnerListCtrl* m_origin;
    DataTableView* m_processing;
    DataTableView* m_depth;
    DataTableModel* m_originModel;
    DataTableModel* m_processingModel;
    DataTableModel* m_depthModel;
    COutPutToolBar* m_toolBar;
    QMenu* m_menu = nullptr;
};

}  // namespace vantrel
