#pragma once

#include "graphs/buildgraph.h"

#include <QString>

#include <functional>

class QMdiArea;

namespace vantrel {

class CChildFrame;
class CommandRouter;
class CVantrelView;
struct ColourMapOptions;
class Prompter;
class SurveyNotifier;

/// Draws a graph into a chart window whose view has none yet
/// (CVantrelView::drawGraph) and gives the window the graph's title. A
/// circular graph without charts leaves the window as it was. A colour map
/// is drawn by `colours` when given.
void drawGraph(const Graph& graph, CChildFrame& window, CVantrelView& view,
               const ColourMapOptions* colours = nullptr);

/// The chart view and document of a chart window, made when it has none; a
/// view made here sends its status texts to `showStatus`.
CVantrelView* chartViewOf(CChildFrame& window, CommandRouter& router, Prompter& prompter,
                          const std::function<void(const QString&, int)>& showStatus = {});

/// Draws a graph the graph command built of the survey (of `kind`, with
/// `options`; a colour map by `colours` when not null) into a new chart
/// window; a graph the survey refused says why through the prompter and
/// leaves the window empty.
using GraphDrawer = std::function<void(GraphKind kind, const GraphOptions& options, const BuiltGraph& built,
                                       CChildFrame& window, const ColourMapOptions* colours)>;

/// Gives every chart window of `area` its document and view, and returns
/// what the graph commands draw with. The windows drawn follow the
/// notifier's survey (CVantrelView::followSurvey): Redraw builds the graph
/// of the same kind and options again. Their views' status texts go to
/// `showStatus`.
GraphDrawer installCharts(QMdiArea& area, CommandRouter& router, Prompter& prompter, SurveyNotifier& notifier,
                          std::function<void(const QString&, int)> showStatus);

}  // namespace vantrel
