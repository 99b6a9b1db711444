// Twenty data steps on a large file with the undo history on, as the desktop
// runs them (data commands, notifier, history; no windows): after each step
// the history's bytes against its limit and the process's peak memory; then
// every step undone back to the loaded file, checked byte for byte.
//
// Usage: undo_memory_bench FILE [LIMIT_MIB]      (bench/undo_bench.sh makes FILE)
// Exits 1 when the history goes over its limit or undo does not reach the
// loaded file.

#include "commands/datacommands.h"
#include "commands/undohistory.h"
#include "common/commandids.h"
#include "scriptedprompter.h"
#include "common/surveynotifier.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace vantrel;

namespace {

double PeakRssMib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double Mib(std::size_t bytes)
{
    return static_cast<double>(bytes) / 1048576.0;
}

std::size_t Digest(const Survey& s)
{
    std::ostringstream out;
    s.m_tables.WriteOriginRows(out, 1);
    const OutputTables& t = s.m_tables;
    out << t.Processing().RowCount() << ' ' << t.Depth().RowCount() << ' ' << t.Marks().size() << ' '
        << t.FieldGroups() << ' ' << t.FreqColumns() << ' ' << t.ActiveTab() << ' '
        << s.m_frame.DataSelected();
    for (std::size_t r = 0; r < t.Processing().RowCount(); r += 997)
        out << t.Processing().Cell(r, 2);
    return std::hash<std::string>()(out.str());
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [LIMIT_MIB]\n", argv[0]);
        return 2;
    }
    SurveyNotifier notifier;
    ScriptedPrompter prompter;
    UndoHistory history(notifier);
    if (argc > 2)
        history.setLimit(std::strtoull(argv[2], nullptr, 10) << 20);
    DataCommands commands(notifier, prompter, history);

    QElapsedTimer timer;
    timer.start();
    prompter.files << FileChoice{true, QString::fromLocal8Bit(argv[1]), 2};
    commands.OnFileOpen();
    Survey& survey = notifier.survey();
    if (survey.m_tables.Origin().RowCount() == 0) {
        std::fprintf(stderr, "nothing read from %s\n", argv[1]);
        return 2;
    }
    for (int id = 1; id < survey.m_tree.NextRowId(); ++id)
        survey.m_tree.SetRowChecked(id, true);
    const std::size_t loaded = Digest(survey);
    std::printf("loaded %zu rows x %zu columns in %.2f s; peak RSS %.0f MiB; limit %.0f MiB\n",
                survey.m_tables.Origin().RowCount(), survey.m_tables.Origin().ColumnCount(),
                static_cast<double>(timer.elapsed()) / 1000.0, PeakRssMib(), Mib(history.limit()));

    const std::vector<std::pair<const char*, const char*>> steps = {
        {"Choose Data", "select"},
        {"Processed Data", "select-and-process"},
        {"Search Bad Points", "search-bad-points"},
        {"Correct Bad Points", "correct-bad-points"},
        {"Search Bad Points and Process", "search-and-process"},
        {"Depth Calculation", "depth"},
    };
    bool ok = true;
    std::size_t mostHeld = 0;
    for (int i = 0; i < 20; ++i) {
        const auto& [name, step] = steps[static_cast<std::size_t>(i) % steps.size()];
        prompter.answers << true;  // the depth question
        timer.restart();
        commands.runStep(step);
        prompter.answers.clear();
        const std::size_t held = history.footprint();
        mostHeld = std::max(mostHeld, held);
        ok = ok && held <= history.limit();
        std::printf("%2d %-30s %6.2f s  history %2d steps %7.1f MiB  peak RSS %6.0f MiB\n", i + 1, name,
                    static_cast<double>(timer.elapsed()) / 1000.0, history.count(), Mib(held), PeakRssMib());
    }
    const int kept = history.count();
    timer.restart();
    while (history.canUndo())
        history.undo();
    const double undoSeconds = static_cast<double>(timer.elapsed()) / 1000.0;
    // Back to the loaded file only when no step was dropped.
    const bool back = history.count() < 20 || Digest(survey) == loaded;
    std::printf("undid %d steps in %.2f s; most held %.1f MiB (limit %.0f MiB); peak RSS %.0f MiB\n", kept,
                undoSeconds, Mib(mostHeld), Mib(history.limit()), PeakRssMib());
    if (!ok)
        std::printf("FAILED: the history went over its limit\n");
    if (!back)
        std::printf("FAILED: undo did not reach the loaded file\n");
    return ok && back ? 0 : 1;
}
