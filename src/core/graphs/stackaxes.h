#pragma once

#include <vector>

namespace vantrel {

/// One band of a profile chart: the stretch of the plot height, in percent
/// from the top, that a curve's own vertical axis covers. The axis runs
/// from 0 to 1 until the curve is drawn, then scales itself to the curve.
struct AxisBand {
    double start = 0;
    double end = 0;
};

/// The bands of n stacked curves: band i covers i * q * 100 to (i + 1) * q * 100
/// percent with q = 1 / n in double precision. None for n <= 0.
std::vector<AxisBand> StackAxes(int n);

}  // namespace vantrel
