#include "charts/graphdrawing.h"

#include "charts/cchildframe.h"
#include "common/commandids.h"
#include "common/prompter.h"
#include "charts/cdialog_pm.h"
#include "charts/cdialog_pmpm.h"
#include "charts/chartwindowwatcher.h"
#include "charts/cvantreldoc.h"
#include "charts/cvantrelview.h"
#include "charts/sectionchart.h"
#include "charts/sectionwindow.h"
#include "common/surveynotifier.h"
#include "overloaded.h"
#include "survey.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace vantrel {

namespace {

void drawProfile(const ProfileGraph& graph, CChildFrame& window, CVantrelView& view)
{
    window.setDocumentTitle(QString::fromStdString(graph.title));
    view.SetUpGraph(graph.kind, static_cast<std::uint32_t>(std::max(0, graph.bands)), window.documentTitle());
    if (CDialog_PMPM* chart = view.profileDialog())
        for (const ProfileCurve& curve : graph.curves)
            chart->DrawProfileCurve(curve);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

}  // namespace

void drawGraph(const Graph& graph, CChildFrame& window, CVantrelView& view)
{
    std::visit(Overloaded{[&](const ProfileGraph& g) { drawProfile(g, window, view); },
                          [&](const CircularGraph& g) {
                              if (g.charts.empty())
                                  return;
                              view.SetUpGraph(GraphKind::Circular,
                                              static_cast<std::uint32_t>(g.charts.size()), QString());
                              window.setDocumentTitle(QString::fromStdString(g.title));
                              for (std::size_t i = 0; i < g.charts.size(); ++i)
                                  if (CDialog_PM* chart = view.circularDialog(static_cast<int>(i)))
                                      chart->DrawCircularChart(g.charts[i].values,
                                                               QString::fromStdString(g.charts[i].label));
                          },
                          [&](const SectionGraph& g) {
                              window.setDocumentTitle(QString::fromStdString(g.title));
                              view.SetUpGraph(GraphKind::Section, 1, window.documentTitle());
                              if (SectionChart* chart = view.sectionChart())
                                  chart->setGraph(g);
                          }},
               graph);
}

CVantrelView* chartViewOf(CChildFrame& window, CommandRouter& router, Prompter& prompter,
                          const std::function<void(const QString&, int)>& showStatus)
{
    if (auto* view = qobject_cast<CVantrelView*>(window.view()))
        return view;
    auto* view = new CVantrelView(router, prompter);
    window.setView(view);
    if (showStatus)
        QObject::connect(view, &CVantrelView::statusInfo, view, showStatus);
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
    commands->add(
        cmd::ID_EXPORT_SECTION_GRID,
        [view = QPointer<CVantrelView>(view), &prompter] {
            if (!view || !view->sectionChart())
                return;
            const QString written = exportSectionGrid(*view->sectionChart(), prompter);
            if (!written.isEmpty())
                Q_EMIT view->statusInfo(written, 0);
        },
        [view = QPointer<CVantrelView>(view)] { return view && view->sectionChart(); });
    window.setShutdownHook([view = QPointer<CVantrelView>(view)] {
        if (view)
            view->PromptSaveGraph();
    });
    return view;
}

GraphDrawer installCharts(QMdiArea& area, CommandRouter& router, Prompter& prompter, SurveyNotifier& notifier,
                          std::function<void(const QString&, int)> showStatus)
{
    const auto viewOf = [&router, &prompter, showStatus](CChildFrame& window) {
        return chartViewOf(window, router, prompter, showStatus);
    };
    new ChartWindowWatcher(area, [viewOf](CChildFrame& window) { viewOf(window); });
    return [viewOf, &prompter, &notifier](GraphKind kind, const GraphOptions& options,
                                          const BuiltGraph& built, CChildFrame& window) {
        CVantrelView* view = viewOf(window);
        if (!built.Ok()) {
            prompter.message(QString::fromStdString(built.message));
            return;
        }
        drawGraph(built.graph, window, *view);
        // The section's file selector changes the file that Redraw draws too.
        auto kept = std::make_shared<GraphOptions>(options);
        offerSectionFiles(*view, window, notifier, kept);
        const auto redraw = [kind, kept, &notifier, window = QPointer<CChildFrame>(&window),
                             view = QPointer<CVantrelView>(view)] {
            if (!window || !view)
                return;
            // A survey that no longer gives the graph keeps the picture
            // the user has and says why.
            const BuiltGraph again = BuildGraph(kind, notifier.survey(), *kept);
            if (!again.Ok() || DrawsNothing(again.graph)) {
                const QString why = again.Ok() ? CVantrelView::tr("there is nothing to draw.")
                                               : QString::fromStdString(again.message);
                view->showOutOfDate(CVantrelView::tr("This chart cannot be drawn again: %1").arg(why));
                return;
            }
            view->ClearGraph();
            drawGraph(again.graph, *window, *view);
            offerSectionFiles(*view, *window, notifier, kept);
            view->markDrawn();
        };
        view->followSurvey(notifier, redraw);
    };
}

}  // namespace vantrel
