// Opens a data file in the real main window (offscreen) and reports the time
// and peak memory of the open, next to the core's read of the same file in a
// child process of the same run. Then times what a user does next on the big
// file: scrolling to the end of the tables, ticking a file's check box,
// ticking everything and choosing it.
//
// Usage: gui_open_bench FILE        (QT_QPA_PLATFORM=offscreen is set if unset)

#include "app/cmainframe.h"
#include "common/commandids.h"
#include "benchwindow.h"
#include "scriptedprompter.h"
#include "datafile/datafilereader.h"
#include "panes/cfileview.h"
#include "panes/coutputwnd.h"
#include "panes/cownerlistctrl.h"
#include "panes/cviewtree.h"
#include "panes/datatablemodel.h"
#include "panes/filetreemodel.h"
#include "survey.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTabWidget>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <string>

using namespace vantrel;

namespace {

double Mib(double bytes)
{
    return bytes / 1048576.0;
}

long PeakRssKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

/// The core alone, in a child process: seconds and peak RSS (KiB).
bool CoreRead(const std::string& path, double* seconds, long* peakKib)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const auto start = std::chrono::steady_clock::now();
        Survey survey;
        DataFileReader reader(survey.m_frame, survey.m_tables, survey.m_tree);
        const bool ok = reader.ReadFile(path).Ok();
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const ssize_t written = write(fds[1], &s, sizeof s);
        _exit(ok && written == sizeof s ? 0 : 1);
    }
    close(fds[1]);
    int status = 0;
    rusage usage{};
    const bool read = ::read(fds[0], seconds, sizeof *seconds) == sizeof *seconds;
    close(fds[0]);
    wait4(pid, &status, 0, &usage);
    *peakKib = usage.ru_maxrss;
    return read && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gui_open_bench FILE\n");
        return 2;
    }
    const std::string path = argv[1];
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 2;
    }
    const double fileBytes = static_cast<double>(st.st_size);

    // Best of three fresh processes: the window's open below runs once, in a
    // fresh process too.
    double coreSeconds = 1e9;
    long coreKib = 0;
    for (int i = 0; i < 3; ++i) {
        double s = 0;
        long kib = 0;
        if (!CoreRead(path, &s, &kib)) {
            std::fprintf(stderr, "the core could not read %s\n", path.c_str());
            return 1;
        }
        coreSeconds = std::min(coreSeconds, s);
        coreKib = std::max(coreKib, kib);
    }

    BenchWindow window(argc, argv, "vantrel-gui-open-bench");
    ScriptedPrompter& prompter = window.prompter;
    CMainFrame* frame = window.frame;
    struct {
        CFileView* fileView;
        COutputWnd* output;
    } panes{frame->fileView(), frame->outputPane()};
    Settle();
    const long idleKib = PeakRssKib();

    QElapsedTimer timer;
    prompter.files << FileChoice{true, QString::fromLocal8Bit(path.c_str()), 2};
    timer.start();
    frame->router()->dispatch(cmd::ID_FILE_OPEN);
    frame->repaint();
    Settle();
    const double openSeconds = timer.nsecsElapsed() / 1e9;
    const long openKib = PeakRssKib();
    const int rows = panes.output->originModel()->rowCount();
    if (!prompter.messages.isEmpty() || rows == 0) {
        std::fprintf(stderr, "the open failed: %s\n", qPrintable(prompter.messages.join(QLatin1Char(' '))));
        return 1;
    }

    timer.start();
    panes.output->originView()->scrollToBottom();
    panes.output->originView()->repaint();
    panes.output->originView()->scrollToTop();
    panes.output->originView()->repaint();
    const double scrollSeconds = timer.nsecsElapsed() / 1e9;

    FileTreeModel* tree = panes.fileView->model();
    timer.start();
    panes.fileView->tree()->expand(tree->index(tree->rowCount() - 1, 0));
    tree->ClickCheckBox(tree->index(tree->rowCount() - 1, 0));
    panes.fileView->tree()->scrollToBottom();
    panes.fileView->tree()->repaint();
    const double tickSeconds = timer.nsecsElapsed() / 1e9;

    timer.start();
    for (int i = 0; i < tree->rowCount() - 1; ++i)
        tree->ClickCheckBox(tree->index(i, 0));
    panes.fileView->tree()->repaint();
    const double tickAllSeconds = timer.nsecsElapsed() / 1e9;
    timer.start();
    frame->router()->dispatch(cmd::ID_CHOOSE_DATA);
    frame->repaint();
    Settle();
    const double chooseSeconds = timer.nsecsElapsed() / 1e9;
    const int chosen = panes.output->processingModel()->rowCount();

    std::printf("file: %d rows, %d columns, %.1f MiB\n", rows, panes.output->originModel()->columnCount(),
                Mib(fileBytes));
    std::printf("core read (child process):  %6.3f s   peak RSS %7.1f MiB  (%.2f x the file)\n", coreSeconds,
                Mib(coreKib * 1024.0), coreKib * 1024.0 / fileBytes);
    std::printf(
        "open in the main window:    %6.3f s   peak RSS %7.1f MiB  (%.2f x the file; idle window %.1f MiB)\n",
        openSeconds, Mib(openKib * 1024.0), openKib * 1024.0 / fileBytes, Mib(idleKib * 1024.0));
    std::printf("  time ratio window / core: %.2f\n", openSeconds / coreSeconds);
    std::printf("scroll the Origin table to the end and back: %.3f s\n", scrollSeconds);
    std::printf("expand and tick the last file (%d rows):     %.3f s\n",
                tree->rowCount(tree->index(tree->rowCount() - 1, 0)), tickSeconds);
    std::printf("tick every other file:                       %.3f s\n", tickAllSeconds);
    std::printf("Choose Data (%d rows):                   %.3f s\n", chosen, chooseSeconds);
    std::printf("  time ratio tick every file + Choose Data / open: %.2f (target <= 1)\n",
                (tickAllSeconds + chooseSeconds) / openSeconds);

    // Opening again: the close question, empty panes, the read.
    prompter.answers << true;
    prompter.files << FileChoice{true, QString::fromLocal8Bit(path.c_str()), 2};
    timer.start();
    frame->router()->dispatch(cmd::ID_FILE_OPEN);
    frame->repaint();
    Settle();
    std::printf("open again over the loaded file:             %.3f s\n", timer.nsecsElapsed() / 1e9);
    std::printf("peak RSS at the end: %.1f MiB\n", Mib(PeakRssKib() * 1024.0));
    return 0;
}
