#pragma once

#include <QDockWidget>

class QMenu;
class QTabWidget;

namespace vantrel {

class COutPutToolBar;
class COwnerListCtrl;
class DataTableModel;
class DataTableView;
class OutputTables;

/// The output pane: the Origin, Processing and Depth tables of the core, one
/// tab each, as views over table models.
///
/// Its context-menu commands leave through commandTriggered(); after the core
/// has changed the tables, sync() shows the new cells and the tab the core
/// asks for (OutputTables::m_nActiveTab).
class COutputWnd : public QDockWidget {
    Q_OBJECT
public:
    explicit COutputWnd(OutputTables& tables, QWidget* parent = nullptr);
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

    /// While the core reads a file into the tables, the views show empty
    /// tables; sync() ends that.
    void beginDataUpdate();
    /// The views catch up with the tables; the tab follows the core.
    void sync();

Q_SIGNALS:
    void commandTriggered(int id);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildContextMenu();

    OutputTables& m_tables;
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
