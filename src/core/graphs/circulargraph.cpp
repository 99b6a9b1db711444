#include "circulargraph.h"

#include "datafile/columnrules.h"
#include "datafile/datatable.h"
#include "graphchecks.h"
#include "numbers.h"
#include "processing/filegroups.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

constexpr int kCell = 336;
constexpr int kColumns = 3;

}  // namespace

CircularGrid CircularGridOf(std::uint32_t count)
{
    CircularGrid grid;
    if (count == 0)
        return grid;
    grid.cells.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        grid.cells.push_back(
            {static_cast<int>(i % kColumns) * kCell, static_cast<int>(i / kColumns) * kCell, kCell, kCell});
    grid.scrollWidth = kColumns * kCell;
    grid.scrollHeight = static_cast<int>((count + 2) / kColumns * kCell + 1);
    return grid;
}

std::string CircularLabel(std::string_view title, double frequency, float lowest, float highest)
{
    const float ratio = highest / lowest;
    std::string label = FormatFixed(frequency, 1) + (Contains(title, "HZ") ? "Hz" : "m");
    label += "\nβ=";
    label += lowest == 0.0f || !std::isfinite(ratio) ? std::string("--") : FormatFixed(ratio, 2);
    return label;
}

CircularGraph CircularGraphData(const DataTable& processing, std::size_t depthColumns, int frequencyColumns)
{
    CircularGraph graph;
    if (processing.RowCount() < 4 || depthColumns == 0 || frequencyColumns < 1) {
        graph.title = FirstDocumentTitle(GraphKind::Circular);
        return graph;
    }
    const CircularGrid grid = CircularGridOf(static_cast<std::uint32_t>(frequencyColumns));
    graph.scrollWidth = grid.scrollWidth;
    graph.scrollHeight = grid.scrollHeight;
    graph.title = "File" + FormatInt(CAtoi(processing.Cell(0, 0))) + " circular Graph";
    for (std::size_t i = 0; i < processing.ColumnCount() && graph.charts.size() < grid.cells.size(); ++i) {
        const std::string_view title = processing.Title(i);
        if (!IsFrequencyTitle(title))
            continue;
        CircularChart chart;
        float lowest = 0, highest = 0;
        for (std::size_t r = 0; r < 4; ++r) {
            const float v = ReadingAt(processing, r, i);
            chart.values[r] = chart.values[r + 4] = v;
            lowest = r == 0 ? v : std::min(lowest, v);
            highest = r == 0 ? v : std::max(highest, v);
        }
        chart.label = CircularLabel(title, FrequencyFromTitle(title), lowest, highest);
        chart.cell = grid.cells[graph.charts.size()];
        graph.charts.push_back(std::move(chart));
    }
    return graph;
}

}  // namespace vantrel
