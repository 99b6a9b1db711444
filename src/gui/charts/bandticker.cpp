#include "charts/bandticker.h"

#include <cmath>

namespace vantrel {

QVector<double> BandTicker::createTickVector(double tickStep, const QCPRange& range)
{
    const QVector<double> all = QCPAxisTicker::createTickVector(tickStep, range);
    const double lo = range.lower + range.size() * kEdge;
    const double hi = range.upper - range.size() * kEdge;
    QVector<double> kept;
    for (double t : all)
        if (t >= lo && t <= hi)
            kept << t;
    if (kept.isEmpty() && range.size() > 0) {
        // The middle, rounded to the coarsest step that stays inside.
        const double middle = range.center();
        double step = std::pow(10.0, std::floor(std::log10(range.size())));
        double value = std::round(middle / step) * step;
        while ((value < lo || value > hi) && step > range.size() * 1e-6) {
            step /= 10;
            value = std::round(middle / step) * step;
        }
        kept << value;
    }
    return kept;
}

}  // namespace vantrel
