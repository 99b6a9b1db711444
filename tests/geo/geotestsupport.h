#pragma once

#include "graphs/sectiongraph.h"

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace vantrel::test {

inline constexpr float kNone = std::numeric_limits<float>::quiet_NaN();

/// A section of file 1 at these positions and depths, each reading
/// `reading(x, depth)` (not-a-number where there is none).
inline SectionGraph MadeSection(const std::vector<float>& x, const std::vector<float>& depths,
                                const std::function<float(float, float)>& reading)
{
    SectionGraph g;
    g.file = 1;
    g.title = "File1 Pseudo-section";
    g.valueTitle = "Value(V)";
    g.x = x;
    g.depths = depths;
    for (float d : depths) {
        g.heights.push_back(-d);
        for (float p : x)
            g.values.push_back(reading(p, d));
    }
    return g;
}

}  // namespace vantrel::test
