#include "panes/coutputwnd.h"

#include "panes/commandmenu.h"

#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/surveynotifier.h"
#include "panes/coutputtoolbar.h"
#include "panes/cownerlistctrl.h"
#include "datafile/outputtables.h"
#include "panes/datatablemodel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTabWidget>

namespace vantrel {

COutputWnd::COutputWnd(SurveyNotifier& notifier, QWidget* parent) : QDockWidget(parent), m_notifier(notifier)
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

    OutputTables& tables = notifier.survey().m_tables;
    m_origin = new COwnerListCtrl(m_tabs);
    m_origin->setObjectName(QStringLiteral("OriginTable"));
    m_processing = new DataTableView(m_tabs);
    m_processing->setObjectName(QStringLiteral("ProcessingTable"));
    m_depth = new DataTableView(m_tabs);
    m_depth->setObjectName(QStringLiteral("DepthTable"));

    m_originModel = new DataTableModel(tables.Origin(), &notifier.shown(), this);
    m_originModel->setMarks(&tables.Marks());
    m_processingModel = new DataTableModel(tables.Processing(), &notifier.shown(), this);
    m_depthModel = new DataTableModel(tables.Depth(), &notifier.shown(), this);
    m_origin->setModel(m_originModel);
    m_processing->setModel(m_processingModel);
    m_depth->setModel(m_depthModel);

    m_tabs->addTab(m_origin, tr("Origin Data"));
    m_tabs->addTab(m_processing, tr("Data Processing"));
    m_tabs->addTab(m_depth, tr("Depth Data"));

    buildContextMenu();

    m_tabs->setCurrentIndex(tables.ActiveTab());
    connect(m_tabs, &QTabWidget::currentChanged, &notifier, &SurveyNotifier::recordActiveTab);
    connect(&notifier, &SurveyNotifier::resetAboutToBegin, this, &COutputWnd::beginDataUpdate);
    connect(&notifier, &SurveyNotifier::tableChanged, this, &COutputWnd::syncTable);
    connect(&notifier, &SurveyNotifier::marksChanged, m_originModel, &DataTableModel::sync);
    connect(&notifier, &SurveyNotifier::activeTabRequested, this, [this](int tab) {
        if (tab >= 0 && tab < m_tabs->count())
            m_tabs->setCurrentIndex(tab);
    });
}

COutputWnd::~COutputWnd() = default;

void COutputWnd::buildContextMenu()
{
    m_menu = buildCommandMenu(this, QStringLiteral("OutputMenu"),
                              {{cmd::ID_OUTPUT_SEARCH_BAD_POINTS, tr("Bad Point Check")},
                               {cmd::ID_OUTPUT_CORRECT_BAD_POINTS, tr("Bad Point Correction")},
                               {cmd::ID_OUTPUT_DEPTH, tr("Depth Calculation")},
                               {},
                               {cmd::ID_OUTPUT_PLANE_GRAPH, tr("Plane Graph")}});
}

QList<QAction*> COutputWnd::commandActions() const
{
    QList<QAction*> list;
    for (QWidget* owner : {static_cast<QWidget*>(m_menu), static_cast<QWidget*>(m_toolBar)})
        for (QAction* a : owner->actions())
            if (!a->isSeparator() && a->data().toInt() != 0)
                list << a;
    return list;
}

void COutputWnd::registerCommands(CommandRouter& router)
{
    for (QAction* a : commandActions())
        router.addAction(a, this);
    router.watchMenu(m_menu);
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
}

DataTableModel* COutputWnd::model(int table) const
{
    switch (table) {
    case OutputTables::OriginTab: return m_originModel;
    case OutputTables::ProcessingTab: return m_processingModel;
    case OutputTables::DepthTab: return m_depthModel;
    default: return nullptr;
    }
}

void COutputWnd::syncTable(int table)
{
    if (DataTableModel* m = model(table))
        m->sync();
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
