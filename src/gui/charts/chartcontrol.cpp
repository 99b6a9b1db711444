#include "charts/chartcontrol.h"

#include "charts/bandlayout.h"
#include "charts/bandticker.h"
#include "charts/chartpicture.h"
#include "charts/polarseries.h"
#include "charts/seriesregion.h"

#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

constexpr double kAxisPadding = 0.08;  // of an automatic axis' span, above and below its data
constexpr int kTickSpacing = 28;       // pixels between tick labels on a band axis

void drawLoweredBevel(QPainter& painter, const QRect& r)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.restore();
}

double interpolatedValue(const QCPGraphDataContainer& data, double x)
{
    if (data.isEmpty())
        return std::nan("");
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

ChartControl::ChartControl(QWidget* parent) : QCustomPlot(parent)
{
    setBackground(Qt::white);
    setMouseTracking(true);
    setAntialiasedElements(QCP::aeAll);
    setNotAntialiasedElements(QCP::aeAxes | QCP::aeGrid);
    setNoAntialiasingOnDrag(true);
    setPlottingHint(QCP::phCacheLabels, true);
    // No chart shows a legend; filling one costs a search of it per series.
    setAutoAddPlottableToLegend(false);

    // Row 0 the title, row 1 the bands. The first axis rect stays as the
    // base over the whole band area: polar series draw in it.
    m_base = axisRect();
    plotLayout()->take(m_base);
    plotLayout()->simplify();
    m_title = new QCPTextElement(this, QString(), QFont(font().family(), 11, QFont::Bold));
    plotLayout()->addElement(0, 0, m_title);
    m_bands = new BandLayout;
    plotLayout()->addElement(1, 0, m_bands);
    plotLayout()->setRowSpacing(0);
    m_bands->addElement(m_base);
    for (QCPAxis* a : m_base->axes())
        a->setVisible(false);
    m_base->setAutoMargins(QCP::msNone);
    m_base->setMargins(QMargins(4, 4, 4, 4));
    m_margins = new QCPMarginGroup(this);
    setTitleVisible(false);
    connect(this, &QCustomPlot::beforeReplot, this, [this] {
        refresh();  // may ask for a replot: this one is it
        m_replotPending = false;
    });
}

ChartControl::~ChartControl()
{
    if (!m_title->layout())
        delete m_title;
}

// --- Series -------------------------------------------------------------------

const ChartControl::Series* ChartControl::seriesEntry(int series) const
{
    return series >= 0 && series < seriesCount() ? &m_series[static_cast<std::size_t>(series)] : nullptr;
}

ChartControl::Series* ChartControl::seriesEntry(int series)
{
    return series >= 0 && series < seriesCount() ? &m_series[static_cast<std::size_t>(series)] : nullptr;
}

QCPGraph* ChartControl::seriesGraph(int series) const
{
    const Series* s = seriesEntry(series);
    return s ? s->graph : nullptr;
}

PolarSeries* ChartControl::polarSeries(int series) const
{
    const Series* s = seriesEntry(series);
    return s ? s->polar : nullptr;
}

int ChartControl::addSeries(SeriesKind kind)
{
    Series s;
    s.kind = kind;
    if (kind == SeriesKind::Polar) {
        s.polar = new PolarSeries(this, m_base);
        s.polar->penColour = s.colour;
    } else {
        s.graph = addGraph(m_base->axis(QCPAxis::atBottom), m_base->axis(QCPAxis::atLeft));
        s.graph->setPen(QPen(s.colour, 1));
        s.graph->setAdaptiveSampling(true);
    }
    m_series.push_back(s);
    requestReplot();
    return seriesCount() - 1;
}

void ChartControl::addPoint(int series, double x, double y, int colourValue)
{
    Series* s = seriesEntry(series);
    if (!s)
        return;
    s->colourValues.push_back(colourValue);
    if (s->polar)
        s->polar->addPoint(x, y);
    else
        s->graph->addData(x, y);
    if (Axis* a = axisEntry(s->axis); a && a->automatic)
        fitAxis(*a);
    requestReplot();
}

void ChartControl::addPoints(int series, const QVector<double>& x, const QVector<double>& y)
{
    Series* s = seriesEntry(series);
    if (!s)
        return;
    const qsizetype n = std::min(x.size(), y.size());
    s->colourValues.resize(s->colourValues.size() + static_cast<std::size_t>(n), 0);
    if (s->polar) {
        for (qsizetype i = 0; i < n; ++i)
            s->polar->addPoint(x[i], y[i]);
    } else {
        s->graph->addData(x.mid(0, n), y.mid(0, n), std::is_sorted(x.begin(), x.begin() + n));
    }
    if (Axis* a = axisEntry(s->axis); a && a->automatic)
        fitAxis(*a);
    requestReplot();
}

int ChartControl::pointCount(int series) const
{
    const Series* s = seriesEntry(series);
    if (!s)
        return 0;
    return s->polar ? static_cast<int>(s->polar->points().size()) : s->graph->dataCount();
}

void ChartControl::setSeriesColour(int series, const QColor& colour)
{
    Series* s = seriesEntry(series);
    if (!s)
        return;
    s->colour = colour;
    if (s->polar)
        s->polar->penColour = colour;
    else
        s->graph->setPen(QPen(colour, s->graph->pen().widthF()));
    requestReplot();
}

QColor ChartControl::seriesColour(int series) const
{
    const Series* s = seriesEntry(series);
    return s ? s->colour : QColor();
}

void ChartControl::setSeriesVisible(int series, bool visible)
{
    Series* s = seriesEntry(series);
    if (!s)
        return;
    s->visible = visible;
    if (s->polar)
        s->polar->setVisible(visible);
    else
        s->graph->setVisible(visible);
    requestReplot();
}

bool ChartControl::seriesVisible(int series) const
{
    const Series* s = seriesEntry(series);
    return s && s->visible;
}

void ChartControl::setSeriesAxis(int series, int axis)
{
    Series* s = seriesEntry(series);
    Axis* a = axisEntry(axis);
    if (!s || !a || !s->graph)
        return;
    s->axis = axis;
    s->graph->setKeyAxis(a->rect->axis(QCPAxis::atBottom));
    s->graph->setValueAxis(a->rect->axis(QCPAxis::atLeft));
    if (a->automatic)
        fitAxis(*a);
    requestReplot();
}

int ChartControl::seriesAxis(int series) const
{
    const Series* s = seriesEntry(series);
    return s ? s->axis : -1;
}

// --- Custom axes ----------------------------------------------------------------

const ChartControl::Axis* ChartControl::axisEntry(int axis) const
{
    return axis >= 0 && axis < customAxisCount() ? &m_axes[static_cast<std::size_t>(axis)] : nullptr;
}

ChartControl::Axis* ChartControl::axisEntry(int axis)
{
    return axis >= 0 && axis < customAxisCount() ? &m_axes[static_cast<std::size_t>(axis)] : nullptr;
}

int ChartControl::addCustomAxis()
{
    auto* rect = new QCPAxisRect(this, true);
    m_bands->addElement(rect);
    rect->setMarginGroup(QCP::msLeft | QCP::msRight, m_margins);
    rect->setAutoMargins(QCP::msLeft | QCP::msRight | QCP::msBottom);
    rect->setMargins(QMargins(0, 2, 0, 2));
    rect->setMinimumMargins(QMargins(8, 2, 14, 2));
    rect->setMinimumSize(0, 0);
    rect->axis(QCPAxis::atTop)->setVisible(false);
    rect->axis(QCPAxis::atRight)->setVisible(false);
    QCPAxis* y = rect->axis(QCPAxis::atLeft);
    QFont small = font();
    small.setPointSizeF(7.5);
    y->setTickLabelFont(small);
    y->setLabelFont(small);
    y->setLabelPadding(2);
    y->setTickLabelPadding(3);
    y->setRange(0, 1);
    y->setTicker(QSharedPointer<QCPAxisTicker>(new BandTicker));
    QCPAxis* x = rect->axis(QCPAxis::atBottom);
    x->setTickLabelFont(small);
    x->setRange(m_xRange);
    Axis axis;
    axis.rect = rect;
    m_axes.push_back(axis);
    requestReplot();
    return customAxisCount() - 1;
}

QCPAxis* ChartControl::customAxis(int axis) const
{
    const_cast<ChartControl*>(this)->refresh();
    const Axis* a = axisEntry(axis);
    return a ? a->rect->axis(QCPAxis::atLeft) : nullptr;
}

void ChartControl::setAxisStartPosition(int axis, double percent)
{
    if (axisEntry(axis))
        m_bands->setBand(axis + 1, percent, m_bands->bandEnd(axis + 1));
    requestReplot();
}

void ChartControl::setAxisEndPosition(int axis, double percent)
{
    if (axisEntry(axis))
        m_bands->setBand(axis + 1, m_bands->bandStart(axis + 1), percent);
    requestReplot();
}

double ChartControl::axisStartPosition(int axis) const
{
    return axisEntry(axis) ? m_bands->bandStart(axis + 1) : 0;
}

double ChartControl::axisEndPosition(int axis) const
{
    return axisEntry(axis) ? m_bands->bandEnd(axis + 1) : 0;
}

void ChartControl::setAxisMinMax(int axis, double minimum, double maximum)
{
    Axis* a = axisEntry(axis);
    if (!a)
        return;
    a->automatic = false;
    a->minimum = minimum;
    a->maximum = maximum;
    a->rect->axis(QCPAxis::atLeft)->setRange(minimum, maximum);
    requestReplot();
}

void ChartControl::fitAxis(Axis& axis)
{
    double lo = 0;
    double hi = 0;
    bool any = false;
    const int index = static_cast<int>(&axis - m_axes.data());
    for (const Series& s : m_series) {
        if (!s.graph || s.axis != index)
            continue;
        bool found = false;
        const QCPRange r = s.graph->data()->valueRange(found);
        if (!found)
            continue;
        lo = any ? std::min(lo, r.lower) : r.lower;
        hi = any ? std::max(hi, r.upper) : r.upper;
        any = true;
    }
    if (!any)
        return;
    double pad = (hi - lo) * kAxisPadding;
    if (!(pad > 0))
        pad = std::max(std::abs(hi) * 0.1, 0.5);
    axis.rect->axis(QCPAxis::atLeft)->setRange(lo - pad, hi + pad);
}

void ChartControl::setAxisAutomatic(int axis, bool automatic)
{
    Axis* a = axisEntry(axis);
    if (!a)
        return;
    a->automatic = automatic;
    if (automatic)
        fitAxis(*a);
    else
        a->rect->axis(QCPAxis::atLeft)->setRange(a->minimum, a->maximum);
    requestReplot();
}

bool ChartControl::axisAutomatic(int axis) const
{
    const Axis* a = axisEntry(axis);
    return a && a->automatic;
}

void ChartControl::setAxisTitle(int axis, const QString& text)
{
    Axis* a = axisEntry(axis);
    if (!a)
        return;
    a->title = text;
    a->rect->axis(QCPAxis::atLeft)->setLabel(a->titleVisible ? text : QString());
    requestReplot();
}

void ChartControl::setAxisTitleVisible(int axis, bool visible)
{
    Axis* a = axisEntry(axis);
    if (!a)
        return;
    a->titleVisible = visible;
    a->rect->axis(QCPAxis::atLeft)->setLabel(visible ? a->title : QString());
    requestReplot();
}

QString ChartControl::axisTitle(int axis) const
{
    const Axis* a = axisEntry(axis);
    return a ? a->title : QString();
}

bool ChartControl::axisTitleVisible(int axis) const
{
    const Axis* a = axisEntry(axis);
    return a && a->titleVisible;
}

void ChartControl::setAxisGridVisible(int axis, bool visible)
{
    if (const Axis* a = axisEntry(axis))
        a->rect->axis(QCPAxis::atLeft)->grid()->setVisible(visible);
    requestReplot();
}

void ChartControl::setAxisMinorTicks(int axis, bool visible, int count)
{
    const Axis* a = axisEntry(axis);
    if (!a)
        return;
    QCPAxis* y = a->rect->axis(QCPAxis::atLeft);
    y->setSubTicks(visible && count > 0);
    requestReplot();
}

void ChartControl::setAxisTag(int axis, const QString& tag)
{
    if (Axis* a = axisEntry(axis))
        a->tag = tag;
}

void ChartControl::setBottomAxisVisible(bool visible)
{
    m_bottomAxisVisible = visible;
    requestReplot();
}

// --- Tools ------------------------------------------------------------------------

int ChartControl::addRegionTool(const RegionStyle& style)
{
    auto* region = new SeriesRegion(this);
    if (QCPGraph* graph = seriesGraph(style.series))
        region->setSeries(graph);
    region->originLevel = style.originLevel;
    region->lowerX = style.lowerX;
    region->upperX = style.upperX;
    if (style.fillColour)
        region->fillColour = *style.fillColour;
    region->penColour = style.penColour;
    region->gradientVisible = style.gradientVisible;
    region->gradientStart = style.gradientStart.value_or(QColor(Qt::white));
    region->gradientEnd = style.gradientEnd.value_or(QColor(Qt::white));
    region->setVisible(m_regionsVisible);
    m_tools.emplace_back(region);
    requestReplot();
    return toolCount() - 1;
}

SeriesRegion* ChartControl::regionTool(int tool) const
{
    if (tool < 0 || tool >= toolCount())
        return nullptr;
    auto* const* region = std::get_if<SeriesRegion*>(&m_tools[static_cast<std::size_t>(tool)]);
    return region ? *region : nullptr;
}

int ChartControl::addBannerTool(const QString& text)
{
    auto* banner = new QCPItemText(this);
    banner->setClipToAxisRect(false);
    banner->position->setType(QCPItemPosition::ptViewportRatio);
    banner->position->setCoords(1, 0);
    banner->setPositionAlignment(Qt::AlignTop | Qt::AlignRight);
    banner->setTextAlignment(Qt::AlignCenter);
    banner->setPadding(QMargins(6, 6, 8, 4));
    QFont f = font();
    f.setPointSizeF(9);
    f.setBold(true);
    banner->setFont(f);
    banner->setText(text);
    banner->setSelectable(false);
    m_tools.emplace_back(banner);
    requestReplot();
    return toolCount() - 1;
}

QCPItemText* ChartControl::bannerTool(int tool) const
{
    if (tool < 0 || tool >= toolCount())
        return nullptr;
    auto* const* banner = std::get_if<QCPItemText*>(&m_tools[static_cast<std::size_t>(tool)]);
    return banner ? *banner : nullptr;
}

void ChartControl::setBannerText(int tool, const QString& text)
{
    if (QCPItemText* banner = bannerTool(tool)) {
        banner->setText(text);
        requestReplot();
    }
}

void ChartControl::setRegionsVisible(bool visible)
{
    m_regionsVisible = visible;
    for (const Tool& t : m_tools)
        if (auto* const* region = std::get_if<SeriesRegion*>(&t))
            (*region)->setVisible(visible);
    requestReplot();
}

// --- Colour map -------------------------------------------------------------------

QCPColorMap* ChartControl::addColourMap(int axis)
{
    const Axis* a = axisEntry(axis);
    if (m_colourMap || !a)
        return m_colourMap;
    m_colourMapAxis = axis;
    m_colourMap = new QCPColorMap(a->rect->axis(QCPAxis::atBottom), a->rect->axis(QCPAxis::atLeft));
    m_colourMap->setInterpolate(false);
    m_colourScale = new QCPColorScale(this);
    m_colourScale->setType(QCPAxis::atRight);
    m_colourScale->setBarWidth(14);
    QFont small = font();
    small.setPointSizeF(7.5);
    m_colourScale->axis()->setTickLabelFont(small);
    m_colourScale->axis()->setLabelFont(small);
    m_colourMap->setColorScale(m_colourScale);
    int row = 0;
    while (row < plotLayout()->rowCount() && plotLayout()->element(row, 0) != m_bands)
        ++row;
    plotLayout()->addElement(row, 1, m_colourScale);
    plotLayout()->setColumnStretchFactor(1, 0.01);
    // The bar stands as tall as the plot beside it.
    auto* level = new QCPMarginGroup(this);
    a->rect->setMarginGroup(QCP::msTop | QCP::msBottom, level);
    m_colourScale->setMarginGroup(QCP::msTop | QCP::msBottom, level);
    requestReplot();
    return m_colourMap;
}

void ChartControl::setColourMapReadout(std::function<QString(double, double)> readout)
{
    m_colourMapReadout = std::move(readout);
}

void ChartControl::setColourMapOptions(const ColourMapOptions& options)
{
    if (options == m_colourOptions)
        return;
    m_colourOptions = options;
    Q_EMIT colourMapOptionsChanged();
    requestReplot();
}

// --- Title and pictures -------------------------------------------------------------

void ChartControl::setTitle(const QString& text)
{
    m_title->setText(text);
    setTitleVisible(!text.isEmpty());
}

QString ChartControl::title() const
{
    return m_title->text();
}

bool ChartControl::titleVisible() const
{
    return m_title->visible();
}

void ChartControl::setTitleVisible(bool visible)
{
    m_title->setVisible(visible);
    // A hidden title leaves the layout, so it takes no room.
    const bool placed = m_title->layout() != nullptr;
    if (visible && !placed) {
        plotLayout()->insertRow(0);
        plotLayout()->addElement(0, 0, m_title);
    } else if (!visible && placed) {
        plotLayout()->take(m_title);
        plotLayout()->simplify();
    }
    requestReplot();
}

void ChartControl::updateBands(int plotHeight)
{
    const int bandArea = std::max(1, plotHeight - (m_title->visible() ? 30 : 0));
    int lowest = -1;
    for (int i = 0; i < customAxisCount(); ++i) {
        const Axis& a = m_axes[static_cast<std::size_t>(i)];
        const double share = std::abs(axisEndPosition(i) - axisStartPosition(i)) / 100.0;
        const int pixels = static_cast<int>(bandArea * share);
        a.rect->axis(QCPAxis::atLeft)->ticker()->setTickCount(std::clamp(pixels / kTickSpacing, 2, 6));
        a.rect->axis(QCPAxis::atBottom)->setVisible(false);
        // The bottom band is the one reaching lowest down the plot.
        if (lowest < 0 ||
            std::max(axisStartPosition(i), axisEndPosition(i)) >
                std::max(axisStartPosition(lowest), axisEndPosition(lowest)))
            lowest = i;
    }
    if (lowest >= 0 && m_bottomAxisVisible)
        m_axes[static_cast<std::size_t>(lowest)].rect->axis(QCPAxis::atBottom)->setVisible(true);
}

void ChartControl::render(QCPPainter* painter, const QSize& size)
{
    if (m_beforeRender)
        m_beforeRender();
    refresh();
    updateBands(size.height());
    // Like the widget, the picture ends at the chart's edge: marks near the
    // rim never spill onto what lies beside it (a neighbour on a page).
    painter->save();
    painter->setClipRect(QRect(QPoint(0, 0), size),
                         painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    toPainter(painter, size.width(), size.height());
    if (m_framed)
        drawLoweredBevel(*painter, QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter->restore();
    updateBands(height());
}

bool ChartControl::print(QPrinter& printer)
{
    QCPPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The chart keeps the proportions it has on screen and fills the
    // printable area. It is laid out at the size the area has at screen
    // resolution, so its texts come out on paper as large as on screen
    // whatever the window's size.
    constexpr double kScreenDpi = 96.0;
    const double toPaper = printer.resolution() / kScreenDpi;
    const QSizeF area(printer.width(), printer.height());
    const QSizeF onScreen = width() > 1 && height() > 1 ? QSizeF(width(), height()) : QSizeF(1200, 800);
    const double fit =
        std::min(area.width() / toPaper / onScreen.width(), area.height() / toPaper / onScreen.height());
    const QSize size = (onScreen * fit).toSize().expandedTo(QSize(1, 1));
    painter.translate((area.width() - size.width() * toPaper) / 2,
                      (area.height() - size.height() * toPaper) / 2);
    painter.scale(toPaper, toPaper);
    render(&painter, size);
    return painter.end();
}

QString ChartControl::exportPicture(const QString& path, const QSize& size)
{
    return writePicture(
        path, size, [this, size](QCPPainter* painter) { render(painter, size); }, title());
}

// --- Views -----------------------------------------------------------------------------

void ChartControl::rescaleAll()
{
    bool any = false;
    QCPRange all;
    for (const Series& s : m_series) {
        if (!s.graph)
            continue;
        bool found = false;
        const QCPRange r = s.graph->data()->keyRange(found);
        if (!found)
            continue;
        all = any ? QCPRange(std::min(all.lower, r.lower), std::max(all.upper, r.upper)) : r;
        any = true;
    }
    if (m_colourMap && m_colourMap->data()->keySize() > 1) {
        // The map's key range runs from centre to centre of its outer cells.
        const QCPColorMapData* d = m_colourMap->data();
        const double half = d->keyRange().size() / (d->keySize() - 1) / 2;
        const QCPRange r(d->keyRange().lower - half, d->keyRange().upper + half);
        all = any ? QCPRange(std::min(all.lower, r.lower), std::max(all.upper, r.upper)) : r;
        any = true;
    }
    if (any) {
        if (all.size() <= 0)
            all = QCPRange(all.lower - 0.5, all.upper + 0.5);
        m_home = all;
        applyXRange(all);
    }
    for (Axis& a : m_axes)
        if (a.automatic)
            fitAxis(a);
}

void ChartControl::applyXRange(const QCPRange& range)
{
    m_xRange = range;
    for (Axis& a : m_axes)
        a.rect->axis(QCPAxis::atBottom)->setRange(range);
}

void ChartControl::resetView()
{
    for (Series& s : m_series)
        if (s.polar)
            s.polar->zoom = 1;
    m_userView = false;
    m_dirty = true;
    refresh();
    replot();
}

QCPRange ChartControl::xRange() const
{
    const_cast<ChartControl*>(this)->refresh();
    return m_xRange;
}

bool ChartControl::isHomeView() const
{
    for (const Series& s : m_series)
        if (s.polar && s.polar->zoom != 1)
            return false;
    return !m_userView;
}

void ChartControl::requestReplot()
{
    // The fitting waits for the next paint: a curve with many regions asks
    // for it once per region.
    m_dirty = true;
    if (isVisible())
        scheduleReplot();
    else
        m_replotPending = true;  // the first paint draws it
}

void ChartControl::scheduleReplot()
{
    // Every change, resize and zoom step before the next turn of the event
    // loop makes one replot, whether the loop or a paint comes first.
    m_replotPending = true;
    if (m_replotPosted)
        return;
    m_replotPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_replotPosted = false;
            if (m_replotPending)
                replot();
        },
        Qt::QueuedConnection);
}

void ChartControl::refresh()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    if (!m_userView) {
        rescaleAll();
    } else {
        for (Axis& a : m_axes)
            if (a.automatic)
                fitAxis(a);
    }
    updateBands(height());
}

