#include "charts/polarseries.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantrel {

namespace {

constexpr double kLabelRoom = 30;  // pixels kept round the grid for the angle labels

double niceStep(double span)
{
    if (!(span > 0))
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(span)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (span <= m * magnitude)
            return m * magnitude;
    return 10 * magnitude;
}

void drawArrow(QCPPainter* painter, QPointF from, QPointF to, double headWidth, double headLength)
{
    painter->drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const QPointF base = to - u * headLength;
    painter->drawPolygon(QPolygonF{to, base + n * (headWidth / 2), base - n * (headWidth / 2)});
}

}  // namespace

QString markText(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.contains(QLatin1Char('.')) &&
           (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.'))))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

PolarSeries::PolarSeries(QCustomPlot* plot, QCPAxisRect* rect) : QCPAbstractItem(plot)
{
    setSelectable(false);
    setClipAxisRect(rect);
    setClipToAxisRect(true);
}

double PolarSeries::radialMaximum() const
{
    double top = 0;
    for (const Point& p : m_points)
        top = std::max(top, std::abs(p.value));
    // Room above the largest value for its mark, then a round ring value.
    const double wanted = top > 0 ? top * 1.15 : 1;
    const double step = niceStep(wanted / 4);
    return std::ceil(wanted / step) * step / std::max(zoom, 1e-9);
}

QPointF PolarSeries::centre() const
{
    return clipAxisRect()->rect().center();
}

double PolarSeries::radius() const
{
    const QRect r = clipAxisRect()->rect();
    return std::max(1.0, std::min(r.width(), r.height()) / 2.0 - kLabelRoom);
}

QPointF PolarSeries::pixelOf(const Point& p) const
{
    const double a = p.angle * std::numbers::pi / 180.0;
    const double r = radius() * p.value / radialMaximum();
    return centre() + QPointF(r * std::cos(a), -r * std::sin(a));
}

double PolarSeries::selectTest(const QPointF&, bool, QVariant*) const
{
    return -1;
}

void PolarSeries::draw(QCPPainter* painter)
{
    const QPointF c = centre();
    const double R = radius();
    const double maximum = radialMaximum();
    const double step = niceStep(maximum / 4);
    QFont small = mParentPlot->font();
    small.setPointSizeF(7.5);
    painter->setFont(small);
    const QFontMetricsF metrics(small);
    const double increment = angleIncrement > 0 ? angleIncrement : 45;

    // Where the texts go, worked out first so none covers another: the angle
    // labels just outside the ring, each value mark outward from its point
    // (inward when outward would run into an angle label or off the grid),
    // and the ring values only where no mark is.
    QList<QPair<QRectF, QString>> angleLabels;
    for (double a = 0; a < 360 - 1e-9; a += increment) {
        const double rad = a * std::numbers::pi / 180.0;
        const QPointF at = c + QPointF(std::cos(rad), -std::sin(rad)) * (R + 17);
        const QString text = QString::number(a, 'f', 0) + QChar(0x00B0);
        const double w = metrics.horizontalAdvance(text) + 2;
        angleLabels.append(
            {QRectF(at.x() - w / 2, at.y() - metrics.height() / 2, w, metrics.height()), text});
    }
    struct Mark {
        QLineF callout;
        QRectF box;
        QString text;
    };
    std::vector<Mark> marks;
    QPolygonF ring;
    for (const Point& p : m_points)
        ring << pixelOf(p);
    if (marksVisible) {
        const QRectF grid(c.x() - R, c.y() - R, 2 * R, 2 * R);
        for (std::size_t i = 0; i < m_points.size(); ++i) {
            const double rad = m_points[i].angle * std::numbers::pi / 180.0;
            const QPointF dir(std::cos(rad), -std::sin(rad));
            const QPointF point = ring[static_cast<int>(i)];
            const QString text = markText(m_points[i].value);
            const double w = metrics.horizontalAdvance(text) + 6;
            const double h = metrics.height() + 2;
            const auto place = [&](double side) {
                const QPointF from = point + dir * (4 * side);
                const QPointF to = point + dir * (12 * side);
                const QPointF mid = to + QPointF(dir.x() * w / 2, dir.y() * h / 2) * side;
                return Mark{QLineF(from, to), QRectF(mid.x() - w / 2, mid.y() - h / 2, w, h), text};
            };
            Mark mark = place(1);
            bool blocked = !grid.adjusted(-6, -6, 6, 6).contains(mark.box);
            for (const auto& label : angleLabels)
                blocked = blocked || label.first.intersects(mark.box);
            if (blocked)
                mark = place(-1);
            marks.push_back(mark);
        }
    }

    // Value rings and their values between the 90 and 135 degree spokes.
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1, Qt::DotLine));
    for (double v = step; v <= maximum * 1.0001; v += step)
        painter->drawEllipse(c, R * v / maximum, R * v / maximum);
    painter->setPen(QColor(0x50, 0x50, 0x50));
    const double labelAngle = 112.5 * std::numbers::pi / 180.0;
    for (double v = step; v <= maximum * 1.0001; v += step) {
        const QPointF at =
            c + QPointF(R * v / maximum * std::cos(labelAngle), -R * v / maximum * std::sin(labelAngle));
        const QString text = markText(v);
        const double w = metrics.horizontalAdvance(text) + 2;
        const QRectF box(at.x() - w / 2, at.y() - metrics.height() / 2, w, metrics.height());
        bool free = true;
        for (const Mark& m : marks)
            free = free && !m.box.intersects(box);
        if (free)
            painter->drawText(box, Qt::AlignCenter, text);
    }

    // Angle grid and labels.
    painter->setPen(QPen(Qt::black, 1));
    painter->drawEllipse(c, R, R);
    for (double a = 0; a < 360 - 1e-9; a += increment) {
        const double rad = a * std::numbers::pi / 180.0;
        painter->drawLine(c, c + QPointF(std::cos(rad), -std::sin(rad)) * R);
    }
    for (const auto& label : angleLabels)
        painter->drawText(label.first, Qt::AlignCenter, label.second);

    if (axisArrowsVisible) {
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::black);
        drawArrow(painter, c, c + QPointF(R + 6, 0), 12, 7);
        drawArrow(painter, c, c - QPointF(0, R + 6), 12, 7);
    }

    if (m_points.empty())
        return;
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(penColour, 2));
    painter->drawPolygon(ring);

    if (pointersVisible) {
        painter->setPen(QPen(pointerColour.darker(130), 1));
        painter->setBrush(pointerColour);
        for (const QPointF& px : ring)
            painter->drawRect(QRectF(px.x() - 3.5, px.y() - 3.5, 7, 7));
    }

    for (const Mark& m : marks) {
        painter->setPen(QPen(Qt::black, 1));
        painter->drawLine(m.callout);
        painter->setBrush(QColor(0xFF, 0xFF, 0xE1));
        painter->setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
        painter->drawRect(m.box);
        painter->setPen(Qt::black);
        painter->drawText(m.box, Qt::AlignCenter, m.text);
    }
}

}  // namespace vantrel
