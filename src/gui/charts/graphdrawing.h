#pragma once

#include "graphs/graphkind.h"

#include <functional>

class QMdiArea;

namespace vantrel {

class CChildFrame;
class CommandRouter;
class CVantrelView;
class Prompter;
struct Survey;

/// Draws a graph of the survey's tables into a new chart window: sets the
/// window's title, sets up its view and hands each curve or circular chart
/// its numbers. Nothing happens before a file's header was read; the plane
/// profile's column check speaks through the prompter.
void drawGraph(GraphKind kind, const Survey& survey, CChildFrame& window, CVantrelView& view,
               Prompter& prompter);

/// The chart view and document of a chart window, made when it has none.
CVantrelView* chartViewOf(CChildFrame& window, CommandRouter& router, Prompter& prompter);

/// Draws a graph of the survey into a new chart window.
using GraphDrawer = std::function<void(GraphKind kind, CChildFrame& window)>;

/// Gives every chart window of `area` its document and view, and returns
/// what the graph commands draw with.
GraphDrawer installCharts(QMdiArea& area, CommandRouter& router, Prompter& prompter, const Survey& survey);

}  // namespace vantrel