void ChartControl::resizeEvent(QResizeEvent* event)
{
    // QCustomPlot replots at once on every resize, and a new window is
    // resized more than once while it is laid out: the replot waits.
    updateBands(event->size().height());
    setViewport(rect());
    scheduleReplot();
}

QCPAxisRect* ChartControl::rectAt(const QPointF& pos) const
{
    for (const Axis& a : m_axes)
        if (a.rect->rect().contains(pos.toPoint()))
            return a.rect;
    return m_base->rect().contains(pos.toPoint()) ? m_base : nullptr;
}

void ChartControl::zoomAt(double pixelX, double factor)
{
    if (m_axes.empty())
        return;
    refresh();
    m_userView = true;
    QCPAxis* x = m_axes.front().rect->axis(QCPAxis::atBottom);
    const double centre = x->pixelToCoord(pixelX);
    applyXRange(
        QCPRange(centre + (m_xRange.lower - centre) * factor, centre + (m_xRange.upper - centre) * factor));
}

QString ChartControl::pointerText(const QPoint& pos) const
{
    const_cast<ChartControl*>(this)->refresh();
    QCPAxisRect* rect = rectAt(pos);
    if (!rect)
        return {};
    if (rect == m_base) {
        for (const Series& s : m_series) {
            if (!s.polar || !s.visible || s.polar->points().empty())
                continue;
            // The nearest point of the ring.
            double best = 1e300;
            const PolarSeries::Point* nearest = nullptr;
            for (const PolarSeries::Point& p : s.polar->points()) {
                const QPointF d = s.polar->pixelOf(p) - QPointF(pos);
                const double dist = d.x() * d.x() + d.y() * d.y();
                if (dist < best) {
                    best = dist;
                    nearest = &p;
                }
            }
            if (nearest && best <= 30 * 30)
                return QStringLiteral("angle=%1°  reading=%2")
                    .arg(markText(nearest->angle), markText(nearest->value));
        }
        return {};
    }
    for (int i = 0; i < customAxisCount(); ++i) {
        const Axis& a = m_axes[static_cast<std::size_t>(i)];
        if (a.rect != rect)
            continue;
        const double x = rect->axis(QCPAxis::atBottom)->pixelToCoord(pos.x());
        if (i == m_colourMapAxis && m_colourMapReadout)
            return m_colourMapReadout(x, rect->axis(QCPAxis::atLeft)->pixelToCoord(pos.y()));
        QString text = QStringLiteral("x=%1").arg(markText(x));
        if (!a.tag.isEmpty())
            text += QStringLiteral("  ") + a.tag;
        for (const Series& s : m_series)
            if (s.axis == i && s.graph && s.visible && !s.graph->data()->isEmpty()) {
                text += QStringLiteral("  reading=%1").arg(markText(interpolatedValue(*s.graph->data(), x)));
                break;
            }
        return text;
    }
    return {};
}

