// Projects, the history pane, the command line it copies and the recovery
// file, driven through the whole program.

#include "testsupport.h"

#include "charts/cchildframe.h"
#include "charts/chartcontrol.h"
#include "charts/cvantrelview.h"
#include "commands/datacommands.h"
#include "commands/projectcommands.h"
#include "commands/projectrecovery.h"
#include "common/commandids.h"
#include "datafile/depthwriter.h"
#include "datafile/originwriter.h"
#include "panes/chistorypane.h"
#include "survey.h"

#include <QClipboard>
#include <QProcess>
#include <QUndoStack>
#include <QUndoView>

using namespace vantrel;
using namespace vantrel::test;

namespace {

/// The Origin and Depth tables as their files' bytes.
QByteArray tablesOf(CMainFrame* frame, const QString& folder)
{
    const OutputTables& t = frame->survey().m_tables;
    const std::string origin = (folder + QStringLiteral("/o.dat")).toStdString();
    const std::string depth = (folder + QStringLiteral("/d.csv")).toStdString();
    OriginWriter::Save(origin, origin, frame->survey().m_frame.HeaderColumns(), t);
    DepthWriter::Save(depth, t);
    return contents(QString::fromStdString(origin)) + "|" + contents(QString::fromStdString(depth));
}

QStringList historyOf(CMainFrame* frame)
{
    QStringList texts;
    const QUndoStack* stack = frame->undoHistory().stack();
    for (int i = 0; i < stack->count(); ++i)
        texts << stack->text(i);
    return texts << QString::number(stack->index());
}

/// Opens `path` and does the afternoon's steps: choose, a changed resistivity,
/// depth, one undone search.
void work(Shell& shell, const QString& path)
{
    DataCommands* data = shell.frame->dataCommands();
    data->openPath(path);
    data->runStep("correct-bad-points");
    data->runStep("select", std::string("1,2:1-3"));
    data->runStep("config", std::string("resistivity=12.5"));
    data->runStep("depth");
    data->runStep("search-bad-points");
    shell.run(cmd::ID_EDIT_UNDO);
}

/// The test's program run as the crashing child: opens the file, works, and
/// waits to be killed while the recovery file is written every 100 ms.
int runChild(int argc, char** argv)
{
    CVantrelApp app(argc, argv);
    app.setApplicationName(QStringLiteral("vantrel-test-projects-child"));
    ScriptedPrompter prompter;
    app.setPrompter(&prompter);
    app.InitInstance(false);
    app.mainFrame()->recovery()->setPath(QString::fromLocal8Bit(argv[3]));
    app.mainFrame()->recovery()->setInterval(100);
    app.mainFrame()->dataCommands()->openPath(QString::fromLocal8Bit(argv[2]));
    DataCommands* data = app.mainFrame()->dataCommands();
    data->runStep("select", std::string("all"));
    data->runStep("depth");
    std::fputs("working\n", stdout);
    std::fflush(stdout);
    return app.exec();
}

}  // namespace

class ProjectsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveAndReopenGivesTheSameTablesHistoryAndCharts();
    void importedProjectKeepsItsMappingEncodingAndSection();
    void changedAndMissingDataFilesAsk();
    void badProjectsChangeNothing_data();
    void badProjectsChangeNothing();
    void copiedCommandLineGivesTheDesktopsTables();
    void recoveryAfterAKilledProgram();
};

