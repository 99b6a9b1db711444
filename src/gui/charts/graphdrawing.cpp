#include "charts/graphdrawing.h"

#include "charts/cchildframe.h"
#include "charts/chartkinds.h"
#include "charts/chartwindowwatcher.h"
#include "charts/cvantreldoc.h"
#include "charts/cvantrelview.h"
#include "charts/sectionchart.h"
#include "charts/sectionwindow.h"
#include "common/commandids.h"
#include "common/prompter.h"
#include "common/surveynotifier.h"
#include "survey.h"

#include <QCoreApplication>
#include <QPointer>

namespace vantrel {

namespace {

// A graph of more bands or charts than a window can show is refused before
// anything is laid out: the layout would take minutes and show nothing
// readable. Empty when the graph can be drawn.
QString tooLargeText(const Graph& graph)
{
    const DrawingLoad load = DrawingLoadOf(graph);
    const ChartKind* kind = chartKindOf(graph);
    if (!load.TooLarge() || !kind || !kind->tooLarge)
        return {};
    QString text = QCoreApplication::translate("vantrel::CVantrelView", kind->tooLarge)
                       .arg(QString::number(load.limit), QString::number(load.count));
    // A kind that leaves frequencies out points to the one that shows them all.
    if (text.contains(QLatin1String("%3")))
        text = text.arg(CVantrelView::tr("The pseudo-section map shows every frequency."));
    return text;
}

}  // namespace

void drawGraph(const Graph& graph, CChildFrame& window, CVantrelView& view, const ColourMapOptions* colours)
{
    if (view.drawGraph(graph, colours))
        window.setDocumentTitle(
            std::visit([](const auto& g) { return QString::fromStdString(g.title); }, graph));
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
            if (!view || !qobject_cast<SectionChart*>(view->pane()))
                return;
            const QString written = exportSectionGrid(*qobject_cast<SectionChart*>(view->pane()), prompter);
            if (!written.isEmpty())
                Q_EMIT view->statusInfo(written, 0);
        },
        [view = QPointer<CVantrelView>(view)] { return view && qobject_cast<SectionChart*>(view->pane()); });
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
    return
        [viewOf, &prompter, &notifier](GraphKind kind, const GraphOptions& options, const BuiltGraph& built,
                                       CChildFrame& window, const ColourMapOptions* colours) {
            CVantrelView* view = viewOf(window);
            if (!built.Ok()) {
                prompter.message(QString::fromStdString(built.message));
                return;
            }
            if (const QString tooLarge = tooLargeText(built.graph); !tooLarge.isEmpty()) {
                prompter.message(tooLarge);
                return;
            }
            drawGraph(built.graph, window, *view, colours);
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
                const QString tooLarge = again.Ok() ? tooLargeText(again.graph) : QString();
                if (!again.Ok() || DrawsNothing(again.graph) || !tooLarge.isEmpty()) {
                    const QString why = !again.Ok() ? QString::fromStdString(again.message)
                        : !tooLarge.isEmpty()       ? tooLarge
                                                    : CVantrelView::tr("there is nothing to draw.");
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
