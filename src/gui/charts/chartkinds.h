#pragma once

#include "graphs/buildgraph.h"
#include "graphs/graphkind.h"

#include <QString>

#include <span>
#include <string_view>

namespace vantrel {

class ChartPane;

/// The parts of the survey a graph is made of: a window drawn from them is
/// out of date when one of them changes.
struct ChartSource {
    bool processing = false;  ///< the Processing table
    bool depth = false;       ///< the Depth table
    bool settings = false;    ///< the processing settings
};

/// One kind of chart window of the desktop: the graph it shows, the command
/// that opens it, the window's first title, what the graph is made of, and
/// the pane that shows it (in a window, in print and in pictures).
struct ChartKind {
    GraphKind kind;
    int commandId;
    const char* title;  ///< untranslated; see chartWindowTitle()
    ChartSource drawnFrom;
    /// A new, empty pane of the kind, without a parent.
    ChartPane* (*makePane)();
    /// Why a graph of more bands or charts than its limit (DrawingLoadOf) is
    /// not drawn: "%1" the limit, "%2" the count, "%3" where the pseudo-section
    /// is offered instead; untranslated (context vantrel::CVantrelView),
    /// nullptr for a kind without a limit.
    const char* tooLarge = nullptr;

    /// The kind's name on the command line and in saved work ("vertical", ...).
    std::string_view name() const { return GraphKindName(kind); }
};

/// Every chart kind, in the order of the graph commands.
std::span<const ChartKind> chartKinds();
/// The row of the graph command `commandId`, nullptr for another command.
const ChartKind* chartKindOfCommand(int commandId);
/// The row of `kind`, nullptr for GraphKind::None.
const ChartKind* chartKindOf(GraphKind kind);
/// The first title of a new window of the kind, in the interface language.
QString chartWindowTitle(const ChartKind& kind);
/// The row of the graph's kind; never nullptr for a graph BuildGraph made.
const ChartKind* chartKindOf(const Graph& graph);

}  // namespace vantrel