// --- Mouse ------------------------------------------------------------------------------

void ChartControl::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0) {
        event->ignore();
        return;
    }
    const double factor = std::pow(0.85, steps);
    if (m_axes.empty()) {
        for (Series& s : m_series)
            if (s.polar)
                s.polar->zoom = std::clamp(s.polar->zoom / factor, 0.05, 50.0);
        requestReplot();
    } else {
        zoomAt(event->position().x(), factor);
    }
    event->accept();
    scheduleReplot();
}

void ChartControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !m_axes.empty() && rectAt(event->position())) {
        m_dragging = true;
        m_dragFrom = event->position();
        refresh();
        m_dragRange = m_xRange;
        setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    event->ignore();
}

void ChartControl::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && !m_axes.empty()) {
        QCPAxis* x = m_axes.front().rect->axis(QCPAxis::atBottom);
        const double shift = x->pixelToCoord(m_dragFrom.x()) - x->pixelToCoord(event->position().x());
        m_userView = true;
        applyXRange(QCPRange(m_dragRange.lower + shift, m_dragRange.upper + shift));
        scheduleReplot();
    }
    Q_EMIT pointerMoved(pointerText(event->position().toPoint()));
    event->accept();
}

void ChartControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        unsetCursor();
    }
    event->accept();
}

void ChartControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        resetView();
    event->accept();
}

void ChartControl::leaveEvent(QEvent* event)
{
    Q_EMIT pointerMoved(QString());
    QCustomPlot::leaveEvent(event);
}

void ChartControl::contextMenuEvent(QContextMenuEvent* event)
{
    Q_EMIT contextMenuWanted(event->globalPos());
    event->accept();
}

void ChartControl::paintEvent(QPaintEvent* event)
{
    if (m_replotPending)
        replot(QCustomPlot::rpQueuedRefresh);
    QCustomPlot::paintEvent(event);
    if (m_framed) {
        QPainter painter(this);
        drawLoweredBevel(painter, rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace vantrel
