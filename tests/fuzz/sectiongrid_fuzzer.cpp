// libFuzzer target: sections of any shape and readings (positions spread
// anyhow, one band or many, NaN, infinite and huge readings) through GDAL's
// gridding by every method, then automatic contours on linear and
// logarithmic scales. Nothing may crash, hang or read out of bounds, and a
// grid's nodes stay within the readings' range.
#include "geo/sectioncontours.h"
#include "geo/sectiongrid.h"
#include "graphs/contourlevels.h"
#include "graphs/sectiongraph.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace vantrel;

namespace {

struct Bytes {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t Byte() { return size ? (--size, *data++) : 0; }
    float Float()
    {
        float f = 0;
        if (size >= sizeof f) {
            std::memcpy(&f, data, sizeof f);
            data += sizeof f;
            size -= sizeof f;
        }
        return f;
    }
};

/// Distinct finite values, ascending.
std::vector<float> Axis(Bytes& in, std::size_t n)
{
    std::vector<float> axis;
    for (std::size_t i = 0; i < n; ++i)
        if (const float f = in.Float(); std::isfinite(f))
            axis.push_back(f);
    std::sort(axis.begin(), axis.end());
    axis.erase(std::unique(axis.begin(), axis.end()), axis.end());
    return axis;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes in{data, size};
    SectionGraph graph;
    graph.title = "File1 Pseudo-section";
    graph.file = 1;
    graph.x = Axis(in, 1 + in.Byte() % 48);
    graph.depths = Axis(in, 1 + in.Byte() % 32);
    for (const float d : graph.depths)
        graph.heights.insert(graph.heights.begin(), -d);
    float lower = INFINITY, upper = -INFINITY;
    for (std::size_t i = 0; i < graph.x.size() * graph.depths.size(); ++i) {
        const float v = in.Byte() < 40 ? NAN : in.Float();
        graph.values.push_back(v);
        if (std::isfinite(v)) {
            lower = std::min(lower, v);
            upper = std::max(upper, v);
        }
    }
    for (const geo::GridMethodInfo& method : geo::GridMethods()) {
        const geo::GridResult gridded = geo::GridSection(graph, method.method, in.Byte() & 1);
        if (!gridded.Ok())
            continue;
        const geo::SectionGrid& grid = gridded.grid;
        if (grid.values.size() !=
            static_cast<std::size_t>(grid.rows) * static_cast<std::size_t>(grid.columns))
            std::abort();
        for (const float v : grid.values)
            if (!std::isnan(v) &&
                (v < lower - std::abs(lower) * 1e-3f || v > upper + std::abs(upper) * 1e-3f))
                std::abort();  // gridding never goes beyond the readings
        for (const bool logarithmic : {false, true}) {
            ContourChoice choice;
            choice.mode = ContourChoice::Mode::Automatic;
            const std::vector<double> levels = ContourLevels(choice, lower, upper, logarithmic && lower > 0);
            geo::ContourSection(grid, levels);
        }
    }
    return 0;
}