void ProjectsTest::saveAndReopenGivesTheSameTablesHistoryAndCharts()
{
    QTemporaryDir dir;
    const QString data = copyFixture(dir, QStringLiteral("road.dat"));
    Shell shell;
    QCOMPARE(shell.frame->historyPane()->view()->emptyLabel(), QStringLiteral("No file is open"));
    work(shell, data);
    shell.run(cmd::ID_VERTICAL_GRAPH);
    QCOMPARE(shell.frame->historyPane()->view()->stack(), shell.frame->undoHistory().stack());
    QCOMPARE(shell.frame->historyPane()->view()->emptyLabel(), QStringLiteral("The file as read"));
    const QStringList history = historyOf(shell.frame);
    QCOMPARE(history,
             (QStringList{"Correct Bad Points", "Choose Data, rows 1,2:1-3", "Config, resistivity 12.5",
                          "Depth Display, resistivity 12.5", "Search Bad Points", "4"}));
    const QByteArray tables = tablesOf(shell.frame, dir.path());
    QVERIFY(shell.frame->projectCommands()->hasUnsavedWork());

    const QString project = dir.filePath(QStringLiteral("line"));
    shell.prompter.files << FileChoice{true, project, 0};
    shell.run(cmd::ID_SAVE_PROJECT);
    QVERIFY2(shell.prompter.messages.isEmpty(), qPrintable(shell.prompter.messages.join('\n')));
    QVERIFY(!shell.frame->projectCommands()->hasUnsavedWork());
    const QByteArray saved = contents(project + QStringLiteral(".vantrel"));
    QVERIFY(saved.contains("\"path\": \"road.dat\""));  // beside the project: relative

    // A fresh program: the recent-file entry opens the project.
    shell.frame->saveSettings();
    shell.restart();
    QCOMPARE(shell.frame->recentFiles().value(0), project + QStringLiteral(".vantrel"));
    shell.run(cmd::ID_FILE_MRU_FILE1);
    QVERIFY2(shell.prompter.messages.isEmpty(), qPrintable(shell.prompter.messages.join('\n')));
    QCOMPARE(tablesOf(shell.frame, dir.path()), tables);
    QStringList replayed = historyOf(shell.frame);
    QCOMPARE(replayed.mid(0, 4), history.mid(0, 4));  // the undone step is not part of the work
    QCOMPARE(shell.frame->chartWindows().size(), 1);
    QVERIFY(!shell.frame->projectCommands()->hasUnsavedWork());

    // Unsaved work counts at the close question.
    shell.frame->dataCommands()->runStep("field-source");
    shell.prompter.answers = {false, false};
    shell.frame->close();
    QVERIFY(shell.prompter.questions.value(0).startsWith("The steps done on road.dat have not been saved"));
}

// A file read through Import Text reopens with the same mapping and encoding.
void ProjectsTest::importedProjectKeepsItsMappingEncodingAndSection()
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("sheet.csv"));
    QVERIFY(writeFile(data,
                      "Nr;Pos;f1000;f2000;\xb1\xb8\xd7\xa2\n1;0;12,5;11;\xb2\xe2\n1;5;13,25;10,5;\xb5\xe3\n"
                      "2;0;14;12;\xd2\xbb\n"));
    ImportMapping mapping;
    mapping.separator = ';';
    mapping.decimal = ',';
    mapping.columns = {{ColumnRole::FileNumber, 0},
                       {ColumnRole::Increment, 0},
                       {ColumnRole::Frequency, 1000},
                       {ColumnRole::Frequency, 2000}};
    Shell shell;
    QVERIFY(shell.frame->dataCommands()->loadFiles({data}, mapping, "GB18030"));
    shell.frame->dataCommands()->runStep("select", std::string("all"));
    shell.frame->dataCommands()->runStep("depth");
    const QByteArray tables = tablesOf(shell.frame, dir.path());
    // A section window with every colour map option away from its default.
    QVERIFY(shell.run(cmd::ID_SECTION_GRAPH));
    const auto sectionChart = [&shell] {
        const QList<CChildFrame*> windows = shell.frame->chartWindows();
        auto* view = windows.isEmpty() ? nullptr : qobject_cast<CVantrelView*>(windows.first()->view());
        return view ? view->chart() : nullptr;
    };
    QVERIFY(sectionChart());
    ColourMapOptions colours;
    colours.interpolate = true;
    colours.logarithmic = false;
    colours.gradient = 2;
    colours.everyFileRange = true;
    colours.gridMethod = geo::GridMethod::Nearest;
    colours.contours = ParseContourChoice("11.5,12.5,13").choice;
    sectionChart()->setColourMapOptions(colours);
    const QString project = dir.filePath(QStringLiteral("sheet.vantrel"));
    shell.prompter.files << FileChoice{true, project, 0};
    shell.run(cmd::ID_SAVE_PROJECT);
    QVERIFY2(shell.prompter.messages.isEmpty(), qPrintable(shell.prompter.messages.join('\n')));

    shell.restart();
    shell.prompter.files << FileChoice{true, project, 0};
    shell.run(cmd::ID_OPEN_PROJECT);
    QVERIFY2(shell.prompter.messages.isEmpty(), qPrintable(shell.prompter.messages.join('\n')));
    QCOMPARE(shell.frame->survey().m_frame.Encoding(), std::string("GB18030"));
    QCOMPARE(shell.frame->dataCommands()->importMapping(), std::optional<ImportMapping>(mapping));
    QCOMPARE(tablesOf(shell.frame, dir.path()), tables);
    QVERIFY(sectionChart());
    QVERIFY(sectionChart()->colourMapOptions() == colours);
}

