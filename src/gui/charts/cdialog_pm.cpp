#include "charts/cdialog_pm.h"

#include "charts/chartcontrol.h"
#include "charts/charteditor.h"
#include "charts/polarseries.h"

#include <QMenu>
#include <QVBoxLayout>

namespace vantrel {

CDialog_PM::CDialog_PM(QWidget* parent) : QWidget(parent), m_chart(new ChartControl(this))
{
    setObjectName(QStringLiteral("CircularChartDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chart);
    m_chart->setBackground(Qt::white);
    m_chart->setFramed(true);
    m_chart->legend->setVisible(false);
    const int series = m_chart->addSeries(ChartControl::SeriesKind::Polar);
    m_chart->setSeriesColour(series, Qt::red);
    PolarSeries* polar = m_chart->polarSeries(series);
    polar->angleIncrement = 45;
    polar->pointerColour = Qt::red;
    polar->pointersVisible = true;
    polar->marksVisible = true;
    polar->axisArrowsVisible = true;
    m_chart->addBannerTool(QStringLiteral("4700Hz"));
    connect(m_chart, &ChartControl::pointerMoved, this, &CDialog_PM::pointerMoved);
    connect(m_chart, &ChartControl::contextMenuWanted, this, &CDialog_PM::contextMenuWanted);
}

bool CDialog_PM::DrawCircularChart(const std::array<float, 8>& values, const QString& label)
{
    if (m_chart->seriesCount() <= 0)
        return false;
    for (int i = 0; i < 8; ++i)
        m_chart->addPoint(0, 45.0 * i, values[static_cast<std::size_t>(i)], i);
    m_chart->setBannerText(0, label);
    return true;
}

QMenu* CDialog_PM::createContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    QAction* rename = menu->addAction(tr("Rename"));
    rename->setData(kRenameCommand);
    rename->setEnabled(false);
    menu->addAction(ChartEditor::propertiesText())->setData(kPropertiesCommand);
    return menu;
}

void CDialog_PM::OnProperties(Prompter& prompter)
{
    ChartEditor::edit(*m_chart, this, prompter);
}

}  // namespace vantrel
