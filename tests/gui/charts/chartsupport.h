#pragma once

// Shared by the chart tests: a survey read with every row chosen and its
// depth table worked out, the chart view in front, and a picture of a chart.

#include "charts/cchildframe.h"
#include "charts/chartcontrol.h"
#include "charts/cvantrelview.h"
#include "graphs/circulargraph.h"
#include "common/commandids.h"
#include "datafile/datafilereader.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "testsupport.h"

#include <cmath>

namespace vantrel::test {

// Reads `path` into the frame's survey and chooses every row, as File Open and
// Choose Data would, works out the depth table and takes the first frequency.
inline void LoadSurvey(CMainFrame& frame, const QString& path = QStringLiteral(VANTREL_EXAMPLES "/line1.dat"))
{
    Survey& s = frame.survey();
    const std::string file = path.toStdString();
    s.m_frame.BeginFileOpen();
    s.m_frame.SetDataPath(file, FrameState::AllFilter);
    DataFileReader reader(s.m_frame, s.m_tables, s.m_tree);
    QVERIFY(reader.ReadFile(file).Ok());
    for (std::size_t f = 0; f < s.m_tree.Files().size(); ++f)
        s.m_tree.ClickFileCheckBox(static_cast<int>(f));
    SelectData(s.m_tree, s.m_tables, s.m_frame);
    CalculateDepth(s.m_tables);
    s.m_tree.SetCurrentFrequency(0);
}

// `count` circular charts with readings, laid out as the graph command lays them.
inline CircularGraph Rings(int count)
{
    CircularGraph graph;
    const CircularGrid grid = CircularGridOf(static_cast<std::uint32_t>(count));
    graph.title = "rings";
    graph.scrollWidth = grid.scrollWidth;
    graph.scrollHeight = grid.scrollHeight;
    for (int i = 0; i < count; ++i)
        graph.charts.push_back({{10, 20, 30, 40, 30, 20, 10, 5},
                                std::to_string(1000 * (i + 1)) + "Hz\nchart " + std::to_string(i),
                                grid.cells[static_cast<std::size_t>(i)]});
    return graph;
}

inline CVantrelView* ActiveView(Shell& s)
{
    CChildFrame* window = s.frame->activeChartWindow();
    return window ? qobject_cast<CVantrelView*>(window->view()) : nullptr;
}

// The chart as it renders on a white picture of its size.
inline QImage Rendered(ChartControl& chart)
{
    QImage image(chart.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QCPPainter painter(&image);
    chart.render(&painter, image.size());
    painter.end();
    return image;
}

// The pixel of (x, y) on the axes `xAxis` and `yAxis`.
inline QPoint PixelOf(const QCPAxis* xAxis, const QCPAxis* yAxis, double x, double y)
{
    return QPoint(static_cast<int>(std::lround(xAxis->coordToPixel(x))),
                  static_cast<int>(std::lround(yAxis->coordToPixel(y))));
}

}  // namespace vantrel::test