void ProjectsTest::changedAndMissingDataFilesAsk()
{
    QTemporaryDir dir;
    const QString data = copyFixture(dir, QStringLiteral("road.dat"));
    const QString project = dir.filePath(QStringLiteral("p.vantrel"));
    Shell shell;
    work(shell, data);
    QVERIFY(shell.frame->projectCommands()->saveProject(project));
    shell.restart();

    QVERIFY(writeFile(data, contents(data) + "1\t100\t10.00\t8.00\t6.00\t2\t202603010900\n"));
    QVERIFY(!shell.frame->projectCommands()->openProject(project));  // Cancel: stop
    QVERIFY(shell.prompter.questions.value(0).startsWith(
        "The data file has changed since the project was saved."));
    QCOMPARE(shell.prompter.questionDefaults.value(0), Prompter::Default::Cancel);
    QVERIFY(!shell.frame->survey().m_frame.HasOpenFile());

    // Moved away: asked where it is now, then replayed on the new place anyway.
    const QString moved = dir.filePath(QStringLiteral("moved.dat"));
    QVERIFY(QFile::rename(data, moved));
    shell.prompter.questions.clear();
    shell.prompter.answers = {true, true};
    shell.prompter.files << FileChoice{true, moved, 0};
    QVERIFY(shell.frame->projectCommands()->openProject(project));
    QVERIFY(shell.prompter.questions.value(0).startsWith(
        "The data file of the project p.vantrel is not where it was"));
    QCOMPARE(shell.frame->undoHistory().doneSteps().size(), std::size_t{4});

    // Changed on disk once it was read: the project names the bytes the
    // tables came from, so opening it asks.
    shell.restart();
    const QString later = copyFixture(dir, QStringLiteral("road.dat"));
    work(shell, later);
    QVERIFY(!shell.frame->dataCommands()->dataDigest(later, nullptr).empty());  // worked out by now
    QVERIFY(writeFile(later, contents(later) + "1\t100\t10.00\t8.00\t6.00\t2\t202603010900\n"));
    QVERIFY(shell.frame->projectCommands()->saveProject(project));
    shell.restart();
    shell.prompter.questions.clear();
    shell.prompter.answers.clear();
    QVERIFY(!shell.frame->projectCommands()->openProject(project));
    QVERIFY(shell.prompter.questions.value(0).startsWith(
        "The data file has changed since the project was saved."));
}

void ProjectsTest::badProjectsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("newer")
        << QByteArray(R"({"version": 7, "data": {"path": "road.dat"}})")
        << "bad.vantrel was saved by a newer version of Vantrel (file version 7; this version "
           "reads up to 1).";
    QTest::newRow("truncated")
        << QByteArray(R"({"version": 1, "data": {"path": "road.dat"}, "steps": [)")
        << "bad.vantrel is truncated: it ends at byte 55 before the project is complete.";
    QTest::newRow("unknown step")
        << QByteArray(R"({"version": 1, "data": {"path": "road.dat"}, "steps": [{"step": "fly"}]})")
        << "bad.vantrel: step 1, 'fly', is not a step this version of Vantrel knows.";
    QTest::newRow("out of range")
        << QByteArray(
               R"({"version": 1, "data": {"path": "road.dat"}, "steps": [{"step": "config", "argument": "resistivity=-5"}]})")
        << "bad.vantrel: step 1: resistivity must be above 0, not -5.";
    QTest::newRow("recipe")
        << QByteArray(R"({"version": 1, "steps": []})")
        << "bad.vantrel is a recipe, not a project: it names no data file. Open a data file and "
           "run the recipe with vantrel-cli --recipe, or open a project.";
}

