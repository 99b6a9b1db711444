#include "sectiongraph.h"

#include "datafile/datatable.h"
#include "numbers.h"
#include "threads/twothreads.h"
#include "rowsoffile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace vantrel {

namespace {

constexpr float kNoReading = std::numeric_limits<float>::quiet_NaN();

std::optional<std::size_t> ColumnTitled(const DataTable& table, std::string_view title)
{
    const auto& titles = table.Titles();
    const auto it = std::find(titles.begin(), titles.end(), title);
    if (it == titles.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - titles.begin());
}

std::string_view TrimmedFront(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

/// The number a cell starts with, or nothing when it starts with none (an
/// empty cell, a word) or the number is not finite.
std::optional<double> LeadingNumber(std::string_view text)
{
    std::string_view t = TrimmedFront(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    const auto digit = [&](std::size_t k) { return k < t.size() && t[k] >= '0' && t[k] <= '9'; };
    if (!digit(i) && !(i < t.size() && t[i] == '.' && digit(i + 1)))
        return std::nullopt;
    const double v = CAtof(t);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

/// A depth column's title copied as the height ("12-5"): unsigned, with a
/// '-' after its leading number that is not an exponent's sign.
bool IsTitleHeight(std::string_view text)
{
    const std::string_view t = TrimmedFront(text);
    if (t.empty() || t.front() == '-' || t.front() == '+')
        return false;
    for (std::size_t i = 1; i < t.size(); ++i)
        if (t[i] == '-' && t[i - 1] != 'e' && t[i - 1] != 'E')
            return true;
    return false;
}

std::optional<float> HeightOf(std::string_view cell)
{
    const std::optional<double> v = LeadingNumber(cell);
    if (!v)
        return std::nullopt;
    return static_cast<float>(IsTitleHeight(cell) ? -*v : *v);
}

struct DistinctHeight {
    float value;
    std::size_t firstRow;
    std::size_t group = 0;
};

}  // namespace

SectionGraph PseudoSection(const DataTable& depth)
{
    return PseudoSection(depth, CAtoi(depth.Cell(0, 0)));
}

SectionGraph PseudoSection(const DataTable& depth, int file)
{
    SectionGraph graph;
    graph.file = file;
    graph.title = "File" + FormatInt(file) + " Pseudo-section";
    const auto heightColumn = ColumnTitled(depth, "Height(H)");
    const auto valueColumn = ColumnTitled(depth, "Value(V)");
    if (!heightColumn || !valueColumn)
        return graph;
    graph.valueTitle = depth.Title(*valueColumn);

    struct Reading {
        float x;
        float height;
        float value;
    };
    std::vector<Reading> readings;
    std::vector<DistinctHeight> distinct;
    std::size_t lastHit = 0;
    for (const std::size_t r : RowsOfFile(depth, file)) {
        const std::optional<float> height = HeightOf(depth.Cell(r, *heightColumn));
        const std::optional<double> value = LeadingNumber(depth.Cell(r, *valueColumn));
        const std::optional<double> x = LeadingNumber(depth.Cell(r, 1));
        if (!height || !value || !x) {
            ++graph.skippedRows;
            continue;
        }
        readings.push_back({static_cast<float>(*x), *height, static_cast<float>(*value)});
        // A file has a few heights, each in long runs: the last one found is
        // nearly always the one.
        if (lastHit < distinct.size() && distinct[lastHit].value == *height)
            continue;
        const auto it = std::find_if(distinct.begin(), distinct.end(),
                                     [&](const DistinctHeight& d) { return d.value == *height; });
        if (it != distinct.end()) {
            lastHit = static_cast<std::size_t>(it - distinct.begin());
        } else {
            lastHit = distinct.size();
            distinct.push_back({*height, r});
        }
    }
    if (readings.empty())
        return graph;

    // Group the heights from shallow to deep; a group takes every height
    // within 0.01 of its shallowest one and is named by its first in the table.
    std::sort(distinct.begin(), distinct.end(),
              [](const DistinctHeight& a, const DistinctHeight& b) { return a.value > b.value; });
    std::vector<std::size_t> namedBy;
    float groupStart = 0;
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        if (i == 0 || !(std::fabs(groupStart - distinct[i].value) < 0.01f)) {
            groupStart = distinct[i].value;
            namedBy.push_back(i);
        } else if (distinct[i].firstRow < distinct[namedBy.back()].firstRow) {
            namedBy.back() = i;
        }
        distinct[i].group = namedBy.size() - 1;
    }
    for (std::size_t index : namedBy) {
        graph.heights.push_back(distinct[index].value);
        graph.depths.push_back(0.0f - distinct[index].value);  // 0 stays 0, not -0
    }
    // Looked up by value from here on, so ascending.
    std::sort(distinct.begin(), distinct.end(),
              [](const DistinctHeight& a, const DistinctHeight& b) { return a.value < b.value; });

    graph.x.reserve(readings.size());
    for (const Reading& r : readings)
        graph.x.push_back(r.x);
    std::sort(graph.x.begin(), graph.x.end());
    graph.x.erase(std::unique(graph.x.begin(), graph.x.end()), graph.x.end());

    const std::size_t cells = graph.x.size() * graph.heights.size();
    std::vector<double> sums(cells, 0.0);
    std::vector<std::uint32_t> counts(cells, 0);
    for (const Reading& r : readings) {
        const auto h = std::lower_bound(distinct.begin(), distinct.end(), r.height,
                                        [](const DistinctHeight& d, float v) { return d.value < v; });
        const auto p = std::lower_bound(graph.x.begin(), graph.x.end(), r.x);
        const std::size_t cell = h->group * graph.x.size() + static_cast<std::size_t>(p - graph.x.begin());
        sums[cell] += r.value;
        ++counts[cell];
    }
    graph.values.resize(cells);
    for (std::size_t c = 0; c < cells; ++c)
        graph.values[c] = counts[c] > 0 ? static_cast<float>(sums[c] / counts[c]) : kNoReading;
    return graph;
}

std::vector<int> SectionFiles(const DataTable& depth)
{
    const std::size_t columns = depth.ColumnCount();
    const std::size_t rows = depth.RowCount();
    if (columns == 0 || rows == 0)
        return {};
    // Each piece lists its files in the order met; joined in piece order, the
    // first of each is where it first occurs in the table.
    const std::size_t pieces = std::min<std::size_t>(8, rows);
    std::vector<std::vector<int>> found(pieces);
    const auto& refs = depth.Refs();
    ForEachOnTwoThreads(pieces, [&](std::size_t p) {
        std::vector<int>& files = found[p];
        // Rows come in long runs of one file, and a depth table often repeats
        // one reference for every row of a processing row: the last answer is kept.
        const std::size_t begin = rows * p / pieces;
        const std::size_t end = rows * (p + 1) / pieces;
        TextStore::Ref last = 0;
        int lastFile = 0;
        for (std::size_t r = begin; r < end; ++r) {
            const TextStore::Ref ref = refs[r * columns];
            if (r > begin && ref == last)
                continue;
            last = ref;
            const int file = CAtoi(depth.Store().Text(ref));
            if (r > begin && file == lastFile)
                continue;
            lastFile = file;
            if (std::find(files.begin(), files.end(), file) == files.end())
                files.push_back(file);
        }
    });
    std::vector<int> files;
    for (const std::vector<int>& piece : found)
        for (const int file : piece)
            if (std::find(files.begin(), files.end(), file) == files.end())
                files.push_back(file);
    return files;
}

std::string NoSuchSectionFile(int file, const std::vector<int>& files)
{
    if (files.empty())
        return "The depth table holds no file yet: calculate the depth data first.";
    std::string list;
    for (std::size_t i = 0; i < files.size(); ++i)
        list += (i == 0 ? "" : i + 1 == files.size() ? " and " : ", ") + FormatInt(files[i]);
    return "The depth table has no file " + FormatInt(file) +
        (files.size() == 1 ? "; its file is " : "; its files are ") + list + ".";
}

ReadingRange SectionReadingRange(const DataTable& depth)
{
    const auto valueColumn = ColumnTitled(depth, "Value(V)");
    if (!valueColumn)
        return {};
    const std::size_t rows = depth.RowCount();
    const std::size_t pieces = std::min<std::size_t>(8, std::max<std::size_t>(rows, 1));
    std::vector<ReadingRange> found(pieces);
    const std::size_t columns = depth.ColumnCount();
    const auto& refs = depth.Refs();
    const TextStore& store = depth.Store();
    ForEachOnTwoThreads(pieces, [&](std::size_t p) {
        ReadingRange& range = found[p];
        const std::size_t end = rows * (p + 1) / pieces;
        for (std::size_t r = rows * p / pieces; r < end; ++r) {
            // The texts lie in the order of the processing table, not of these
            // rows: fetching ahead keeps the walk from waiting on memory.
            constexpr std::size_t kAhead = 16;
            if (r + kAhead < end)
                store.Prefetch(refs[(r + kAhead) * columns + *valueColumn]);
            const std::optional<double> v = LeadingNumber(store.Text(refs[r * columns + *valueColumn]));
            if (!v)
                continue;
            const float f = static_cast<float>(*v);
            range.lower = range.any ? std::min(range.lower, f) : f;
            range.upper = range.any ? std::max(range.upper, f) : f;
            range.any = true;
        }
    });
    ReadingRange all;
    for (const ReadingRange& range : found) {
        if (!range.any)
            continue;
        all.lower = all.any ? std::min(all.lower, range.lower) : range.lower;
        all.upper = all.any ? std::max(all.upper, range.upper) : range.upper;
        all.any = true;
    }
    return all;
}

std::vector<double> CellEdges(const std::vector<double>& centres)
{
    const std::size_t n = centres.size();
    std::vector<double> edges;
    if (n == 0)
        return edges;
    if (n == 1)
        return {centres[0] - 0.5, centres[0] + 0.5};
    edges.reserve(n + 1);
    edges.push_back(centres[0] - (centres[1] - centres[0]) / 2);
    for (std::size_t i = 1; i < n; ++i)
        edges.push_back((centres[i - 1] + centres[i]) / 2);
    edges.push_back(centres[n - 1] + (centres[n - 1] - centres[n - 2]) / 2);
    return edges;
}

namespace {

constexpr int kSmoothRows = 512;   // rows at least of a section blended between heights
constexpr double kFewCells = 256;  // cells at least across a small section, when the limits allow

int FineCells(const std::vector<double>& edges, int maxCells)
{
    const std::size_t count = edges.size() - 1;
    double narrowest = std::numeric_limits<double>::infinity();
    double widest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        narrowest = std::min(narrowest, edges[i + 1] - edges[i]);
        widest = std::max(widest, edges[i + 1] - edges[i]);
    }
    const double span = edges.back() - edges.front();
    const double limit = std::max(1, maxCells);
    const double n = static_cast<double>(count);
    if (widest - narrowest > 1e-9 * widest && narrowest > 0)
        return static_cast<int>(std::clamp(std::max(std::ceil(2 * span / narrowest), kFewCells), 1.0, limit));
    // Even bands: a whole number of cells each, so band edges stay cell edges
    // (pictures whose viewer smooths the cells stay sharp at the bands).
    const double each = std::max(1.0, std::min(std::ceil(kFewCells / n), std::floor(limit / n)));
    return static_cast<int>(std::clamp(n * each, 1.0, limit));
}

/// The cell of `edges` holding `v`, the outermost ones for values beyond.
std::size_t CellOf(const std::vector<double>& edges, double v)
{
    const auto it = std::upper_bound(edges.begin(), edges.end(), v);
    const std::size_t i = it == edges.begin() ? 0 : static_cast<std::size_t>(it - edges.begin()) - 1;
    return std::min(i, edges.size() - 2);
}

}  // namespace

SectionRaster RasterizeSection(const SectionGraph& graph, bool interpolate, int maxColumns, int maxRows)
{
    SectionRaster raster;
    if (graph.Empty())
        return raster;
    const std::size_t positions = graph.x.size();
    const std::size_t heights = graph.heights.size();
    const std::vector<double> xs(graph.x.begin(), graph.x.end());
    const std::vector<double> ys(graph.heights.rbegin(), graph.heights.rend());  // deep to shallow
    const std::vector<double> xEdges = CellEdges(xs);
    std::vector<double> yEdges = CellEdges(ys);
    // A section below the surface does not reach above it.
    if (ys.back() < 0 && yEdges.back() > 0)
        yEdges.back() = 0;
    raster.columns = FineCells(xEdges, maxColumns);
    raster.rows = FineCells(yEdges, maxRows);
    if (interpolate && heights > 1)
        raster.rows = std::max(raster.rows, std::min(kSmoothRows, maxRows));
    raster.xLower = xEdges.front();
    raster.xUpper = xEdges.back();
    raster.yLower = yEdges.front();
    raster.yUpper = yEdges.back();

    const double dx = (raster.xUpper - raster.xLower) / raster.columns;
    std::vector<std::size_t> columnOf(static_cast<std::size_t>(raster.columns));
    for (int c = 0; c < raster.columns; ++c)
        columnOf[static_cast<std::size_t>(c)] = CellOf(xEdges, raster.xLower + (c + 0.5) * dx);

    struct RowPlan {
        std::size_t own;    // height index (shallow to deep)
        std::size_t other;  // the neighbour to blend with, when blending
        double toward = 0;  // 0 at the own centre, 1 at the neighbour's
    };
    const double dy = (raster.yUpper - raster.yLower) / raster.rows;
    std::vector<RowPlan> plans(static_cast<std::size_t>(raster.rows));
    for (int r = 0; r < raster.rows; ++r) {
        const double y = raster.yLower + (r + 0.5) * dy;
        const std::size_t j = CellOf(yEdges, y);
        RowPlan& plan = plans[static_cast<std::size_t>(r)];
        plan.own = heights - 1 - j;
        plan.other = plan.own;
        if (!interpolate)
            continue;
        const std::size_t k = y > ys[j] ? j + 1 : (j > 0 ? j - 1 : j);
        if (k == j || k >= heights || y == ys[j])
            continue;
        const double d = -y, dOwn = -ys[j], dOther = -ys[k];
        plan.other = heights - 1 - k;
        if (d > 0 && dOwn > 0 && dOther > 0)
            plan.toward = (std::log(d) - std::log(dOwn)) / (std::log(dOther) - std::log(dOwn));
        else
            plan.toward = (d - dOwn) / (dOther - dOwn);
    }

    raster.cells.resize(static_cast<std::size_t>(raster.columns) * static_cast<std::size_t>(raster.rows));
    float* out = raster.cells.data();
    for (const RowPlan& plan : plans) {
        const float* own = graph.values.data() + plan.own * positions;
        const float* other = graph.values.data() + plan.other * positions;
        for (std::size_t c : columnOf) {
            const float a = own[c];
            const float b = other[c];
            *out++ = plan.other != plan.own && std::isfinite(a) && std::isfinite(b)
                ? static_cast<float>(a + (b - a) * plan.toward)
                : a;
        }
    }
    return raster;
}

SectionColourScale ChooseSectionColourScale(const SectionGraph& graph, bool wantLogarithmic, bool fixedRange,
                                            float fixedLower, float fixedUpper)
{
    return ChooseSectionColourScale(graph, wantLogarithmic,
                                    fixedRange ? SectionRangeMode::Fixed : SectionRangeMode::Automatic,
                                    fixedLower, fixedUpper, {});
}

SectionColourScale ChooseSectionColourScale(const SectionGraph& graph, bool wantLogarithmic,
                                            SectionRangeMode mode, float fixedLower, float fixedUpper,
                                            const ReadingRange& everyFile)
{
    SectionColourScale scale;
    ReadingRange own;
    for (float v : graph.values) {
        if (!std::isfinite(v))
            continue;
        own.lower = own.any ? std::min(own.lower, v) : v;
        own.upper = own.any ? std::max(own.upper, v) : v;
        own.any = true;
    }
    const ReadingRange& readings = mode == SectionRangeMode::EveryFile && everyFile.any ? everyFile : own;
    bool any = readings.any;
    float lo = readings.lower, hi = readings.upper;
    scale.logarithmic = wantLogarithmic;
    if (wantLogarithmic && any && lo <= 0) {
        scale.logarithmic = false;
        scale.because = SectionColourScale::Linear::ReadingsNotPositive;
    }
    if (mode == SectionRangeMode::Fixed) {
        scale.lower = std::min(fixedLower, fixedUpper);
        scale.upper = std::max(fixedLower, fixedUpper);
        if (scale.logarithmic && scale.lower <= 0) {
            scale.logarithmic = false;
            scale.because = SectionColourScale::Linear::RangeNotPositive;
        }
        return scale;
    }
    if (!any) {
        scale.lower = scale.logarithmic ? 1.0f : 0.0f;
        scale.upper = scale.logarithmic ? 10.0f : 1.0f;
        return scale;
    }
    if (lo == hi) {
        if (scale.logarithmic) {
            lo /= 1.25f;
            hi *= 1.25f;
        } else {
            const float pad = lo == 0 ? 0.5f : std::fabs(lo) * 0.1f;
            lo -= pad;
            hi += pad;
        }
    }
    scale.lower = lo;
    scale.upper = hi;
    return scale;
}

namespace {

int BandAt(const std::vector<double>& centres, double v)
{
    if (centres.empty())
        return -1;
    const std::vector<double> edges = CellEdges(centres);
    if (!(v >= edges.front() && v <= edges.back()))
        return -1;
    return static_cast<int>(CellOf(edges, v));
}

}  // namespace

int SectionHeightAt(const SectionGraph& graph, double y)
{
    const std::vector<double> ys(graph.heights.rbegin(), graph.heights.rend());
    const int j = BandAt(ys, y);
    return j < 0 ? -1 : static_cast<int>(graph.heights.size()) - 1 - j;
}

int SectionPositionAt(const SectionGraph& graph, double x)
{
    return BandAt(std::vector<double>(graph.x.begin(), graph.x.end()), x);
}

}  // namespace vantrel
