#include "coutputwnd.h"

#include "commandmenu.h"

#include "app/commandids.h"
#include "coutputtoolbar.h"
#include "cownerlistctrl.h"
#include "datafile/outputtables.h"
#include "datatablemodel.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTabWidget>

namespace vantrel {

COutputWnd::COutputWnd(OutputTables& tables, QWidget* parent)
    : QDockWidget(parent)
    , m_tables(tables)
{
    setObjectName(QStringLiteral("OutputPane"));
    setWindowTitle(tr("Show Table"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("OutputTabs"));
    m_tabs->setTabPosition(QTabWidget::South);
    m_tabs->setDocumentMode(true);
    setWidget(m_tabs);

    // The toolbar sits under the tab control, which covers the whole pane.
    m_toolBar = new COutPutToolBar(m_tabs);
    m_toolBar->setGeometry(QRect(QPoint(0, 0), m_toolBar->sizeHint()));
    m_toolBar->lower();

    m_origin = new COwnerListCtrl(tables.m_marks, m_tabs);
    m_origin->setObjectName(QStringLiteral("OriginTable"));
    m_processing = new DataTableView(m_tabs);
    m_processing->setObjectName(QStringLiteral("ProcessingTable"));
    m_depth = new DataTableView(m_tabs);
    m_depth->setObjectName(QStringLiteral("DepthTable"));

    m_originModel = new DataTableModel(tables.m_origin, this);
    m_originModel->setMarks(&tables.m_marks);
    m_processingModel = new DataTableModel(tables.m_processing, this);
    m_depthModel = new DataTableModel(tables.m_depth, this);
    m_origin->setModel(m_originModel);
    m_processing->setModel(m_processingModel);
    m_depth->setModel(m_depthModel);

    m_tabs->addTab(m_origin, tr("Origin Data"));
    m_tabs->addTab(m_processing, tr("Data Processing"));
    m_tabs->addTab(m_depth, tr("Depth Data"));

    buildContextMenu();
}

COutputWnd::~COutputWnd() = default;

void COutputWnd::buildContextMenu()
{
    m_menu = BuildCommandMenu(this, QStringLiteral("OutputMenu"),
                              {{cmd::ID_OUTPUT_SEARCH_BAD_POINTS, tr("Bad Point Check")},
                               {cmd::ID_OUTPUT_CORRECT_BAD_POINTS, tr("Bad Point Correction")},
                               {cmd::ID_OUTPUT_DEPTH, tr("Depth Calculation")},
                               {},
                               {cmd::ID_OUTPUT_PLANE_GRAPH, tr("Plane Graph"), false}},
                              [this](int id) { Q_EMIT commandTriggered(id); });
}

void COutputWnd::beginDataUpdate()
{
    m_originModel->suspend();
    m_processingModel->suspend();
    m_depthModel->suspend();
}

void COutputWnd::sync()
{
    m_originModel->sync();
    m_processingModel->sync();
    m_depthModel->sync();
    const int tab = m_tables.m_nActiveTab;
    if (tab >= 0 && tab < m_tabs->count())
        m_tabs->setCurrentIndex(tab);
}

void COutputWnd::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint at = event->globalPos();
    if (event->reason() != QContextMenuEvent::Keyboard && !widget()->geometry().contains(event->pos())) {
        event->ignore();  // the title bar: the main window's menu of panes
        return;
    }
    if (event->reason() == QContextMenuEvent::Keyboard)
        at = m_tabs->currentWidget()->mapToGlobal(QPoint(0, 0));
    m_menu->popup(at);
    if (QWidget* current = m_tabs->currentWidget())
        current->setFocus(Qt::PopupFocusReason);
    event->accept();
}

}  // namespace vantrel
