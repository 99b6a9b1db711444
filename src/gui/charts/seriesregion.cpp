#include "seriesregion.h"

#include <algorithm>

namespace vantrel {

SeriesRegion::SeriesRegion(QCustomPlot* plot) : QCPLayerable(plot) {}

void SeriesRegion::setSeries(QCPGraph* graph)
{
    m_graph = graph;
}

void SeriesRegion::applyDefaultAntialiasingHint(QCPPainter* painter) const
{
    applyAntialiasingHint(painter, mAntialiased, QCP::aeItems);
}

QRect SeriesRegion::clipRect() const
{
    if (m_graph && m_graph->keyAxis())
        return m_graph->keyAxis()->axisRect()->rect();
    return QCPLayerable::clipRect();
}

namespace {

// The curve's value at x, on the straight line between its neighbours.
double ValueAt(const QCPGraphDataContainer& data, double x)
{
    auto after = data.findBegin(x, false);
    if (after == data.constEnd())
        return (data.constEnd() - 1)->value;
    if (after == data.constBegin() || after->key == x)
        return after->value;
    auto before = after - 1;
    if (after->key == before->key)
        return after->value;
    return before->value + (after->value - before->value) * (x - before->key) / (after->key - before->key);
}

}  // namespace

QPolygonF SeriesRegion::outline() const
{
    QPolygonF poly;
    if (!m_graph || m_graph->data()->isEmpty())
        return poly;
    const QCPGraphDataContainer& data = *m_graph->data();
    const double lo = std::min(lowerX, upperX);
    const double hi = std::max(lowerX, upperX);
    poly << QPointF(lo, originLevel) << QPointF(lo, ValueAt(data, lo));
    for (auto it = data.findBegin(lo, false); it != data.constEnd() && it->key <= hi; ++it)
        if (it->key > lo && it->key < hi)
            poly << QPointF(it->key, it->value);
    poly << QPointF(hi, ValueAt(data, hi)) << QPointF(hi, originLevel);
    return poly;
}

void SeriesRegion::draw(QCPPainter* painter)
{
    if (!m_graph || !m_graph->visible())
        return;
    const QPolygonF plotOutline = outline();
    if (plotOutline.isEmpty())
        return;
    QCPAxis* keyAxis = m_graph->keyAxis();
    QCPAxis* valueAxis = m_graph->valueAxis();
    QPolygonF pixels;
    pixels.reserve(plotOutline.size());
    double farthest = valueAxis->coordToPixel(originLevel);
    const double levelPixel = farthest;
    for (const QPointF& p : plotOutline) {
        const QPointF px(keyAxis->coordToPixel(p.x()), valueAxis->coordToPixel(p.y()));
        if (std::abs(px.y() - levelPixel) > std::abs(farthest - levelPixel))
            farthest = px.y();
        pixels << px;
    }
    if (gradientVisible) {
        QLinearGradient gradient(QPointF(0, levelPixel),
                                 QPointF(0, farthest == levelPixel ? levelPixel + 1 : farthest));
        gradient.setColorAt(0, gradientStart);
        gradient.setColorAt(1, gradientEnd);
        painter->setBrush(gradient);
    } else {
        painter->setBrush(fillColour);
    }
    painter->setPen(QPen(penColour, 1));
    painter->drawPolygon(pixels);
}

}  // namespace vantrel
