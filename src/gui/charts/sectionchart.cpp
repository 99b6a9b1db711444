#include "charts/sectionchart.h"

#include "common/prompter.h"
#include "charts/chartcontrol.h"
#include "charts/cdialog_pmpm.h"
#include "charts/charteditor.h"
#include "charts/colourgradients.h"
#include "charts/contourlayer.h"
#include "charts/polarseries.h"
#include "charts/sectionfileselector.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel {

namespace {

SectionRangeMode rangeModeOf(const ColourMapOptions& o)
{
    if (!o.automaticRange)
        return SectionRangeMode::Fixed;
    return o.everyFileRange ? SectionRangeMode::EveryFile : SectionRangeMode::Automatic;
}

bool sameReadings(const SectionGraph& graph)
{
    bool any = false;
    float first = 0;
    for (const float v : graph.values) {
        if (!std::isfinite(v))
            continue;
        if (any && v != first)
            return false;
        first = v;
        any = true;
    }
    return true;
}

}  // namespace

SectionChart::SectionChart(QWidget* parent)
    : ChartPane(parent), m_chart(new ChartControl(this)), m_files(new SectionFileSelector),
      m_noteLabel(new QLabel), m_graph(std::make_shared<const SectionGraph>())
{
    setObjectName(QStringLiteral("SectionChart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 2, 6, 0);
    bar->addWidget(m_files);
    bar->addWidget(m_noteLabel, 1);
    m_files->hide();
    m_noteLabel->setObjectName(QStringLiteral("SectionNote"));
    m_noteLabel->setWordWrap(true);
    m_noteLabel->hide();
    layout->addLayout(bar);
    layout->addWidget(m_chart, 1);
    m_chart->setBackground(Qt::white);
    m_chart->setFramed(true);
    m_chart->legend->setVisible(false);
    m_chart->setBottomAxisVisible(true);

    const int axis = m_chart->addCustomAxis();
    m_chart->setAxisGridVisible(axis, false);
    m_chart->setAxisTitle(axis, tr("Depth (m)"));
    // Plain ticks: the section's one axis runs the whole plot height, and its
    // ends may carry labels. Depths grow downward from 0 at the top.
    QCPAxis* depthAxis = m_chart->customAxis(axis);
    depthAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    depthAxis->setRangeReversed(true);
    depthAxis->axisRect()->axis(QCPAxis::atBottom)->setLabel(tr("Position (m)"));
    m_chart->addColourMap(axis);
    m_contours = new ContourLayer(m_chart, depthAxis->axisRect());
    m_chart->setColourMapReadout([this](double x, double depth) { return readout(x, depth); });
    m_chart->setBeforeRender([this] { settle(); });

    connect(m_chart, &ChartControl::pointerMoved, this, &SectionChart::pointerMoved);
    connect(m_chart, &ChartControl::colourMapOptionsChanged, this, &SectionChart::redraw);
    connect(m_chart, &ChartControl::contextMenuWanted, this, &SectionChart::contextMenuWanted);
    connect(m_files, &SectionFileSelector::fileChosen, this, &SectionChart::fileChosen);
}

SectionChart::~SectionChart()
{
    if (m_stop)
        *m_stop = true;
    m_working.waitForFinished();
}

void SectionChart::SetChartTitle(const QString& text)
{
    m_chart->setTitle(text);
}

void SectionChart::setGraph(const SectionGraph& graph)
{
    if (m_stop)
        *m_stop = true;
    m_working = {};
    m_workingOrder = {};
    m_newLevels = false;
    ++m_request;
    m_graph = std::make_shared<const SectionGraph>(graph);
    m_given = true;
    m_drawn = false;
    m_grid.reset();
    m_levels.clear();
    m_contours->setLines({});
    m_chart->colourScale()->axis()->setLabel(QString::fromStdString(graph.valueTitle));
    m_files->setFiles(m_fileList, graph.file);
    redraw();
}

void SectionChart::setFiles(const std::vector<int>& files, std::function<DataTable()> depth)
{
    m_everyFileSource = std::move(depth);
    m_everyFile.reset();
    m_everyFilePending = false;
    ++m_everyFileRequest;  // a range still being read is of another table
    m_fileList = files;
    m_files->setFiles(files, m_graph->file);
    m_files->setVisible(!files.empty());
    redraw();
}

void SectionChart::fillMap(const geo::SectionGrid* grid)
{
    QCPColorMapData* data = m_chart->colourMap()->data();
    const int axis = m_chart->colourMapAxis();
    if (!grid || grid->Empty()) {
        data->setSize(2, 2);
        data->setRange(QCPRange(0, 1), QCPRange(0, 1));
        data->fill(std::numeric_limits<double>::quiet_NaN());
        m_chart->setAxisMinMax(axis, 0, 1);
        return;
    }
    // QCPColorMap places its cells by their centres, the grid's nodes; a
    // single column or row is split in two so it keeps its width.
    const int nx = std::max(2, grid->columns);
    const int ny = std::max(2, grid->rows);
    const auto span = [](double first, double step, int count) {
        return count > 1 ? QCPRange(first, first + (count - 1) * step)
                         : QCPRange(first - step / 4, first + step / 4);
    };
    data->setSize(nx, ny);
    data->setRange(span(grid->x0, grid->dx, grid->columns), span(grid->depth0, grid->dDepth, grid->rows));
    for (int r = 0; r < ny; ++r) {
        const int row = r * grid->rows / ny;
        for (int c = 0; c < nx; ++c)
            data->setCell(c, r, grid->Value(row, c * grid->columns / nx));
    }
    // The axis starts at the surface even where the shallowest cell reaches above it.
    m_chart->setAxisMinMax(axis, 0.0, grid->Depth(grid->rows - 1) + grid->dDepth / 2);
}

void SectionChart::redraw()
{
    // Options set before the section is given are drawn with it.
    if (!m_given)
        return;
    const ColourMapOptions& o = m_chart->colourMapOptions();
    const SectionRangeMode mode = rangeModeOf(o);
    if (mode == SectionRangeMode::EveryFile && !everyFileRangeKnown()) {
        updateNote();
        return;
    }
    m_scale = ChooseSectionColourScale(*m_graph, o.logarithmic, mode, static_cast<float>(o.lower),
                                       static_cast<float>(o.upper), m_everyFile.value_or(ReadingRange{}));
    QCPColorMap* map = m_chart->colourMap();
    QCPColorScale* bar = m_chart->colourScale();
    map->setGradient(colourGradientAt(o.gradient));
    map->setDataScaleType(m_scale.logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    if (m_scale.logarithmic)
        bar->axis()->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
    else
        bar->axis()->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    map->setDataRange(QCPRange(m_scale.lower, m_scale.upper));

    // Levels follow the colour bar, so sections drawn on one range share them.
    std::vector<double> levels;
    m_noLevels = false;
    if (o.contours.mode != ContourChoice::Mode::Off && !m_graph->Empty()) {
        if (!sameReadings(*m_graph))
            levels = ContourLevels(o.contours, m_scale.lower, m_scale.upper, m_scale.logarithmic);
        m_noLevels = levels.empty();
    }
    const bool blend = o.gridMethod == geo::GridMethod::MeasuredCells && o.interpolate;
    SectionWork::Order order{m_graph, o.gridMethod, blend, nullptr, levels};
    const auto sameAs = [&](const SectionWork::Order& other) {
        return other.graph == order.graph && other.method == order.method && other.blend == order.blend &&
            other.levels == order.levels;
    };
    const bool sameGrid = m_workingOrder.graph == order.graph && !m_workingOrder.grid &&
        m_workingOrder.method == order.method && m_workingOrder.blend == order.blend;
    if (sameGrid && m_workingOrder.levels != order.levels) {
        // The grid being worked out still stands: the new lines follow it.
        m_newLevels = true;
    } else if (!(m_workingOrder.graph && sameAs(m_workingOrder))) {
        m_newLevels = false;
        if (m_workingOrder.graph) {
            // Overtaken: its result is not wanted any more.
            *m_stop = true;
            m_working = {};
            m_workingOrder = {};
            ++m_request;
        }
        const bool regrid = !m_drawn || m_gridMethod != o.gridMethod || m_gridBlend != blend;
        if (regrid || levels != m_levels) {
            if (!regrid)
                order.grid = m_grid;
            start(std::move(order));
        }
    }
    updateNote();
    m_chart->replot(QCustomPlot::rpQueuedReplot);
}

bool SectionChart::everyFileRangeKnown()
{
    if (m_everyFile)
        return true;
    if (m_everyFilePending)
        return false;
    if (!m_everyFileSource) {
        m_everyFile = ReadingRange{};
        return true;
    }
    DataTable depth = m_everyFileSource();
    if (m_synchronous || depth.RowCount() < kBackgroundRangeRows) {
        m_everyFile = SectionReadingRange(depth);
        return true;
    }
    // Tens of millions of readings take a second: the window stays live, and
    // the copy keeps the cells it reads whatever becomes of the table.
    m_everyFileWork = QtConcurrent::run([depth = std::move(depth)] { return SectionReadingRange(depth); });
    m_everyFilePending = true;
    auto* watcher = new QFutureWatcher<ReadingRange>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request = m_everyFileRequest] {
        watcher->deleteLater();
        if (request != m_everyFileRequest)
            return;
        m_everyFile = watcher->result();
        m_everyFilePending = false;
        redraw();
    });
    watcher->setFuture(m_everyFileWork);
    return false;
}

void SectionChart::start(SectionWork::Order order)
{
    ++m_request;
    // GDAL's gridding lays at least 256 x 128 nodes whatever the section, a
    // tenth of a second and more: it never holds up the interface. The
    // measured cells, and new lines over the grid drawn already, are quick
    // but for a large section.
    const bool gridding = !order.grid && order.method != geo::GridMethod::MeasuredCells;
    if (m_synchronous || (!gridding && order.graph->values.size() < kBackgroundCells)) {
        const SectionWork::Order kept = order;
        apply(runSectionWork(kept, {}), kept);
        return;
    }
    if (!m_drawn && gridding && order.graph->values.size() < kBackgroundCells) {
        // The readings' own cells at once, until the grid is ready.
        geo::GridResult cells = geo::GridSection(*order.graph, geo::GridMethod::MeasuredCells, order.blend);
        if (cells.Ok()) {
            m_grid = std::make_shared<const geo::SectionGrid>(std::move(cells.grid));
            fillMap(m_grid.get());
        }
    }
    auto stop = std::make_shared<std::atomic<bool>>(false);
    m_stop = stop;
    m_workingOrder = order;
    m_working = QtConcurrent::run(
        [order = std::move(order), stop] { return runSectionWork(order, [stop] { return !stop->load(); }); });
    auto* watcher = new QFutureWatcher<SectionWork>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request = m_request] {
        watcher->deleteLater();
        if (request == m_request)
            settle();
    });
    watcher->setFuture(m_working);
}

