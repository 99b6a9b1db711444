#include "stackaxes.h"

namespace vantrel {

std::vector<AxisBand> StackAxes(int n)
{
    std::vector<AxisBand> bands;
    if (n <= 0)
        return bands;
    const double q = 1.0 / n;
    bands.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        bands.push_back({i * q * 100, (i + 1) * q * 100});
    return bands;
}

}  // namespace vantrel
