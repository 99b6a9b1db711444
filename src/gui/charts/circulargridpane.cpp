#include "charts/circulargridpane.h"

#include "charts/cdialog_pm.h"
#include "charts/chartcontrol.h"
#include "charts/chartpicture.h"
#include "charts/cprintframe.h"
#include "common/prompter.h"
#include "graphs/circularprint.h"

#include <algorithm>
#include <climits>

namespace vantrel {

CircularGridPane::CircularGridPane(QWidget* parent) : ChartPane(parent)
{
    setObjectName(QStringLiteral("CircularGrid"));
}

CircularGridPane::~CircularGridPane() = default;

bool CircularGridPane::draw(const Graph& graph)
{
    const auto* circular = std::get_if<CircularGraph>(&graph);
    if (!circular || circular->charts.empty() || !m_charts.empty())
        return false;
    m_title = QString::fromStdString(circular->title);
    setFixedSize(circular->scrollWidth, circular->scrollHeight);
    for (const CircularChart& c : circular->charts) {
        auto* chart = new CDialog_PM(this);
        chart->setGeometry(c.cell.x, c.cell.y, c.cell.width, c.cell.height);
        chart->DrawCircularChart(c.values, QString::fromStdString(c.label));
        chart->show();
        m_charts.push_back(chart);
        connect(chart, &CDialog_PM::pointerMoved, this, &ChartPane::statusText);
        if (m_attached)
            m_attached(chart);
    }
    return true;
}

void CircularGridPane::attach(CommandRouter& router, Prompter& prompter, const Popup& popup)
{
    // The charts are made when the graph is drawn.
    m_attached = [&router, &prompter, popup](CDialog_PM* chart) {
        offerChartMenu(chart, router, prompter, popup);
    };
    for (CDialog_PM* chart : m_charts)
        m_attached(chart);
}

CPrintFrame* CircularGridPane::printFrame() const
{
    return m_printFrame;
}

CDialog_PM* CircularGridPane::chartAt(int index) const
{
    return index >= 0 && index < count() ? m_charts[static_cast<std::size_t>(index)] : nullptr;
}

void CircularGridPane::print(CommandRouter& router, Prompter& prompter)
{
    if (m_charts.empty()) {
        ChartPane::print(router, prompter);  // says there is no picture
        return;
    }
    if (!m_printFrame) {
        const auto pages = CircularPrintPageCount(m_charts.size());
        m_printFrame = new CPrintFrame(
            this, router, prompter, static_cast<int>(std::min<std::uint64_t>(pages, INT_MAX)),
            [this](QCPPainter& painter, const QSize& area, int page) { drawPrintPage(painter, area, page); });
    }
    m_printFrame->showMaximized();
    m_printFrame->raise();
    m_printFrame->activateWindow();
}

void CircularGridPane::drawPrintPage(QCPPainter& painter, const QSize& area, int page)
{
    for (std::size_t key = 0; key < m_charts.size(); ++key) {
        ChartControl* chart = m_charts[key]->chart();
        // The chart as the window shows it, scaled evenly into its cell.
        const QSize size = chart->width() > 1 && chart->height() > 1
            ? chart->size()
            : QSize(CDialog_PM::kSide, CDialog_PM::kSide);
        const auto cell =
            CircularPrintCell(key, page, area.width(), area.height(), size.width(), size.height());
        if (!cell)
            continue;
        painter.save();
        painter.translate(cell->x, cell->y);
        painter.scale(cell->width / size.width(), cell->height / size.height());
        chart->render(&painter, size);
        painter.restore();
    }
}

QString CircularGridPane::writePicture(const QString& path, QSize size)
{
    const QSize natural = m_charts.empty() ? QSize() : this->size();
    if (size.isEmpty())
        size = natural;
    const auto paint = [&](QCPPainter* painter) {
        // The grid as the window shows it, scaled evenly into the picture.
        const double scale = natural.isEmpty()
            ? 1.0
            : std::min(size.width() / double(natural.width()), size.height() / double(natural.height()));
        painter->fillRect(QRect(QPoint(0, 0), size), Qt::white);
        painter->translate((size.width() - natural.width() * scale) / 2,
                           (size.height() - natural.height() * scale) / 2);
        painter->scale(scale, scale);
        for (CDialog_PM* chart : m_charts) {
            painter->save();
            painter->translate(chart->pos());
            chart->chart()->render(painter, chart->size());
            painter->restore();
        }
    };
    return vantrel::writePicture(path, size, paint, m_title);
}

}  // namespace vantrel
