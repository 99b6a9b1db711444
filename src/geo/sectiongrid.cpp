#include "sectiongrid.h"

#include "gdalerrortrap.h"
#include "graphs/sectiongraph.h"
#include "numbers.h"
#include "threads/twothreads.h"

#include <cpl_conv.h>
#include <gdal_alg.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>

namespace vantrel::geo {

namespace {

constexpr float kBlank = std::numeric_limits<float>::quiet_NaN();
/// Nodes at the data's own spacing, refined only where a section is so small
/// that its picture and contours would be coarse.
constexpr int kMinColumns = 64;
constexpr int kMaxColumns = 2048;
constexpr int kMinRows = 32;
constexpr int kMaxRows = 1024;
/// How far, in depth steps, gridding looks for readings; the nearest twelve
/// within it (kNearestReadings) are taken.
constexpr double kSearchRadius = 1.0;
/// One station spacing counts as this part of a depth step. A reading is far
/// more like its neighbours along the line (same frequency, same depth band)
/// than like the next band, so a node between stations takes its value from
/// its own band instead of rings forming round every station.
constexpr double kAcrossLine = 0.25;
constexpr unsigned kNearestReadings = 12;
/// Columns gridded together.
constexpr std::size_t kTileColumns = 32;
/// A gap between readings wider than this many station spacings is left blank.
constexpr double kWidestGap = 2;

std::string FileName(const SectionGraph& graph)
{
    return "File" + FormatInt(graph.file);
}

/// `step` halved while the span holds fewer than `fewest` nodes and doubled
/// while it holds more than `most`, then narrowed to end on the span's end.
/// Returns the step; `nodes` is set to the nodes on the span.
double FitStep(double span, double step, int fewest, int most, int* nodes)
{
    for (int i = 0; i < 16 && span / step + 1 < fewest; ++i)
        step /= 2;
    while (span / step + 1 > most)
        step *= 2;
    const int cells = std::max(1, static_cast<int>(std::ceil(span / step - 1e-9)));
    *nodes = cells + 1;
    return span / cells;
}

double Median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

/// Which columns of the grid lie between two readings of one depth band that
/// are at most the widest gap apart (or on a reading).
std::vector<char> CoveredColumns(const std::vector<double>& readAt, const SectionGrid& grid, double widest)
{
    std::vector<char> covered(static_cast<std::size_t>(grid.columns), 0);
    const double eps = 1e-9 * std::max(1.0, std::fabs(grid.X(grid.columns - 1)) + std::fabs(grid.x0));
    for (int c = 0; c < grid.columns; ++c) {
        const double x = grid.X(c);
        const auto right = std::lower_bound(readAt.begin(), readAt.end(), x - eps);
        if (right == readAt.end())
            continue;
        if (std::fabs(*right - x) <= eps) {
            covered[static_cast<std::size_t>(c)] = 1;
            continue;
        }
        if (right == readAt.begin())
            continue;
        covered[static_cast<std::size_t>(c)] = *right - *(right - 1) <= widest + eps ? 1 : 0;
    }
    return covered;
}

GridResult MeasuredCells(const SectionGraph& graph, bool blendDepths, GridResult result)
{
    const SectionRaster raster = RasterizeSection(graph, blendDepths);
    SectionGrid& grid = result.grid;
    grid.columns = raster.columns;
    grid.rows = raster.rows;
    grid.dx = (raster.xUpper - raster.xLower) / raster.columns;
    grid.x0 = raster.xLower + grid.dx / 2;
    grid.dDepth = (raster.yUpper - raster.yLower) / raster.rows;
    grid.depth0 = -raster.yUpper + grid.dDepth / 2;
    grid.values.resize(raster.cells.size());
    const auto columns = static_cast<std::size_t>(raster.columns);
    for (int r = 0; r < raster.rows; ++r) {
        const auto from = raster.cells.begin() + static_cast<std::ptrdiff_t>((raster.rows - 1 - r) * columns);
        std::copy(from, from + static_cast<std::ptrdiff_t>(columns),
                  grid.values.begin() + static_cast<std::ptrdiff_t>(r * columns));
    }
    return result;
}

struct ContextDeleter {
    void operator()(GDALGridContext* context) const { GDALGridContextFree(context); }
};

}  // namespace

GridResult GridSection(const SectionGraph& graph, GridMethod method, bool blendDepths,
                       const GridProgress& progress)
{
    GridResult result;
    result.grid.title = graph.title;
    result.grid.valueTitle = graph.valueTitle;
    result.grid.file = graph.file;

    // The positions and depths that hold a reading, and the readings' places.
    const std::size_t positions = graph.x.size();
    std::vector<char> positionRead(positions, 0);
    std::vector<double> depths;
    std::vector<std::vector<double>> readAt;  // per depth with readings: its positions
    std::vector<double> px, py, pz;
    for (std::size_t h = 0; h < graph.depths.size(); ++h) {
        std::vector<double> at;
        for (std::size_t p = 0; p < positions; ++p) {
            const float v = graph.Value(h, p);
            if (!std::isfinite(v))
                continue;
            at.push_back(graph.x[p]);
            positionRead[p] = 1;
            px.push_back(graph.x[p]);
            py.push_back(static_cast<double>(depths.size()));
            pz.push_back(v);
        }
        if (!at.empty()) {
            depths.push_back(graph.depths[h]);
            readAt.push_back(std::move(at));
        }
    }
    std::vector<double> xs;
    for (std::size_t p = 0; p < positions; ++p)
        if (positionRead[p])
            xs.push_back(graph.x[p]);
    if (xs.empty()) {
        result.message = FileName(graph) + " has no readings in the depth table: there is nothing to grid.";
        return result;
    }
    if (method == GridMethod::MeasuredCells)
        return MeasuredCells(graph, blendDepths, std::move(result));
    if (xs.size() < 2 || depths.size() < 2) {
        result.message = FileName(graph) + " has readings at " +
            (xs.size() < 2 ? "one position" : "one depth") +
            " only: a grid needs at least two positions and two depths.";
        return result;
    }

    SectionGrid& grid = result.grid;
    std::vector<double> steps;
    for (std::size_t i = 1; i < xs.size(); ++i)
        steps.push_back(xs[i] - xs[i - 1]);
    const double spacing = Median(steps);
    // Depth steps grow with depth (the frequencies are spread evenly on a
    // logarithmic scale): the median step gives about as many rows as depths,
    // where the smallest would give many times more rows than readings.
    std::vector<double> depthSteps;
    for (std::size_t i = 1; i < depths.size(); ++i)
        depthSteps.push_back(depths[i] - depths[i - 1]);
    grid.x0 = xs.front();
    grid.dx = FitStep(xs.back() - xs.front(), spacing, kMinColumns, kMaxColumns, &grid.columns);
    grid.depth0 = depths.front();
    grid.dDepth = FitStep(depths.back() - depths.front(), Median(depthSteps), kMinRows, kMaxRows, &grid.rows);

    // Gridding space: positions in station spacings from the first (shrunk by
    // kAcrossLine), depths as the index of their band, linear in depth between
    // two bands.
    for (double& x : px)
        x = (x - grid.x0) / spacing * kAcrossLine;
    GDALGridAlgorithm algorithm = GGA_InverseDistanceToAPowerNearestNeighbor;
    GDALGridInverseDistanceToAPowerNearestNeighborOptions idw{};
    GDALGridNearestNeighborOptions nearest{};
    GDALGridLinearOptions linear{};
    const void* options = &idw;
    if (method == GridMethod::Nearest) {
        algorithm = GGA_NearestNeighbor;
        nearest.nSizeOfStructure = sizeof nearest;
        nearest.dfRadius1 = nearest.dfRadius2 = kSearchRadius;
        nearest.dfNoDataValue = kBlank;
        options = &nearest;
    } else if (method == GridMethod::Linear) {
        algorithm = GGA_Linear;
        linear.nSizeOfStructure = sizeof linear;
        linear.dfRadius = kSearchRadius;
        linear.dfNoDataValue = kBlank;
        options = &linear;
    } else {
        idw.nSizeOfStructure = sizeof idw;
        idw.dfPower = 2;
        idw.dfRadius = kSearchRadius;
        idw.nMaxPoints = kNearestReadings;
        idw.nMinPoints = 1;
        idw.dfNoDataValue = kBlank;
    }

    // The readings in order along the line, for each tile to take its own.
    std::vector<std::size_t> byX(px.size());
    for (std::size_t i = 0; i < byX.size(); ++i)
        byX[i] = i;
    std::stable_sort(byX.begin(), byX.end(), [&](std::size_t a, std::size_t b) { return px[a] < px[b]; });
    std::vector<double> sortedX(byX.size());
    for (std::size_t i = 0; i < byX.size(); ++i)
        sortedX[i] = px[byX[i]];

    // Rows between two bands are evenly spaced in gridding space too: one
    // call per pair of bands.
    struct Run {
        int first, count;
        double yMin, yMax;
    };
    std::vector<Run> runs;
    const auto bandBelow = [&](int row) {
        const auto it = std::upper_bound(depths.begin(), depths.end(), grid.Depth(row));
        return std::min<std::size_t>(
            static_cast<std::size_t>(std::max<std::ptrdiff_t>(it - depths.begin(), 1)) - 1,
            depths.size() - 2);
    };
    std::vector<std::size_t> bandOfRow(static_cast<std::size_t>(grid.rows));
    for (int first = 0; first < grid.rows;) {
        const std::size_t band = bandBelow(first);
        int last = first;
        while (last + 1 < grid.rows && bandBelow(last + 1) == band)
            ++last;
        const double top = depths[band];
        const double height = depths[band + 1] - top;
        const double step = grid.dDepth / height;
        runs.push_back({first, last - first + 1,
                        static_cast<double>(band) + (grid.Depth(first) - top) / height - step / 2,
                        static_cast<double>(band) + (grid.Depth(last) - top) / height + step / 2});
        for (int r = first; r <= last; ++r)
            bandOfRow[static_cast<std::size_t>(r)] = band;
        first = last + 1;
    }

    // Which columns of each band lie within its readings.
    const double depthEps = 1e-9 * std::max(1.0, std::fabs(depths.back()));
    std::vector<std::vector<char>> covered;
    for (const auto& at : readAt)
        covered.push_back(CoveredColumns(at, grid, kWidestGap * spacing + 1e-9 * spacing));

    // Tiles of columns, each gridded from the readings near it: GDAL's search
    // stays fast on a long line, and two tiles are worked at once.
    const auto columns = static_cast<std::size_t>(grid.columns);
    grid.values.assign(columns * static_cast<std::size_t>(grid.rows), kBlank);
    const double nodeStep = grid.dx / spacing * kAcrossLine;
    const std::size_t tiles = (columns + kTileColumns - 1) / kTileColumns;
    std::atomic<std::size_t> tilesDone{0};
    std::atomic<bool> stop{false};
    std::mutex failureLock;
    std::string failure;
    const std::thread::id caller = std::this_thread::get_id();
    ForEachOnTwoThreads(tiles, [&](std::size_t tile) {
        if (stop)
            return;
        GdalErrorTrap trap;
        CPLSetThreadLocalConfigOption("GDAL_NUM_THREADS", "1");
        const std::size_t c0 = tile * kTileColumns;
        const std::size_t c1 = std::min(columns, c0 + kTileColumns);
        const std::size_t width = c1 - c0;
        bool wanted = false;
        for (const auto& band : covered)
            wanted = wanted ||
                std::any_of(band.begin() + static_cast<std::ptrdiff_t>(c0),
                            band.begin() + static_cast<std::ptrdiff_t>(c1), [](char c) { return c; });
        // The readings around the tile, from two stations and two depths at
        // least, so the linear method can lay its triangles.
        std::vector<double> tx, ty, tz;
        for (double margin = kSearchRadius + 1; wanted; margin *= 2) {
            const auto from =
                std::lower_bound(sortedX.begin(), sortedX.end(), static_cast<double>(c0) * nodeStep - margin);
            const auto to = std::upper_bound(sortedX.begin(), sortedX.end(),
                                             static_cast<double>(c1 - 1) * nodeStep + margin);
            tx.clear();
            ty.clear();
            tz.clear();
            for (auto it = from; it != to; ++it) {
                const std::size_t k = byX[static_cast<std::size_t>(it - sortedX.begin())];
                tx.push_back(px[k]);
                ty.push_back(py[k]);
                tz.push_back(pz[k]);
            }
            const bool wholeLine = from == sortedX.begin() && to == sortedX.end();
            const bool spread = !tx.empty() &&
                std::any_of(tx.begin(), tx.end(), [&](double x) { return x != tx[0]; }) &&
                std::any_of(ty.begin(), ty.end(), [&](double y) { return y != ty[0]; });
            if (spread || wholeLine)
                break;
        }
        std::vector<float> cells(width * static_cast<std::size_t>(grid.rows), kBlank);
        std::string reason;
        if (wanted && !tx.empty()) {
            const std::unique_ptr<GDALGridContext, ContextDeleter> context(GDALGridContextCreate(
                algorithm, options, static_cast<GUInt32>(tz.size()), tx.data(), ty.data(), tz.data(), TRUE));
            if (!context)
                reason = trap.Reason("GDAL gave no reason");
            for (const Run& run : runs) {
                if (!reason.empty() || stop)
                    break;
                if (GDALGridContextProcess(context.get(), (static_cast<double>(c0) - 0.5) * nodeStep,
                                           (static_cast<double>(c1) - 0.5) * nodeStep, run.yMin, run.yMax,
                                           static_cast<GUInt32>(width), static_cast<GUInt32>(run.count),
                                           GDT_Float32,
                                           cells.data() + static_cast<std::size_t>(run.first) * width,
                                           nullptr, nullptr) != CE_None)
                    reason = trap.Reason("GDAL gave no reason");
            }
        }
        CPLSetThreadLocalConfigOption("GDAL_NUM_THREADS", nullptr);
        if (!reason.empty()) {
            const std::lock_guard<std::mutex> hold(failureLock);
            failure = reason;
            stop = true;
            return;
        }
        for (int r = 0; r < grid.rows; ++r) {
            const auto row = static_cast<std::size_t>(r);
            std::copy(cells.begin() + static_cast<std::ptrdiff_t>(row * width),
                      cells.begin() + static_cast<std::ptrdiff_t>((row + 1) * width),
                      grid.values.begin() + static_cast<std::ptrdiff_t>(row * columns + c0));
        }
        const std::size_t done = ++tilesDone;
        if (progress && std::this_thread::get_id() == caller && !progress(static_cast<double>(done) / tiles))
            stop = true;
    });
    if (!failure.empty()) {
        result.message = FileName(graph) + " could not be gridded: " + failure;
        result.grid.values.clear();
        return result;
    }
    if (stop) {
        result.cancelled = true;
        result.grid.values.clear();
        return result;
    }

    // Blank what lies outside the readings.
    for (int r = 0; r < grid.rows; ++r) {
        const std::size_t band = bandOfRow[static_cast<std::size_t>(r)];
        const double d = grid.Depth(r);
        const bool onTop = std::fabs(d - depths[band]) <= depthEps;
        const bool onBottom = std::fabs(d - depths[band + 1]) <= depthEps;
        float* row = grid.values.data() + static_cast<std::size_t>(r) * columns;
        for (std::size_t c = 0; c < columns; ++c)
            if (!((onBottom || covered[band][c]) && (onTop || covered[band + 1][c])))
                row[c] = kBlank;
    }
    if (progress)
        progress(1.0);
    return result;
}

}  // namespace vantrel::geo
