#pragma once

#include "graphs/graphkind.h"

namespace vantrel {

class CChildFrame;
class CMainFrame;
class CVantrelView;
class Prompter;
struct Survey;

/// Draws a graph of the survey's tables into a new chart window: sets the
/// window's title, sets up its view and hands each curve or circular chart
/// its numbers. Nothing happens before a file's header was read; the plane
/// profile's column check speaks through the prompter.
void DrawGraph(GraphKind kind, const Survey& survey, CChildFrame& window, CVantrelView& view,
               Prompter& prompter);

/// The chart view and document of a chart window, made when it has none.
CVantrelView* ChartViewOf(CChildFrame& window, CMainFrame& frame);

/// Gives every chart window of the frame its document and view and makes
/// the graph commands draw.
void InstallCharts(CMainFrame& frame);

}  // namespace vantrel
