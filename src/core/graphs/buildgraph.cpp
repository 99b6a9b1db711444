#include "buildgraph.h"

#include "graphchecks.h"
#include "overloaded.h"
#include "survey.h"

#include <algorithm>

namespace vantrel {

namespace {

BuiltGraph Refused(BuiltGraph::Refusal refusal, std::string message)
{
    BuiltGraph built;
    built.refusal = refusal;
    built.message = std::move(message);
    return built;
}

}  // namespace

BuiltGraph BuildGraph(GraphKind kind, const Survey& survey, const GraphOptions& options)
{
    const int entry = options.frequencyEntry.value_or(survey.m_tree.CurrentFrequency());
    if (kind == GraphKind::None)
        return Refused(BuiltGraph::Refusal::Command, {});
    std::string refused =
        GraphCommandCheck(kind, survey.m_frame.DataSelected(), entry, survey.m_tree.Frequencies().size());
    if (!refused.empty())
        return Refused(BuiltGraph::Refusal::Command, std::move(refused));

    const OutputTables& t = survey.m_tables;
    BuiltGraph built;
    switch (kind) {
    case GraphKind::Vertical:
        built.graph = VerticalProfile(t.Depth(), t.ProcFreqColumns(), t.Settings().m_fVThreshold);
        break;
    case GraphKind::Plane: {
        const PlaneColumn column = PlaneProfileColumn(t.Processing(), t.FirstFreqColumn(), entry);
        if (!column.Ok())
            return Refused(BuiltGraph::Refusal::Graph, column.message);
        built.graph = PlaneProfile(t.Processing(), column.column, t.Settings().m_fPThreshold);
        break;
    }
    case GraphKind::Circular:
        built.graph = CircularGraphData(t.Processing(), t.Depth().ColumnCount(), t.ProcFreqColumns());
        break;
    case GraphKind::Section: {
        if (!options.sectionFile) {
            built.graph = PseudoSection(t.Depth());
            break;
        }
        // The files are listed only for a file without rows, to say which there are.
        const int file = *options.sectionFile;
        SectionGraph section = PseudoSection(t.Depth(), file);
        if (section.Empty()) {
            const std::vector<int> files = SectionFiles(t.Depth());
            if (std::find(files.begin(), files.end(), file) == files.end())
                return Refused(BuiltGraph::Refusal::Graph, NoSuchSectionFile(file, files));
        }
        built.graph = std::move(section);
        break;
    }
    case GraphKind::None: break;
    }
    return built;
}

GraphKind KindOf(const Graph& graph)
{
    return std::visit(Overloaded{[](const ProfileGraph& g) { return g.kind; },
                                 [](const CircularGraph&) { return GraphKind::Circular; },
                                 [](const SectionGraph&) { return GraphKind::Section; }},
                      graph);
}

DrawingLoad DrawingLoadOf(const Graph& graph)
{
    return std::visit(
        Overloaded{[](const ProfileGraph& g) {
                       return DrawingLoad{static_cast<std::size_t>(std::max(0, g.bands)), kMaxProfileBands};
                   },
                   [](const CircularGraph& g) {
                       return DrawingLoad{g.charts.size(), kMaxCircularCharts};
                   },
                   [](const SectionGraph&) {
                       return DrawingLoad{0, 1};
                   }},
        graph);
}

std::string TooLargeToDraw(const Graph& graph)
{
    const DrawingLoad load = DrawingLoadOf(graph);
    if (!load.TooLarge())
        return {};
    const std::string most =
        std::to_string(load.limit) + "; this one has " + std::to_string(load.count) + ".";
    const std::string everyFrequency = " The pseudo-section map shows every frequency.";
    switch (KindOf(graph)) {
    case GraphKind::Plane:
        return "The plane profile stacks one band per file and draws at most " + most +
            " Choose fewer files with Choose Data.";
    case GraphKind::Vertical:
        return "The vertical profile stacks one band per frequency and draws at most " + most +
            everyFrequency;
    default: return "The circular graph draws one chart per frequency and at most " + most + everyFrequency;
    }
}

bool DrawsNothing(const Graph& graph)
{
    return std::visit(Overloaded{[](const ProfileGraph&) { return false; },
                                 [](const CircularGraph& g) { return g.charts.empty(); },
                                 [](const SectionGraph& g) { return g.Empty(); }},
                      graph);
}

}  // namespace vantrel
