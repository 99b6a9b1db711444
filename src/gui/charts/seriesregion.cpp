#include "charts/seriesregion.h"

#include <algorithm>
#include <cmath>

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
double valueAt(const QCPGraphDataContainer& data, double x)
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

// A long curve has many points in one pixel column, which add nothing to the
// picture but work for the rasterizer: each column keeps its first, lowest,
// highest and last point, in their order. The first and last points (on the
// level) stay as they are.
QPolygonF reducedToPixelColumns(const QPolygonF& in)
{
    const qsizetype n = in.size();
    if (n < 8)
        return in;
    QPolygonF out;
    out.reserve(std::min<qsizetype>(n, 4 * 4096));
    out << in.front();
    qsizetype i = 1;
    while (i < n - 1) {
        const double column = std::floor(in[i].x());
        qsizetype j = i, low = i, high = i;
        for (; j < n - 1 && std::floor(in[j].x()) == column; ++j) {
            if (in[j].y() < in[low].y())
                low = j;
            if (in[j].y() > in[high].y())
                high = j;
        }
        qsizetype last = -1;
        for (const qsizetype k : {i, std::min(low, high), std::max(low, high), j - 1})
            if (k != last) {
                out << in[k];
                last = k;
            }
        i = j;
    }
    out << in.back();
    return out;
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
    poly << QPointF(lo, originLevel) << QPointF(lo, valueAt(data, lo));
    for (auto it = data.findBegin(lo, false); it != data.constEnd() && it->key <= hi; ++it)
        if (it->key > lo && it->key < hi)
            poly << QPointF(it->key, it->value);
    poly << QPointF(hi, valueAt(data, hi)) << QPointF(hi, originLevel);
    return poly;
}

void SeriesRegion::draw(QCPPainter* painter)
{
    if (!m_graph || !m_graph->visible())
        return;
    QCPAxis* keyAxis = m_graph->keyAxis();
    QCPAxis* valueAxis = m_graph->valueAxis();
    const QCPRange shown = keyAxis->range();
    if (std::max(lowerX, upperX) < shown.lower || std::min(lowerX, upperX) > shown.upper)
        return;  // zoomed or panned out of sight
    const QPolygonF plotOutline = outline();
    if (plotOutline.isEmpty())
        return;
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
    painter->drawPolygon(reducedToPixelColumns(pixels));
}

}  // namespace vantrel
