#pragma once

#include "circulargraph.h"
#include "contourlevels.h"
#include "graphkind.h"
#include "profilegraph.h"
#include "sectiongraph.h"

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

/// True for a graph without a chart or a cell to draw: a circular graph
/// without charts, a section without positions or heights. A profile always
/// draws its bands.
bool DrawsNothing(const Graph& graph);

}  // namespace vantrel
