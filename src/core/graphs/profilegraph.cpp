#include "profilegraph.h"

#include "datafile/datatable.h"
#include "numbers.h"
#include "processing/filegroups.h"
#include "threads/twothreads.h"
#include "rowsoffile.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <optional>
#include <vector>

namespace vantrel {

namespace {

std::optional<std::size_t> ColumnTitled(const DataTable& table, std::string_view title)
{
    const auto& titles = table.Titles();
    const auto it = std::find(titles.begin(), titles.end(), title);
    if (it == titles.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - titles.begin());
}

void SizeBands(ProfileGraph& graph, int wanted)
{
    graph.bands = std::max(wanted, static_cast<int>(graph.curves.size()));
    graph.axes = StackAxes(graph.bands);
}

}  // namespace

ProfileGraph VerticalProfile(const DataTable& depth, int frequencyColumns, float threshold)
{
    ProfileGraph graph;
    graph.kind = GraphKind::Vertical;
    const int file = CAtoi(depth.Cell(0, 0));
    graph.title = "File" + FormatInt(file) + " Vertical Profile Graph";

    const auto heightColumn = ColumnTitled(depth, "Height(H)");
    const auto valueColumn = ColumnTitled(depth, "Value(V)");
    if (heightColumn && valueColumn && depth.RowCount() > 0) {
        const std::vector<std::size_t> rows = RowsOfFile(depth, file);
        // One curve per run of equal heights, in table order: the runs are
        // found here, their readings read and their curves worked out on two
        // threads.
        struct Run {
            float height;
            std::size_t begin, end;  // in `rows`
        };
        std::vector<Run> runs;
        Run run{static_cast<float>(CAtof(depth.Cell(0, *heightColumn))), 0, 0};
        // A band's rows share their height's text: it is read once a band.
        TextStore::Ref heightRef = depth.RefAt(0, *heightColumn);
        double rowHeight = CAtof(depth.Cell(0, *heightColumn));
        for (std::size_t k = 0; k < rows.size(); ++k) {
            if (const TextStore::Ref ref = depth.RefAt(rows[k], *heightColumn); ref != heightRef) {
                heightRef = ref;
                rowHeight = CAtof(depth.Cell(rows[k], *heightColumn));
            }
            if (!(std::fabs(run.height - rowHeight) < 0.01)) {
                run.end = k;
                runs.push_back(run);
                run = Run{static_cast<float>(rowHeight), k, k};
            }
        }
        run.end = rows.size();
        if (run.end > run.begin)
            runs.push_back(run);
        graph.curves.resize(runs.size());
        ForEachOnTwoThreads(runs.size(), [&](std::size_t i) {
            std::vector<float> x, y;
            x.reserve(runs[i].end - runs[i].begin);
            y.reserve(runs[i].end - runs[i].begin);
            for (std::size_t k = runs[i].begin; k < runs[i].end; ++k) {
                x.push_back(ReadingAt(depth, rows[k], 1));
                y.push_back(ReadingAt(depth, rows[k], *valueColumn));
            }
            graph.curves[i] = DrawProfileCurve(static_cast<int>(i), runs[i].height, x, y, threshold);
        });
    }
    SizeBands(graph, frequencyColumns);
    return graph;
}

ProfileGraph PlaneProfile(const DataTable& processing, std::size_t column, float threshold)
{
    ProfileGraph graph;
    graph.kind = GraphKind::Plane;
    graph.title = std::string(processing.Title(column)) + " Plane Profile Graph";
    std::vector<float> x, y;
    for (const FileGroup& group : FileGroups(processing)) {
        x.clear();
        y.clear();
        for (std::size_t r = group.begin; r < group.end; ++r) {
            x.push_back(ReadingAt(processing, r, 1));
            y.push_back(ReadingAt(processing, r, column));
        }
        graph.curves.push_back(
            DrawProfileCurve(static_cast<int>(graph.curves.size()), 0.0f, x, y, threshold));
    }
    SizeBands(graph, static_cast<int>(graph.curves.size()));
    return graph;
}

}  // namespace vantrel
