#pragma once

#include "charts/customplot.h"

namespace vantrel {

/// A shaded stretch of a line series: the area between the curve and a
/// horizontal origin level from `lowerX` to `upperX`, outlined with the pen
/// colour and filled with the fill colour or, when the gradient is visible,
/// a vertical gradient from the gradient's start colour at the level to its
/// end colour at the curve's farthest point.
///
/// A plain layerable on the plot's current layer, clipped to its series'
/// band, not a QCustomPlot item: a long curve has thousands of regions, and
/// making an item walks the whole layout of the plot.
class SeriesRegion : public QCPLayerable {
    Q_OBJECT
public:
    explicit SeriesRegion(QCustomPlot* plot);

    void setSeries(QCPGraph* graph);
    QCPGraph* series() const { return m_graph; }

    double originLevel = 0;
    double lowerX = 0;
    double upperX = 0;
    QColor fillColour = Qt::white;
    QColor penColour = Qt::black;
    bool gradientVisible = false;
    QColor gradientStart = Qt::white;
    QColor gradientEnd = Qt::white;

    /// The outline in plot coordinates: along the curve over the range, then
    /// back along the level. Empty when the range holds nothing.
    QPolygonF outline() const;

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    QRect clipRect() const override;
    void draw(QCPPainter* painter) override;

private:
    QPointer<QCPGraph> m_graph;
};

}  // namespace vantrel
