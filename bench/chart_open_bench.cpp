// The vertical profile of a big file in a real chart window (offscreen): the
// time the desktop takes to compute the file's depth table, the time from the
// graph command to the chart's first full paint, and the frame times of
// zooming and panning it.
//
// Usage: chart_open_bench FILE        (QT_QPA_PLATFORM=offscreen is set if unset)

#include "charts/cchildframe.h"
#include "app/cmainframe.h"
#include "common/commandids.h"
#include "benchwindow.h"
#include "scriptedprompter.h"
#include "charts/cdialog_pmpm.h"
#include "charts/chartcontrol.h"
#include "charts/cvantrelview.h"
#include "datafile/datafilereader.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "survey.h"

#include <QElapsedTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vantrel;

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: chart_open_bench FILE\n");
        return 2;
    }
    BenchWindow window(argc, argv, "vantrel-chart-bench", {1400, 1000});
    CMainFrame* frame = window.frame;

    Survey& s = frame->survey();
    s.m_frame.BeginFileOpen();
    s.m_frame.SetDataPath(argv[1], FrameState::AllFilter);
    DataFileReader reader(s.m_frame, s.m_tables, s.m_tree);
    if (!reader.ReadFile(argv[1]).Ok()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    for (std::size_t f = 0; f < s.m_tree.Files().size(); ++f)
        s.m_tree.ClickFileCheckBox(static_cast<int>(f));
    SelectData(s.m_tree, s.m_tables, s.m_frame);

    // Five rounds, taking turns: the depth calculation, then a new vertical
    // profile window; the medians are compared. The windows of the earlier
    // rounds are closed.
    QElapsedTimer timer;
    std::vector<double> depthTimes, openTimes;
    ChartControl* chart = nullptr;
    for (int round = 0; round < 5; ++round) {
        for (CChildFrame* window : frame->chartWindows())
            delete window;
        QCoreApplication::processEvents();
        timer.restart();
        CalculateDepth(s.m_tables);
        depthTimes.push_back(timer.nsecsElapsed() / 1e6);

        timer.restart();
        frame->router()->dispatch(cmd::ID_VERTICAL_GRAPH);
        auto* view = qobject_cast<CVantrelView*>(frame->activeChartWindow()->view());
        if (!view || !view->chart()) {
            std::fprintf(stderr, "no profile chart was made\n");
            return 1;
        }
        chart = view->chart();
        // Until the first frame with the curves is on screen: the window's
        // layout, its one replot and its paint.
        QCoreApplication::processEvents();
        chart->repaint();
        openTimes.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double depthMs = Median(depthTimes);
    const double openMs = Median(openTimes);
    const int curves = chart->seriesCount();
    int points = 0;
    for (int i = 0; i < chart->seriesCount(); ++i)
        points += chart->pointCount(i);

    // Frames: 20 wheel steps in, 20 pan steps, 20 wheel steps out.
    std::vector<double> zoomIn, pan, zoomOut;
    const QPointF middle = chart->seriesGraph(0)->keyAxis()->axisRect()->rect().center();
    const auto frameOf = [&](auto&& step, std::vector<double>& out) {
        timer.restart();
        step();
        chart->replot(QCustomPlot::rpImmediateRefresh);
        out.push_back(timer.nsecsElapsed() / 1e6);
    };
    for (int i = 0; i < 20; ++i)
        frameOf(
            [&] {
                QWheelEvent e(middle, chart->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(chart, &e);
            },
            zoomIn);
    for (int i = 0; i < 20; ++i)
        frameOf(
            [&] {
                const QCPRange r = chart->xRange();
                chart->seriesGraph(0)->keyAxis()->setRange(r);  // as a drag step moves every band
                QMouseEvent press(QEvent::MouseButtonPress, middle, chart->mapToGlobal(middle),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(chart, &press);
                const QPointF to = middle + QPointF(15, 0);
                QMouseEvent move(QEvent::MouseMove, to, chart->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                                 Qt::NoModifier);
                QCoreApplication::sendEvent(chart, &move);
                QMouseEvent release(QEvent::MouseButtonRelease, to, chart->mapToGlobal(to), Qt::LeftButton,
                                    Qt::NoButton, Qt::NoModifier);
                QCoreApplication::sendEvent(chart, &release);
            },
            pan);
    for (int i = 0; i < 20; ++i)
        frameOf(
            [&] {
                QWheelEvent e(middle, chart->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(chart, &e);
            },
            zoomOut);

    // The pseudo-section against the vertical profile, taking turns, best of
    // three each.
    const auto openAndPaint = [&](int command) {
        for (CChildFrame* window : frame->chartWindows())
            delete window;
        QCoreApplication::processEvents();
        timer.restart();
        frame->router()->dispatch(command);
        auto* view = qobject_cast<CVantrelView*>(frame->activeChartWindow()->view());
        if (!view || !view->chart())
            return -1.0;
        QCoreApplication::processEvents();
        view->chart()->repaint();
        return timer.nsecsElapsed() / 1e6;
    };
    double verticalBest = 1e300, sectionBest = 1e300;
    for (int round = 0; round < 3; ++round) {
        const double v = openAndPaint(cmd::ID_VERTICAL_GRAPH);
        const double p = openAndPaint(cmd::ID_SECTION_GRAPH);
        if (v < 0 || p < 0) {
            std::fprintf(stderr, "a chart was not made\n");
            return 1;
        }
        verticalBest = std::min(verticalBest, v);
        sectionBest = std::min(sectionBest, p);
    }

    std::printf("curves: %d, points: %d\n", curves, points);
    std::printf("depth table computed by the desktop: %.1f ms (median of 5)\n", depthMs);
    std::printf("vertical profile window opened and painted: %.1f ms (median of 5; %.2f x the depth table)\n",
                openMs, openMs / depthMs);
    std::printf(
        "frame times, median / worst: zoom in %.1f / %.1f ms, pan %.1f / %.1f ms, zoom out %.1f / %.1f ms\n",
        Median(zoomIn), *std::max_element(zoomIn.begin(), zoomIn.end()), Median(pan),
        *std::max_element(pan.begin(), pan.end()), Median(zoomOut),
        *std::max_element(zoomOut.begin(), zoomOut.end()));
    std::printf("vertical profile / pseudo-section windows, best of 3: %.1f / %.1f ms (section / vertical "
                "%.2f)\n",
                verticalBest, sectionBest, sectionBest / verticalBest);
    return 0;
}
