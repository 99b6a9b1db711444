#include "graphjson.h"

#include "graphs/circulargraph.h"
#include "graphs/profilegraph.h"
#include "graphs/sectiongraph.h"
#include "jsonlines.h"

#include <charconv>
#include <cmath>

namespace vantrel {

namespace {

const char* RegionKindName(ProfileRegion::Kind kind)
{
    switch (kind) {
    case ProfileRegion::Kind::High: return "high";
    case ProfileRegion::Kind::Low: return "low";
    case ProfileRegion::Kind::LowLast: return "low-last";
    }
    return "";
}

/// A JSON string whose line feeds are written "\n", as a label's two lines read best.
std::string JsonText(std::string_view text)
{
    const std::string escaped = JsonString(text);
    std::string out;
    out.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            out += escaped[i];
        } else if (escaped.compare(i, 6, "\\u000a") == 0) {
            out += "\\n";
            i += 5;
        } else {
            out.append(escaped, i, 2);
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string JsonNumber(float value)
{
    if (!std::isfinite(value))
        return "null";
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    (void)ec;
    return std::string(buf, end);
}

std::string GraphJson(const ProfileGraph& graph)
{
    std::string out = "{\"kind\":";
    out += graph.kind == GraphKind::Plane ? "\"plane\"" : "\"vertical\"";
    out += ",\"title\":" + JsonText(graph.title);
    out += ",\"bands\":" + std::to_string(graph.bands);
    out += ",\"curves\":[";
    for (std::size_t c = 0; c < graph.curves.size(); ++c) {
        const ProfileCurve& curve = graph.curves[c];
        if (c > 0)
            out += ',';
        out += "{\"height\":" + JsonNumber(curve.height);
        out += ",\"axis_title\":" + (curve.axisTitle ? JsonText(*curve.axisTitle) : std::string("null"));
        out += ",\"mean\":" + JsonNumber(curve.mean);
        out += ",\"points\":[";
        for (std::size_t k = 0; k < curve.points.size(); ++k) {
            if (k > 0)
                out += ',';
            out += '[' + JsonNumber(curve.points[k].x) + ',' + JsonNumber(curve.points[k].y) + ']';
        }
        out += "],\"regions\":[";
        for (std::size_t k = 0; k < curve.regions.size(); ++k) {
            const ProfileRegion& r = curve.regions[k];
            if (k > 0)
                out += ',';
            out += std::string("{\"kind\":\"") + RegionKindName(r.kind) +
                "\",\"level\":" + JsonNumber(r.level) + ",\"from\":" + JsonNumber(r.from) +
                ",\"to\":" + JsonNumber(r.to) + '}';
        }
        out += "]}";
    }
    out += "]}";
    return out;
}

std::string GraphJson(const CircularGraph& graph)
{
    std::string out = "{\"kind\":\"circular\",\"title\":" + JsonText(graph.title) + ",\"charts\":[";
    for (std::size_t c = 0; c < graph.charts.size(); ++c) {
        const CircularChart& chart = graph.charts[c];
        if (c > 0)
            out += ',';
        out += "{\"values\":[";
        for (std::size_t i = 0; i < chart.values.size(); ++i)
            out += (i > 0 ? "," : "") + JsonNumber(chart.values[i]);
        out += "],\"label\":" + JsonText(chart.label);
        out += ",\"x\":" + std::to_string(chart.cell.x) + ",\"y\":" + std::to_string(chart.cell.y) + '}';
    }
    out += "],\"scroll\":[" + std::to_string(graph.scrollWidth) + ',' + std::to_string(graph.scrollHeight) +
        "]}";
    return out;
}

std::string GraphJson(const SectionGraph& graph)
{
    const auto list = [](auto begin, auto end) {
        std::string out = "[";
        for (auto it = begin; it != end; ++it)
            out += (it != begin ? "," : "") + JsonNumber(*it);
        return out + ']';
    };
    std::string out = "{\"kind\":\"section\",\"title\":" + JsonText(graph.title);
    out += ",\"file\":" + std::to_string(graph.file);
    out += ",\"x\":" + list(graph.x.begin(), graph.x.end());
    out += ",\"heights\":" + list(graph.heights.begin(), graph.heights.end());
    out += ",\"depths\":" + list(graph.depths.begin(), graph.depths.end());
    out += ",\"values\":[";
    for (std::size_t h = 0; h < graph.heights.size(); ++h) {
        const auto row = graph.values.begin() + static_cast<std::ptrdiff_t>(h * graph.x.size());
        out += (h > 0 ? "," : "") + list(row, row + static_cast<std::ptrdiff_t>(graph.x.size()));
    }
    return out + "]}";
}

}  // namespace vantrel
