#include "graphdrawing.h"

#include "app/cchildframe.h"
#include "app/cmainframe.h"
#include "common/commandids.h"
#include "common/prompter.h"
#include "cdialog_pm.h"
#include "cdialog_pmpm.h"
#include "chartwindowwatcher.h"
#include "cvantreldoc.h"
#include "cvantrelview.h"
#include "graphs/circulargraph.h"
#include "graphs/graphchecks.h"
#include "graphs/profilegraph.h"
#include "graphs/sectiongraph.h"
#include "sectionchart.h"
#include "survey.h"

#include <QMdiArea>
#include <QPointer>

#include <algorithm>

#include <QCoreApplication>

namespace vantrel {

namespace {

void DrawProfile(const ProfileGraph& graph, CChildFrame& window, CVantrelView& view)
{
    window.setDocumentTitle(QString::fromStdString(graph.title));
    view.SetUpGraph(graph.kind, static_cast<std::uint32_t>(std::max(0, graph.bands)), window.documentTitle());
    if (CDialog_PMPM* chart = view.profileDialog())
        for (const ProfileCurve& curve : graph.curves)
            chart->DrawProfileCurve(curve);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

}  // namespace

void DrawGraph(GraphKind kind, const Survey& survey, CChildFrame& window, CVantrelView& view,
               Prompter& prompter)
{
    if (!survey.m_frame.HasOpenFile())
        return;
    const OutputTables& t = survey.m_tables;
    switch (kind) {
    case GraphKind::Vertical:
        DrawProfile(VerticalProfile(t.Depth(), t.ProcFreqColumns(), t.Settings().m_fVThreshold), window,
                    view);
        break;
    case GraphKind::Plane: {
        const PlaneColumn column =
            PlaneProfileColumn(t.Processing(), t.FirstFreqColumn(), survey.m_tree.CurrentFrequency());
        if (!column.Ok()) {
            prompter.message(QString::fromStdString(column.message));
            return;
        }
        DrawProfile(PlaneProfile(t.Processing(), column.column, t.Settings().m_fPThreshold), window, view);
        break;
    }
    case GraphKind::Circular: {
        const CircularGraph graph =
            CircularGraphData(t.Processing(), t.Depth().ColumnCount(), t.ProcFreqColumns());
        if (graph.charts.empty())
            return;
        view.SetUpGraph(GraphKind::Circular, static_cast<std::uint32_t>(t.ProcFreqColumns()), QString());
        window.setDocumentTitle(QString::fromStdString(graph.title));
        for (std::size_t g = 0; g < graph.charts.size(); ++g)
            if (CDialog_PM* chart = view.circularDialog(static_cast<int>(g)))
                chart->DrawCircularChart(graph.charts[g].values,
                                         QString::fromStdString(graph.charts[g].label));
        break;
    }
    case GraphKind::Section: {
        const SectionGraph graph = PseudoSection(t.Depth());
        window.setDocumentTitle(QString::fromStdString(graph.title));
        view.SetUpGraph(GraphKind::Section, 1, window.documentTitle());
        if (SectionChart* chart = view.sectionChart())
            chart->setGraph(graph);
        break;
    }
    case GraphKind::None: break;
    }
}

CVantrelView* ChartViewOf(CChildFrame& window, CMainFrame& frame)
{
    if (auto* view = qobject_cast<CVantrelView*>(window.view()))
        return view;
    auto* view = new CVantrelView;
    window.setView(view);
    new CVantrelDoc(window, *frame.router());
    // The view answers Print and Save Picture for its window before the
    // main frame does.
    CommandMap* commands = window.commands(CommandRouter::Level::View);
    commands->add(cmd::ID_PRINT_PICTURE, [view = QPointer<CVantrelView>(view)] {
        if (view)
            view->PrintGraph();
    });
    commands->add(cmd::ID_SAVE_PICTURE, [view = QPointer<CVantrelView>(view)] {
        if (view)
            view->OnSavePicture();
    });
    window.setShutdownHook([view = QPointer<CVantrelView>(view)] {
        if (view)
            view->PromptSaveGraph();
    });
    return view;
}

void InstallCharts(CMainFrame& frame)
{
    new ChartWindowWatcher(frame);
    frame.setGraphDrawer([&frame](int kind, CChildFrame* window) {
        if (!window)
            return;
        CVantrelView* view = ChartViewOf(*window, frame);
        DrawGraph(static_cast<GraphKind>(kind), frame.survey(), *window, *view, frame.prompter());
    });
}

}  // namespace vantrel
