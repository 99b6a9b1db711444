// A file's pseudo-section window on a big survey, in the real main window
// (offscreen): the window drawing the measured cells without contours (the
// section window as it was before gridding) against the window gridding by
// inverse distance (the default) with automatic contour levels, each timed
// from the command until the window has painted its finished picture. The
// kinds take turns; each figure is the median of RUNS runs.
//
// Also said: how long the interface thread was held before it could take
// the next event, and whether the gridding and contours went on on a worker
// meanwhile.
//
// Usage: section_window_bench FILE [RUNS [FOLDER]]  (bench/section_window_bench.sh makes FILE)
// With FOLDER, the main window of each kind's last run is saved there as it
// looked when the command returned and when the picture was finished.

#include "app/cmainframe.h"
#include "benchwindow.h"
#include "charts/cchildframe.h"
#include "charts/chartcontrol.h"
#include "charts/contourlayer.h"
#include "charts/cvantrelview.h"
#include "charts/sectionchart.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "panes/cfileview.h"
#include "panes/filetreemodel.h"
#include "scriptedprompter.h"
#include "survey.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace vantrel;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

SectionChart* sectionOf(CChildFrame* window)
{
    auto* view = window ? qobject_cast<CVantrelView*>(window->view()) : nullptr;
    return view ? qobject_cast<SectionChart*>(view->pane()) : nullptr;
}

/// One way of opening the window, and what it took.
struct Way {
    const char* name;
    /// Opens the window; returns it.
    std::function<CChildFrame*()> open;
    std::vector<double> finished;  ///< until the finished picture was painted
    std::vector<double> held;      ///< until the interface thread was free
    bool worker = false;           ///< the work went on on a worker
    std::size_t lines = 0;         ///< contour lines drawn
    int columns = 0;
    int rows = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: section_window_bench FILE [RUNS]\n");
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    BenchWindow window(argc, argv, "vantrel-section-window-bench");
    ScriptedPrompter& prompter = window.prompter;
    CMainFrame* frame = window.frame;
    QCoreApplication::processEvents();

    // The file, every file ticked, Choose Data and Depth Display, as a user does.
    CommandRouter* router = frame->router();
    prompter.files << FileChoice{true, data, 2};
    router->dispatch(cmd::ID_FILE_OPEN);
    FileTreeModel* tree = frame->fileView()->model();
    for (int i = 0; i < tree->rowCount(); ++i)
        tree->ClickCheckBox(tree->index(i, 0));
    router->dispatch(cmd::ID_CHOOSE_DATA);
    router->dispatch(cmd::ID_DEPTH_DISPLAY);
    QCoreApplication::processEvents();
    if (!prompter.messages.isEmpty() || frame->survey().m_tables.Depth().RowCount() == 0) {
        std::fprintf(stderr, "no depth data: %s\n", qPrintable(prompter.messages.join(QLatin1Char(' '))));
        return 1;
    }
    std::printf("%zu depth rows\n", frame->survey().m_tables.Depth().RowCount());

    ColourMapOptions cells;
    cells.gridMethod = geo::GridMethod::MeasuredCells;
    ColourMapOptions gridded;
    gridded.contours.mode = ContourChoice::Mode::Automatic;
    const auto openWith = [frame](const ColourMapOptions& colours) {
        return [frame, colours] { return frame->openChart(GraphKind::Section, GraphOptions{}, &colours); };
    };
    ColourMapOptions everyFile = gridded;
    everyFile.everyFileRange = true;
    std::vector<Way> ways = {
        {"measured cells, no contours", openWith(cells), {}, {}},
        {"inverse distance, automatic contours", openWith(gridded), {}, {}},
        {"the same, on the range of every file", openWith(everyFile), {}, {}},
        // The command with the defaults, then the contours switched on in
        // the chart editor: the grid stays, only the lines are added.
        {"command 32830, then automatic contours",
         [frame, router, gridded] {
             router->dispatch(cmd::ID_SECTION_GRAPH);
             CChildFrame* window = frame->activeChartWindow();
             if (SectionChart* section = sectionOf(window))
                 section->chart()->setColourMapOptions(gridded);
             return window;
         },
         {},
         {}},
    };

    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run)
        for (Way& way : ways) {
            timer.start();
            CChildFrame* window = way.open();
            way.held.push_back(timer.nsecsElapsed() / 1e9);
            SectionChart* section = sectionOf(window);
            if (!section || !prompter.messages.isEmpty()) {
                std::fprintf(stderr, "%s: no section window: %s\n", way.name,
                             qPrintable(prompter.messages.join(QLatin1Char(' '))));
                return 1;
            }
            way.worker = section->isWorking();
            const bool last = run == runs - 1 && argc > 3;
            const auto shot = [&](const char* when) {
                if (last)
                    frame->grab().save(QStringLiteral("%1/%2-%3.png")
                                           .arg(QString::fromLocal8Bit(argv[3]))
                                           .arg(&way - ways.data())
                                           .arg(QLatin1String(when)));
            };
            shot("opened");
            // The finished picture: the work's result drawn and painted.
            while (section->isWorking())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            section->settle();
            QCoreApplication::processEvents();
            window->repaint();
            way.finished.push_back(timer.nsecsElapsed() / 1e9);
            shot("finished");
            way.lines = section->contourLayer()->lines().size();
            way.columns = section->grid() ? section->grid()->columns : 0;
            way.rows = section->grid() ? section->grid()->rows : 0;
            delete window;
            QCoreApplication::processEvents();
        }

    for (const Way& way : ways)
        std::printf("%-40s %6.3f s  (interface thread held %.3f s%s; %d x %d nodes, %zu contour lines)\n",
                    way.name, median(way.finished), median(way.held), way.worker ? ", then a worker" : "",
                    way.columns, way.rows, way.lines);
    const double today = median(ways[0].finished);
    std::printf("ratio gridded and contoured / measured cells: %.2f (target <= 2); by the command: %.2f\n",
                median(ways[1].finished) / today, median(ways[3].finished) / today);
    return 0;
}
