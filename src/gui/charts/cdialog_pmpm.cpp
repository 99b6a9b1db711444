#include "charts/cdialog_pmpm.h"

#include "common/prompter.h"
#include "charts/chartcontrol.h"
#include "charts/charteditor.h"
#include "graphs/profilecurve.h"

#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

CDialog_PMPM::CDialog_PMPM(QWidget* parent) : ChartPane(parent), m_chart(new ChartControl(this))
{
    setObjectName(QStringLiteral("ProfileChartDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chart);
    // The starting look: white, lowered bevel, flat, no legend, no bottom axis.
    m_chart->setBackground(Qt::white);
    m_chart->setFramed(true);
    m_chart->legend->setVisible(false);
    m_chart->setBottomAxisVisible(false);
    connect(m_chart, &ChartControl::pointerMoved, this, &CDialog_PMPM::pointerMoved);
    connect(m_chart, &ChartControl::contextMenuWanted, this, &CDialog_PMPM::contextMenuWanted);
}

void CDialog_PMPM::StackAxes(int n)
{
    if (n <= 0)
        return;
    const double q = 1.0 / n;
    for (int i = 0; i < n; ++i) {
        const int k = m_chart->addCustomAxis();
        m_chart->setAxisEndPosition(k, (i + 1) * q * 100);
        m_chart->setAxisStartPosition(k, i * q * 100);
        m_chart->setAxisMinMax(k, 0, 1);
        m_chart->setAxisGridVisible(k, false);
        m_chart->addSeries(ChartControl::SeriesKind::Line);
        m_chart->setSeriesColour(i, colourOf(kGrey));
        m_chart->setSeriesAxis(i, k);
    }
}

void CDialog_PMPM::SetChartTitle(const QString& text)
{
    m_chart->setTitle(text);
}

void CDialog_PMPM::DrawProfileCurve(int s, float h, std::span<const float> x, std::span<const float> y,
                                    float f)
{
    DrawProfileCurve(vantrel::DrawProfileCurve(s, h, x, y, f));
}

void CDialog_PMPM::DrawProfileCurve(const ProfileCurve& curve)
{
    const int s = curve.series;
    QVector<double> xs;
    QVector<double> ys;
    xs.reserve(static_cast<qsizetype>(curve.points.size()));
    ys.reserve(static_cast<qsizetype>(curve.points.size()));
    for (const ProfilePoint& p : curve.points) {
        xs << p.x;
        ys << p.y;
    }
    m_chart->addPoints(s, xs, ys);
    const int a = m_chart->seriesAxis(s);
    if (curve.axisTitle)
        m_chart->setAxisTitle(a, QString::fromStdString(*curve.axisTitle));
    else
        m_chart->setAxisTitleVisible(a, false);
    m_chart->setAxisTag(a, QStringLiteral("height=%1").arg(static_cast<double>(curve.height)));
    for (const ProfileRegion& r : curve.regions) {
        RegionStyle style;
        style.series = s;
        style.originLevel = r.level;
        style.lowerX = r.from;
        style.upperX = r.to;
        style.penColour = colourOf(kGrey);
        style.gradientVisible = true;
        if (r.kind == ProfileRegion::Kind::High) {
            style.gradientEnd = colourOf(0x0000FF);
        } else {
            if (r.kind == ProfileRegion::Kind::Low)
                style.fillColour = colourOf(0xFF0000);
            style.gradientStart = colourOf(0xFFFFFF);
            style.gradientEnd = colourOf(0xFF0000);
        }
        m_chart->addRegionTool(style);
    }
    m_chart->setAxisAutomatic(a, true);
    m_chart->setAxisMinorTicks(a, false, 1);
}

QMenu* CDialog_PMPM::createContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->addAction(ChartEditor::propertiesText())->setData(kPropertiesCommand);
    return menu;
}

void CDialog_PMPM::OnProperties(Prompter& prompter)
{
    ChartEditor::edit(*m_chart, this, prompter);
}

bool CDialog_PMPM::draw(const Graph& graph)
{
    const auto* profile = std::get_if<ProfileGraph>(&graph);
    if (!profile)
        return false;
    const int bands = std::max(0, profile->bands);
    setMinimumHeight(kTitleRoom + bands * kMinimumBand);
    StackAxes(bands);
    SetChartTitle(QString::fromStdString(profile->title));
    for (const ProfileCurve& curve : profile->curves)
        DrawProfileCurve(curve);
    return true;
}

ChartControl* CDialog_PMPM::printableChart() const
{
    return m_chart->customAxisCount() > 0 ? m_chart : nullptr;
}

void CDialog_PMPM::attach(CommandRouter& router, Prompter& prompter, const Popup& popup)
{
    connect(this, &CDialog_PMPM::pointerMoved, this, &ChartPane::statusText);
    offerChartMenu(this, router, prompter, popup);
}

}  // namespace vantrel
