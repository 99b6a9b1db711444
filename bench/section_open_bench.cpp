// The pseudo-section of a big file against its vertical profile, side by
// side in real chart windows (offscreen): the time from the graph command to
// the chart's first full paint, best of three for each, alternating.
//
// Usage: section_open_bench FILE        (QT_QPA_PLATFORM=offscreen is set if unset)

#include "app/cchildframe.h"
#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "charts/chartcontrol.h"
#include "charts/cvantrelview.h"
#include "charts/sectionchart.h"
#include "common/commandids.h"
#include "common/scriptedprompter.h"
#include "datafile/datafilereader.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "survey.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace vantrel;

namespace {

/// Milliseconds from the command to the painted chart, or -1 when no chart came.
double OpenAndPaint(CMainFrame& frame, int command)
{
    QElapsedTimer timer;
    timer.start();
    frame.router()->dispatch(command);
    auto* view = qobject_cast<CVantrelView*>(frame.activeChartWindow()->view());
    ChartControl* chart = view ? view->chart() : nullptr;
    if (!chart)
        return -1;
    QCoreApplication::processEvents();
    chart->replot(QCustomPlot::rpImmediateRefresh);
    chart->repaint();
    const double ms = timer.nsecsElapsed() / 1e6;
    frame.activeChartWindow()->destroyForShutdown();
    QCoreApplication::processEvents();
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: section_open_bench FILE\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CVantrelApp app(argc, argv);
    app.setApplicationName(QStringLiteral("vantrel-section-bench"));
    ScriptedPrompter prompter;
    app.setPrompter(&prompter);
    app.InitInstance(false);
    CMainFrame* frame = app.mainFrame();
    frame->resize(1400, 1000);
    frame->show();

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
    CalculateDepth(s.m_tables);

    double vertical = 1e300, section = 1e300;
    for (int round = 0; round < 3; ++round) {
        const double v = OpenAndPaint(*frame, cmd::ID_VERTICAL_GRAPH);
        const double p = OpenAndPaint(*frame, cmd::ID_SECTION_GRAPH);
        if (v < 0 || p < 0) {
            std::fprintf(stderr, "a chart was not made\n");
            return 1;
        }
        vertical = std::min(vertical, v);
        section = std::min(section, p);
    }
    std::printf("depth rows: %zu\n", s.m_tables.Depth().RowCount());
    std::printf("vertical profile window opened and painted: %.1f ms (best of 3)\n", vertical);
    std::printf("pseudo-section window opened and painted:   %.1f ms (best of 3)\n", section);
    std::printf("section / vertical profile: %.2f (target: at most 2)\n", section / vertical);
    return 0;
}
