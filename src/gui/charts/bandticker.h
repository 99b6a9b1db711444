#pragma once

#include "charts/customplot.h"

namespace vantrel {

/// Ticks of a band's vertical axis: round values kept away from the band's
/// edges (the middle 60 percent), so the labels of neighbouring bands never
/// meet; at least the round value nearest the middle.
class BandTicker : public QCPAxisTicker {
public:
    static constexpr double kEdge = 0.2;  ///< share of the range kept free at each end

protected:
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;
};

}  // namespace vantrel