void ProjectsTest::badProjectsChangeNothing()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString data = copyFixture(dir, QStringLiteral("road.dat"));
    const QString bad = dir.filePath(QStringLiteral("bad.vantrel"));
    QVERIFY(writeFile(bad, text));
    Shell shell;
    work(shell, data);
    const QByteArray before = tablesOf(shell.frame, dir.path());
    QVERIFY(!shell.frame->projectCommands()->openProject(bad));
    QCOMPARE(shell.prompter.messages, QStringList{message});
    QCOMPARE(tablesOf(shell.frame, dir.path()), before);
    QVERIFY(shell.frame->projectCommands()->hasUnsavedWork());
}

void ProjectsTest::copiedCommandLineGivesTheDesktopsTables()
{
    QTemporaryDir dir;
    const QString data = copyFixture(dir, QStringLiteral("road.dat"), QStringLiteral("road line.dat"));
    Shell shell;
    work(shell, data);
    shell.frame->historyPane()->menu()->actions().value(0)->trigger();
    const QString line = QGuiApplication::clipboard()->text();
    QVERIFY2(line.startsWith("vantrel-cli '" + data + "' --correct-bad-points --select 1,2:1-3 --config "),
             qPrintable(line));
    QVERIFY(!line.contains("--search-bad-points"));  // undone
    const QString desktop = dir.filePath(QStringLiteral("desktop.csv"));
    QVERIFY(DepthWriter::Save(desktop.toStdString(), shell.frame->survey().m_tables).ok);
    const QString cli = dir.filePath(QStringLiteral("cli.csv"));
    QProcess shellRun;
    shellRun.start(QStringLiteral("/bin/sh"),
                   {QStringLiteral("-c"),
                    QStringLiteral("'%1'").arg(VANTREL_CLI) + line.mid(QStringLiteral("vantrel-cli").size()) +
                        QStringLiteral(" --save-depth ") + cli});
    QVERIFY(shellRun.waitForFinished(30000));
    QCOMPARE(shellRun.exitCode(), 0);
    QCOMPARE(contents(cli), contents(desktop));
}

void ProjectsTest::recoveryAfterAKilledProgram()
{
    QTemporaryDir dir;
    const QString data = copyFixture(dir, QStringLiteral("road.dat"));
    const QString recovery = dir.filePath(QStringLiteral("recovery.vantrel"));
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), data, recovery});
    QVERIFY(child.waitForReadyRead(30000));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(recovery).size() > 0, 10000);
    QTest::qWait(300);
    child.kill();
    QVERIFY(child.waitForFinished(10000));
    QVERIFY(QFileInfo::exists(recovery));

    // The next start offers it; the work comes back, still unsaved.
    Shell shell;
    shell.frame->recovery()->setPath(recovery);
    shell.prompter.answers = {true};
    QVERIFY(shell.frame->recovery()->offer());
    QCOMPARE(shell.prompter.questions.value(0),
             "Vantrel did not close normally, and the work on " + data + " was not saved.\nRecover it?");
    QCOMPARE(shell.frame->undoHistory().doneSteps().size(), std::size_t{2});
    QVERIFY(shell.frame->survey().m_tables.Depth().RowCount() > 0);
    QVERIFY(shell.frame->projectCommands()->hasUnsavedWork());
    QVERIFY(shell.frame->projectCommands()->projectPath().isEmpty());
    // A normal exit removes it.
    shell.prompter.answers = {false, false};
    shell.frame->close();
    QVERIFY(!QFileInfo::exists(recovery));
}

int main(int argc, char** argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv);
    ProjectsTest test;
    return runGuiTest(&test, argc, argv, "projects");
}

#include "tst_projects.moc"
