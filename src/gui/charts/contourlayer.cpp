#include "charts/contourlayer.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantrel {

namespace {

constexpr double kLabelSpacing = 320;  // pixels along a line between its labels
constexpr double kAxisClearance = 3;   // pixels kept free inside the axes

/// The point `at` pixels along a polyline whose cumulative lengths are `run`.
QPointF pointAlong(const QPolygonF& path, const std::vector<double>& run, double at)
{
    const auto after = std::lower_bound(run.begin(), run.end(), at);
    if (after == run.begin())
        return path.front();
    if (after == run.end())
        return path.back();
    const auto i = static_cast<qsizetype>(after - run.begin());
    const double span = run[static_cast<std::size_t>(i)] - run[static_cast<std::size_t>(i) - 1];
    const double t = span > 0 ? (at - run[static_cast<std::size_t>(i) - 1]) / span : 0;
    return path[i - 1] + (path[i] - path[i - 1]) * t;
}

QPolygonF turnedBox(const QPointF& centre, double angleDegrees, double width, double height)
{
    const double a = angleDegrees * std::numbers::pi / 180;
    const QPointF along(std::cos(a) * width / 2, std::sin(a) * width / 2);
    const QPointF across(-std::sin(a) * height / 2, std::cos(a) * height / 2);
    return QPolygonF({centre - along - across, centre + along - across, centre + along + across,
                      centre - along + across, centre - along - across});
}

}  // namespace

ContourLayer::ContourLayer(QCustomPlot* plot, QCPAxisRect* rect) : QCPLayerable(plot), m_rect(rect) {}

void ContourLayer::setLines(std::vector<geo::ContourLine> lines)
{
    m_lines = std::move(lines);
    m_labels.clear();
}

QString ContourLayer::levelText(double level)
{
    // Levels are nice numbers; six significant digits show any of them whole.
    QString text = QString::number(level, 'g', 6);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

void ContourLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const
{
    applyAntialiasingHint(painter, true, QCP::aeItems);
}

QRect ContourLayer::clipRect() const
{
    return m_rect ? m_rect->rect() : QCPLayerable::clipRect();
}

void ContourLayer::placeLabels(const std::vector<QPolygonF>& paths, const QFontMetricsF& metrics,
                               const QRectF& room)
{
    const double height = metrics.height();
    for (std::size_t l = 0; l < paths.size(); ++l) {
        const QPolygonF& path = paths[l];
        std::vector<double> run(static_cast<std::size_t>(path.size()), 0.0);
        for (qsizetype i = 1; i < path.size(); ++i) {
            const QPointF d = path[i] - path[i - 1];
            run[static_cast<std::size_t>(i)] =
                run[static_cast<std::size_t>(i) - 1] + std::hypot(d.x(), d.y());
        }
        const QString text = levelText(m_lines[l].level);
        const double width = metrics.horizontalAdvance(text) + 6;
        const double total = run.empty() ? 0 : run.back();
        if (total < 2 * width)
            continue;
        const int slots = std::max(1, static_cast<int>(total / kLabelSpacing));
        for (int k = 0; k < slots; ++k) {
            const double middle = (k + 0.5) * total / slots;
            // Near the slot's middle, the first stretch that is straight and free.
            for (const double shift : {0.0, 0.7, -0.7, 1.4, -1.4}) {
                const double at = middle + shift * width;
                if (at - width / 2 < 0 || at + width / 2 > total)
                    continue;
                const QPointF from = pointAlong(path, run, at - width / 2);
                const QPointF to = pointAlong(path, run, at + width / 2);
                const QPointF chord = to - from;
                const double chordLength = std::hypot(chord.x(), chord.y());
                if (chordLength < width * 0.8)
                    continue;
                bool straight = true;
                for (qsizetype i = 0; i < path.size() && straight; ++i) {
                    const double s = run[static_cast<std::size_t>(i)];
                    if (s <= at - width / 2 || s >= at + width / 2)
                        continue;
                    const QPointF d = path[i] - from;
                    straight = std::abs(d.x() * chord.y() - d.y() * chord.x()) / chordLength < height * 0.4;
                }
                if (!straight)
                    continue;
                double angle = std::atan2(chord.y(), chord.x()) * 180 / std::numbers::pi;
                if (angle > 90)
                    angle -= 180;
                else if (angle <= -90)
                    angle += 180;
                const QPointF centre = (from + to) / 2;
                const QPolygonF box = turnedBox(centre, angle, width, height);
                if (!std::all_of(box.begin(), box.end(), [&](const QPointF& p) { return room.contains(p); }))
                    continue;
                QPainterPath boxPath;
                boxPath.addPolygon(box);
                const bool free = std::none_of(m_labels.begin(), m_labels.end(), [&](const Label& other) {
                    QPainterPath o;
                    o.addPolygon(other.box);
                    return o.intersects(boxPath);
                });
                if (!free)
                    continue;
                m_labels.push_back({box, text});
                m_labelCentres.push_back(centre);
                m_labelAngles.push_back(angle);
                break;
            }
        }
    }
}

void ContourLayer::draw(QCPPainter* painter)
{
    m_labels.clear();
    m_labelCentres.clear();
    m_labelAngles.clear();
    if (!m_rect || m_lines.empty())
        return;
    QCPAxis* key = m_rect->axis(QCPAxis::atBottom);
    QCPAxis* value = m_rect->axis(QCPAxis::atLeft);
    std::vector<QPolygonF> paths;
    paths.reserve(m_lines.size());
    for (const geo::ContourLine& line : m_lines) {
        QPolygonF path;
        path.reserve(static_cast<qsizetype>(line.points.size()));
        for (const geo::ContourPoint& p : line.points)
            path << QPointF(key->coordToPixel(p.x), value->coordToPixel(p.depth));
        paths.push_back(std::move(path));
    }
    QFont font = mParentPlot->font();
    font.setPointSizeF(std::max(6.0, font.pointSizeF() - 1));
    painter->setFont(font);
    const QFontMetricsF metrics(font, painter->device());
    const QRectF room =
        QRectF(m_rect->rect()).adjusted(kAxisClearance, kAxisClearance, -kAxisClearance, -kAxisClearance);
    placeLabels(paths, metrics, room);

    painter->save();
    if (!m_labels.empty()) {
        // The lines break under their labels.
        QPainterPath open;
        open.addRect(QRectF(m_rect->rect()).adjusted(-1, -1, 1, 1));
        for (const Label& label : m_labels) {
            QPainterPath box;
            box.addPolygon(label.box);
            open = open.subtracted(box);
        }
        painter->setClipPath(open, Qt::IntersectClip);
    }
    QPen pen(m_colour, 1.1);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    for (const QPolygonF& path : paths)
        painter->drawPolyline(path);
    painter->restore();

    painter->setPen(m_colour);
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        const Label& label = m_labels[i];
        const double width = QLineF(label.box[0], label.box[1]).length();
        const double height = QLineF(label.box[1], label.box[2]).length();
        painter->save();
        painter->translate(m_labelCentres[i]);
        painter->rotate(m_labelAngles[i]);
        painter->drawText(QRectF(-width / 2, -height / 2, width, height), Qt::AlignCenter, label.text);
        painter->restore();
    }
}

}  // namespace vantrel