void SectionChart::settle()
{
    if (m_everyFilePending) {
        m_everyFile = m_everyFileWork.result();
        m_everyFilePending = false;
        ++m_everyFileRequest;  // its watcher has nothing left to do
        redraw();
    }
    // A grid's result may start the lines asked for while it was worked out.
    while (m_workingOrder.graph) {
        m_working.waitForFinished();
        SectionWork work = m_working.result();
        const SectionWork::Order order = std::move(m_workingOrder);
        m_workingOrder = {};
        m_working = {};
        apply(std::move(work), order);
    }
}

void SectionChart::apply(SectionWork work, const SectionWork::Order& order)
{
    if (work.cancelled)
        return;
    if (!order.grid) {
        m_grid = work.grid;
        m_gridMethod = order.method;
        m_gridBlend = order.blend;
        m_gridProblem = work.gridProblem;
        fillMap(m_grid.get());
    }
    m_drawn = true;
    m_levels = order.levels;
    m_contourProblem = work.contourProblem;
    m_contours->setLines(std::move(work.lines));
    if (m_newLevels) {
        m_newLevels = false;
        redraw();
    }
    updateNote();
    m_chart->replot(QCustomPlot::rpQueuedReplot);
    Q_EMIT pictureReady();
}

void SectionChart::updateNote()
{
    QStringList parts;
    if (m_graph->Empty())
        parts << tr("The depth data hold no readings to draw.");
    if (m_scale.because == SectionColourScale::Linear::ReadingsNotPositive)
        parts << tr("Some readings are 0 or below: the colour scale is linear.");
    else if (m_scale.because == SectionColourScale::Linear::RangeNotPositive)
        parts << tr("The fixed range reaches 0 or below: the colour scale is linear.");
    if (m_graph->skippedRows > 0)
        parts << tr("Depth rows without a number are left out: %1.").arg(m_graph->skippedRows);
    if (!m_gridProblem.empty())
        parts << tr("%1 It is drawn as measured cells.").arg(QString::fromStdString(m_gridProblem));
    if (m_noLevels)
        parts << tr("Every reading is the same: there are no contour lines to draw.");
    else if (!m_contourProblem.empty())
        parts << tr("The contour lines cannot be drawn: %1").arg(QString::fromStdString(m_contourProblem));
    if (m_everyFilePending)
        parts << tr("Reading the range of every file...");
    else if (m_workingOrder.graph)
        parts << tr("Working out the section's grid and contour lines...");
    const QString note = parts.join(QStringLiteral("  "));
    m_noteLabel->setText(note);
    m_noteLabel->setVisible(!note.isEmpty() && !m_fileList.empty());
    if (note != m_note) {
        m_note = note;
        Q_EMIT noteChanged(note);
    }
}

QString SectionChart::readout(double x, double depth) const
{
    const int h = SectionHeightAt(*m_graph, -depth);
    const int p = SectionPositionAt(*m_graph, x);
    if (h < 0 || p < 0)
        return {};
    const std::size_t hi = static_cast<std::size_t>(h);
    const std::size_t pi = static_cast<std::size_t>(p);
    const float v = m_graph->Value(hi, pi);
    return tr("x=%1  depth=%2  reading=%3")
        .arg(markText(m_graph->x[pi]), markText(m_graph->depths[hi]),
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
