#pragma once

#include "circulargraph.h"
#include "contourlevels.h"
#include "graphkind.h"
#include "profilegraph.h"
#include "sectiongraph.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

namespace vantrel {

struct Survey;

/// Any graph a chart window or a picture shows.
using Graph = std::variant<ProfileGraph, CircularGraph, SectionGraph>;

/// What a graph takes beyond the survey's tables. Each kind reads only its
/// own options, so a caller can keep one set for every kind.
struct GraphOptions {
    /// The frequency selector's entry the plane profile shows; unset, the
    /// survey's current entry.
    std::optional<int> frequencyEntry;
    /// The file of the Depth table the section shows; unset, the first.
    std::optional<int> sectionFile;
    /// The contour lines over the section.
    ContourChoice contours;
};

/// A graph built from a survey, or why there is none.
struct BuiltGraph {
    enum class Refusal {
        None,     ///< built
        Command,  ///< the graph command stops before a window opens ("Please choose data!")
        Graph,    ///< the graph itself cannot be made ("No valid data address found!", ...)
    };
    Graph graph;
    Refusal refusal = Refusal::None;
    std::string message;  ///< the refusal's text, empty when built

    bool Ok() const { return refusal == Refusal::None; }
};

/// Builds the graph of `kind` from the survey as the graph command draws it:
/// the command's check first (chosen data; for the plane profile a frequency
/// entry), then the graph's own (the plane profile's column). A graph that
/// is built may still draw nothing (see DrawsNothing). `kind` None builds
/// nothing and is refused as a command.
BuiltGraph BuildGraph(GraphKind kind, const Survey& survey, const GraphOptions& options = {});

GraphKind KindOf(const Graph& graph);

/// The most bands a profile stacks and the most charts a circular graph
/// holds. Beyond them a chart of the plot's height shows less than a pixel
/// or two per band, and laying out or painting the picture takes far longer
/// than a user waits for a graph.
inline constexpr std::size_t kMaxProfileBands = 500;
inline constexpr std::size_t kMaxCircularCharts = 150;

/// How many bands (profiles) or charts (circular graph) a graph lays out,
/// and the most it may. A section has no such limit.
struct DrawingLoad {
    std::size_t count = 0;
    std::size_t limit = 0;

    bool TooLarge() const { return count > limit; }
};

DrawingLoad DrawingLoadOf(const Graph& graph);

/// Why `graph` is too large to draw (more bands or charts than the limits
/// above), in words that say what to do instead; empty when it can be drawn.
/// Its data (`--graph-data`) is still whole: only drawing is refused.
std::string TooLargeToDraw(const Graph& graph);

/// True for a graph without a chart or a cell to draw: a circular graph
/// without charts, a section without positions or heights. A profile always
/// draws its bands.
bool DrawsNothing(const Graph& graph);

}  // namespace vantrel
