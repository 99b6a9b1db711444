#pragma once

#include "charts/customplot.h"
#include "geo/sectioncontours.h"

#include <QPointer>

#include <vector>

namespace vantrel {

/// The contour lines of a section over its colour map, each labelled with
/// its level along the line where the line runs straight enough to carry the
/// text. Labels never overlap each other, and stay clear of the axes; a line
/// too short for its label goes unlabelled. The line is broken under its
/// labels.
///
/// A plain layerable clipped to the map's axis rect: it draws with the
/// painter it is given, so a PDF or an SVG keeps lines and labels as vectors.
class ContourLayer : public QCPLayerable {
    Q_OBJECT
public:
    ContourLayer(QCustomPlot* plot, QCPAxisRect* rect);

    /// The lines in section coordinates (position, depth).
    void setLines(std::vector<geo::ContourLine> lines);
    const std::vector<geo::ContourLine>& lines() const { return m_lines; }
    /// The label text of a level: "50", "2.5", "0.125".
    static QString levelText(double level);
    void setColour(const QColor& colour) { m_colour = colour; }

    /// Where the labels went when the layer was last drawn, in pixels of
    /// that drawing: one polygon (a turned rectangle) per label, and its text.
    struct Label {
        QPolygonF box;
        QString text;
    };
    const std::vector<Label>& labels() const { return m_labels; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    QRect clipRect() const override;
    void draw(QCPPainter* painter) override;

private:
    void placeLabels(const std::vector<QPolygonF>& paths, const QFontMetricsF& metrics, const QRectF& room);

    QPointer<QCPAxisRect> m_rect;
    std::vector<geo::ContourLine> m_lines;
    std::vector<Label> m_labels;
    std::vector<QPointF> m_labelCentres;
    std::vector<double> m_labelAngles;
    QColor m_colour = QColor(20, 20, 20);
};

}  // namespace vantrel
