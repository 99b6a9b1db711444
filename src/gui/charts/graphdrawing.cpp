#include "charts/graphdrawing.h"

#include "charts/cchildframe.h"
#include "common/commandids.h"
#include "common/prompter.h"
#include "charts/cdialog_pm.h"
#include "charts/cdialog_pmpm.h"
#include "charts/chartwindowwatcher.h"
#include "charts/cvantreldoc.h"
#include "charts/cvantrelview.h"
#include "graphs/buildgraph.h"
#include "graphs/circulargraph.h"
#include "graphs/graphchecks.h"
#include "graphs/profilegraph.h"
#include "graphs/sectiongraph.h"
#include "charts/sectionchart.h"
#include "survey.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace vantrel {

namespace {

// A graph of more bands or charts than a window can show is refused before
// anything is laid out: the layout would take minutes and show nothing readable.
bool refusedAsTooLarge(const Graph& graph, Prompter& prompter)
{
    const std::string message = TooLargeToDraw(graph);
    if (!message.empty())
        prompter.message(QString::fromStdString(message));
    return !message.empty();
}

void drawProfile(const ProfileGraph& graph, CChildFrame& window, CVantrelView& view, Prompter& prompter)
{
    if (refusedAsTooLarge(graph, prompter))
        return;
    window.setDocumentTitle(QString::fromStdString(graph.title));
    view.SetUpGraph(graph.kind, static_cast<std::uint32_t>(std::max(0, graph.bands)), window.documentTitle());
    if (CDialog_PMPM* chart = view.profileDialog())
        for (const ProfileCurve& curve : graph.curves)
            chart->DrawProfileCurve(curve);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

}  // namespace

void drawGraph(GraphKind kind, const Survey& survey, CChildFrame& window, CVantrelView& view,
               Prompter& prompter)
{
    if (!survey.m_frame.HasOpenFile())
        return;
    const OutputTables& t = survey.m_tables;
    switch (kind) {
    case GraphKind::Vertical:
        drawProfile(VerticalProfile(t.Depth(), t.ProcFreqColumns(), t.Settings().m_fVThreshold), window, view,
                    prompter);
        break;
    case GraphKind::Plane: {
        const PlaneColumn column =
            PlaneProfileColumn(t.Processing(), t.FirstFreqColumn(), survey.m_tree.CurrentFrequency());
        if (!column.Ok()) {
            prompter.message(QString::fromStdString(column.message));
            return;
        }
        drawProfile(PlaneProfile(t.Processing(), column.column, t.Settings().m_fPThreshold), window, view,
                    prompter);
        break;
    }
    case GraphKind::Circular: {
        const CircularGraph graph =
            CircularGraphData(t.Processing(), t.Depth().ColumnCount(), t.ProcFreqColumns());
        if (graph.charts.empty() || refusedAsTooLarge(graph, prompter))
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

CVantrelView* chartViewOf(CChildFrame& window, CommandRouter& router, Prompter& prompter)
{
    if (auto* view = qobject_cast<CVantrelView*>(window.view()))
        return view;
    auto* view = new CVantrelView(router, prompter);
    window.setView(view);
    new CVantrelDoc(window, router);
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

GraphDrawer installCharts(QMdiArea& area, CommandRouter& router, Prompter& prompter, const Survey& survey)
{
    new ChartWindowWatcher(
        area, [&router, &prompter](CChildFrame& window) { chartViewOf(window, router, prompter); });
    return [&router, &prompter, &survey](GraphKind kind, CChildFrame& window) {
        drawGraph(kind, survey, window, *chartViewOf(window, router, prompter), prompter);
    };
}

}  // namespace vantrel
