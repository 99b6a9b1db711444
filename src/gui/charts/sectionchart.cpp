#include "charts/sectionchart.h"

#include "common/prompter.h"
#include "charts/chartcontrol.h"
#include "charts/charteditor.h"
#include "charts/cdialog_pmpm.h"
#include "charts/colourgradients.h"
#include "charts/polarseries.h"

#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vantrel {

SectionChart::SectionChart(QWidget* parent) : ChartPane(parent), m_chart(new ChartControl(this))
{
    setObjectName(QStringLiteral("SectionChart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chart);
    m_chart->setBackground(Qt::white);
    m_chart->setFramed(true);
    m_chart->legend->setVisible(false);
    m_chart->setBottomAxisVisible(true);

    const int axis = m_chart->addCustomAxis();
    m_chart->setAxisGridVisible(axis, false);
    m_chart->setAxisTitle(axis, tr("Height (m)"));
    // Plain ticks: the section's one axis runs the whole plot height, and its
    // ends may carry labels.
    m_chart->customAxis(axis)->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    m_chart->customAxis(axis)->axisRect()->axis(QCPAxis::atBottom)->setLabel(tr("Position"));
    m_chart->addColourMap(axis);
    m_chart->setColourMapReadout([this](double x, double y) { return readout(x, y); });

    connect(m_chart, &ChartControl::pointerMoved, this, &SectionChart::pointerMoved);
    connect(m_chart, &ChartControl::colourMapOptionsChanged, this, &SectionChart::redraw);
    connect(m_chart, &ChartControl::contextMenuWanted, this, &SectionChart::contextMenuWanted);
}

void SectionChart::SetChartTitle(const QString& text)
{
    m_chart->setTitle(text);
}

void SectionChart::setGraph(const SectionGraph& graph)
{
    m_graph = graph;
    m_drawn = false;
    m_chart->colourScale()->axis()->setLabel(QString::fromStdString(graph.valueTitle));
    redraw();
}

void SectionChart::fillMap(bool interpolate)
{
    const SectionRaster raster = RasterizeSection(m_graph, interpolate);
    QCPColorMapData* data = m_chart->colourMap()->data();
    // QCPColorMap places its cells by their centres; at least two each way
    // keep a one-column section as wide as its band.
    const int nx = std::max(2, raster.columns);
    const int ny = std::max(2, raster.rows);
    const double dx = (raster.xUpper - raster.xLower) / nx;
    const double dy = (raster.yUpper - raster.yLower) / ny;
    data->setSize(nx, ny);
    data->setRange(QCPRange(raster.xLower + dx / 2, raster.xUpper - dx / 2),
                   QCPRange(raster.yLower + dy / 2, raster.yUpper - dy / 2));
    if (raster.cells.empty()) {
        data->fill(std::nan(""));
    } else {
        for (int r = 0; r < ny; ++r) {
            const std::size_t row = static_cast<std::size_t>(r * raster.rows / ny);
            const float* cells = raster.cells.data() + row * static_cast<std::size_t>(raster.columns);
            for (int c = 0; c < nx; ++c)
                data->setCell(c, r, cells[c * raster.columns / nx]);
        }
    }
    m_chart->setAxisMinMax(m_chart->colourMapAxis(), raster.yLower, raster.yUpper);
    m_mapInterpolated = interpolate;
}

void SectionChart::redraw()
{
    const ColourMapOptions& o = m_chart->colourMapOptions();
    if (!m_drawn || m_mapInterpolated != o.interpolate)
        fillMap(o.interpolate);
    m_drawn = true;
    m_scale = ChooseSectionColourScale(m_graph, o.logarithmic, !o.automaticRange, static_cast<float>(o.lower),
                                       static_cast<float>(o.upper));
    QCPColorMap* map = m_chart->colourMap();
    QCPColorScale* bar = m_chart->colourScale();
    map->setGradient(colourGradientAt(o.gradient));
    map->setDataScaleType(m_scale.logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    if (m_scale.logarithmic)
        bar->axis()->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
    else
        bar->axis()->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    map->setDataRange(QCPRange(m_scale.lower, m_scale.upper));

    QString note;
    if (m_graph.Empty())
        note = tr("The depth data hold no readings to draw.");
    else if (m_scale.because == SectionColourScale::Linear::ReadingsNotPositive)
        note = tr("Some readings are 0 or below: the colour scale is linear.");
    else if (m_scale.because == SectionColourScale::Linear::RangeNotPositive)
        note = tr("The fixed range reaches 0 or below: the colour scale is linear.");
    if (note != m_note) {
        m_note = note;
        Q_EMIT noteChanged(note);
    }
    m_chart->replot(QCustomPlot::rpQueuedReplot);
}

QString SectionChart::readout(double x, double y) const
{
    const int h = SectionHeightAt(m_graph, y);
    const int p = SectionPositionAt(m_graph, x);
    if (h < 0 || p < 0)
        return {};
    const std::size_t hi = static_cast<std::size_t>(h);
    const std::size_t pi = static_cast<std::size_t>(p);
    const float v = m_graph.Value(hi, pi);
    return tr("x=%1  height=%2  reading=%3")
        .arg(markText(m_graph.x[pi]), markText(m_graph.heights[hi]),
             std::isfinite(v) ? markText(v) : tr("none"));
}

QMenu* SectionChart::createContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->addAction(ChartEditor::propertiesText())->setData(kPropertiesCommand);
    return menu;
}

void SectionChart::OnProperties(Prompter& prompter)
{
    ChartEditor::edit(*m_chart, this, prompter);
}

bool SectionChart::draw(const Graph& graph)
{
    const auto* section = std::get_if<SectionGraph>(&graph);
    if (!section)
        return false;
    setMinimumHeight(CDialog_PMPM::kTitleRoom + 4 * CDialog_PMPM::kMinimumBand);
    SetChartTitle(QString::fromStdString(section->title));
    setGraph(*section);
    return true;
}

void SectionChart::attach(CommandRouter& router, Prompter& prompter, const Popup& popup)
{
    connect(this, &SectionChart::pointerMoved, this, &ChartPane::statusText);
    connect(this, &SectionChart::noteChanged, this, &ChartPane::statusText);
    offerChartMenu(this, router, prompter, popup);
}

}  // namespace vantrel
