// Open Project against opening the same file and running its steps by hand,
// in the real main window (offscreen), side by side in one process. By hand
// is what a user does: File Open, Correct Bad Points, Search Bad Points,
// every file ticked in the file view, Processed Data (choose, then field
// source) and Depth Display, each through the command router. The project
// is saved from that state once; Open Project then reads the file, replays
// the steps (the history is rebuilt) and opens the project's charts.
//
// Two rounds: without chart windows, and with a pseudo-section window (command
// 32830, opened by hand after the steps). The two sides take turns; each
// figure is the median of RUNS runs. Both sides end with the same tables,
// checked byte for byte after every run.
//
// Usage: project_open_bench FILE [RUNS]     (bench/project_open_bench.sh makes FILE)
// Exits 1 when a side fails or the two sides' tables differ.

#include "app/cmainframe.h"
#include "benchwindow.h"
#include "charts/cchildframe.h"
#include "charts/cvantrelview.h"
#include "charts/sectionchart.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "panes/cfileview.h"
#include "panes/filetreemodel.h"
#include "scriptedprompter.h"
#include "survey.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace vantrel;

namespace {

void settle(CMainFrame* frame)
{
    // The section windows' grids and contours, worked out on a worker, are
    // part of the picture: wait for them, then paint.
    for (CChildFrame* window : frame->chartWindows())
        if (auto* view = qobject_cast<CVantrelView*>(window->view()))
            if (auto* section = qobject_cast<SectionChart*>(view->pane()))
                section->settle();
    frame->repaint();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

std::size_t digest(const Survey& s)
{
    std::ostringstream out;
    s.m_tables.WriteOriginRows(out, 1);
    s.m_tables.WriteDepthRows(out, 0);
    const OutputTables& t = s.m_tables;
    out << t.Processing().RowCount() << ' ' << t.Marks().size() << ' ' << t.FieldGroups() << ' '
        << t.FreqColumns() << ' ' << s.m_frame.DataSelected();
    for (std::size_t r = 0; r < t.Processing().RowCount(); ++r)
        for (std::size_t c = 0; c < t.Processing().ColumnCount(); ++c)
            out << t.Processing().Cell(r, c) << '\t';
    return std::hash<std::string>()(out.str());
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

/// Wall-clock and CPU time (all the process's threads) from a moment.
struct Clock {
    QElapsedTimer wall;
    double cpu = cpuSeconds();
    Clock() { wall.start(); }
    static double cpuSeconds()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
    }
};

struct Side {
    std::vector<double> wall;
    std::vector<double> cpu;
    void add(const Clock& since)
    {
        wall.push_back(static_cast<double>(since.wall.nsecsElapsed()) / 1e9);
        cpu.push_back(Clock::cpuSeconds() - since.cpu);
    }
};

class Bench {
public:
    Bench(CMainFrame* frame, ScriptedPrompter& prompter, QString data)
        : m_frame(frame), m_prompter(prompter), m_data(std::move(data))
    {}

    /// File Open and the steps through the router, as a user clicks them.
    bool byHand(bool sectionWindow)
    {
        m_prompter.answers = {true, true};  // closing the open file; depth again
        m_prompter.files << FileChoice{true, m_data, 2};
        dispatch(cmd::ID_FILE_OPEN);
        dispatch(cmd::ID_CORRECT_BAD_POINTS);
        dispatch(cmd::ID_OUTPUT_SEARCH_BAD_POINTS);
        FileTreeModel* tree = m_frame->fileView()->model();
        for (int i = 0; i < tree->rowCount(); ++i)
            tree->ClickCheckBox(tree->index(i, 0));
        dispatch(cmd::ID_PROCESSED_DATA);
        dispatch(cmd::ID_DEPTH_DISPLAY);
        if (sectionWindow)
            dispatch(cmd::ID_SECTION_GRAPH);
        settle(m_frame);
        // The steps' own notes ("The data needs to be corrected ...") are
        // message boxes a user dismisses; the replay shows none.
        m_prompter.messages.clear();
        return done();
    }

    bool openProject(const QString& project)
    {
        m_prompter.answers = {true};  // closing the open file
        m_prompter.files << FileChoice{true, project, 0};
        dispatch(cmd::ID_OPEN_PROJECT);
        settle(m_frame);
        return done();
    }

    bool saveProject(const QString& project)
    {
        m_prompter.files << FileChoice{true, project, 0};
        dispatch(cmd::ID_SAVE_PROJECT_AS);
        return done() && QFileInfo(project).isFile();
    }

    int windows() const { return static_cast<int>(m_frame->chartWindows().size()); }

private:
    void dispatch(int id)
    {
        m_frame->router()->dispatch(id);
        QCoreApplication::processEvents();
    }

    bool done()
    {
        m_prompter.answers.clear();
        const bool ok = m_prompter.files.isEmpty() && m_prompter.messages.isEmpty();
        if (!ok)
            std::fprintf(stderr, "failed: %s\n", qPrintable(m_prompter.messages.join(QLatin1Char(' '))));
        m_prompter.files.clear();
        m_prompter.messages.clear();
        return ok;
    }

    CMainFrame* m_frame;
    ScriptedPrompter& m_prompter;
    QString m_data;
};

void closeCharts(CMainFrame* frame)
{
    for (CChildFrame* window : frame->chartWindows())
        delete window;
    QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: project_open_bench FILE [RUNS]\n");
        return 2;
    }
    const QString data = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    BenchWindow window(argc, argv, "vantrel-project-open-bench");
    ScriptedPrompter& prompter = window.prompter;
    CMainFrame* frame = window.frame;
    settle(frame);
    // The project beside its data file, as a user keeps them.
    const QString project = QFileInfo(data).absoluteDir().filePath(QStringLiteral("bench.vantrel"));

    Bench bench(frame, prompter, data);
    bool ok = true;
    for (const bool section : {false, true}) {
        closeCharts(frame);
        ok = ok && bench.byHand(section) && bench.saveProject(project);
        if (!ok)
            break;
        const std::size_t wanted = digest(frame->survey());
        const int windows = bench.windows();
        Side hand;
        Side opened;
        const auto measure = [&](Side& side, const std::function<bool()>& run) {
            closeCharts(frame);
            const Clock start;
            const bool done = run();
            side.add(start);
            return done && digest(frame->survey()) == wanted && bench.windows() == windows;
        };
        for (int run = 0; run < runs && ok; ++run) {
            // The sides take turns going first, so neither always follows the other.
            const bool handFirst = run % 2 == 0;
            for (int turn = 0; turn < 2 && ok; ++turn)
                ok = (turn == 0) == handFirst ? measure(hand, [&] { return bench.byHand(section); })
                                              : measure(opened, [&] { return bench.openProject(project); });
            if (ok)
                std::printf("  run %d: by hand %6.3f s (CPU %6.3f s)   Open Project %6.3f s (CPU %6.3f s)\n",
                            run + 1, hand.wall.back(), hand.cpu.back(), opened.wall.back(),
                            opened.cpu.back());
        }
        if (!ok) {
            std::printf("FAILED: a side failed or the two sides' tables or windows differ\n");
            break;
        }
        std::printf("%s, medians of %d: by hand %.3f s (CPU %.3f s), Open Project %.3f s (CPU %.3f s)\n",
                    section ? "with a section window" : "no chart windows", runs, median(hand.wall),
                    median(hand.cpu), median(opened.wall), median(opened.cpu));
        std::printf("  ratio Open Project / by hand: %.2f wall, %.2f CPU (target <= 1.3)\n",
                    median(opened.wall) / median(hand.wall), median(opened.cpu) / median(hand.cpu));
    }
    QFile::remove(project);
    return ok ? 0 : 1;
}
