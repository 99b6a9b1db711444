#pragma once

#include "charts/customplot.h"

#include <vector>

namespace vantrel {

/// A polar series drawn in its axis rect: the angle grid every
/// `angleIncrement` degrees (0 to the right, counter-clockwise), value rings,
/// the curve through the points closed into a ring, square pointers, value
/// marks with callouts and arrows on the two axes. The radius runs from 0 to
/// a rounded maximum above the largest value, divided by `zoom`.
class PolarSeries : public QCPAbstractItem {
    Q_OBJECT
public:
    explicit PolarSeries(QCustomPlot* plot, QCPAxisRect* rect);

    struct Point {
        double angle = 0;
        double value = 0;
    };
    void addPoint(double angle, double value) { m_points.push_back({angle, value}); }
    const std::vector<Point>& points() const { return m_points; }

    double angleIncrement = 45;
    QColor penColour = Qt::red;
    QColor pointerColour = Qt::red;
    bool pointersVisible = true;
    bool marksVisible = true;
    bool axisArrowsVisible = true;
    double zoom = 1;

    /// The outer ring's value.
    double radialMaximum() const;
    /// The centre and the radius of the grid in pixels.
    QPointF centre() const;
    double radius() const;
    /// The pixel position of a point.
    QPointF pixelOf(const Point& p) const;

    double selectTest(const QPointF& pos, bool onlySelectable, QVariant* details = nullptr) const override;

protected:
    void draw(QCPPainter* painter) override;

private:
    std::vector<Point> m_points;
};

/// A value as a chart mark: at most three decimals, no trailing zeros.
QString markText(double value);

}  // namespace vantrel
