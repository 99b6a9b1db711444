// The ways in: the command line and files dropped on the window; the ways
// out: closing the main window (with and without depth data) and Exit; and
// Save Depth Data.

#include "app/startupoptions.h"
#include "charts/cchildframe.h"
#include "common/commandids.h"
#include "messages.h"
#include "testsupport.h"

#include <QMimeData>

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::contents;
using vantrel::test::Shell;
using Action = StartupOptions::Action;

namespace {

QString openFileName(const Shell& s)
{
    return QFileInfo(QString::fromStdString(s.frame->survey().m_frame.DataFile())).fileName();
}

/// Drags `paths` over the frame and drops them; true when the frame took the drag.
bool drop(Shell& s, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    data.setUrls(urls);
    const QPoint at = s.frame->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.frame, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.frame, &dropped);
    return dropped.isAccepted();
}

const QString kFilter = "DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||";

void fillDepth(Survey& survey)
{
    DataTable& depth = survey.m_tables.Depth();
    for (const char* title : {"FILE", "INCREMENT", "Height(H)", "Value(V)"})
        depth.AddColumn(title);
    depth.AppendRow(std::vector<std::string>{"1", "0", "-25", "12.5"});
    depth.AppendRow(std::vector<std::string>{"1", "5", "-30", "11"});
}

}  // namespace

class TestShellStartStop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandLineWords()
    {
        const QString here = QDir::currentPath() + QLatin1Char('/');
        const struct {
            QStringList words;
            Action action;
            QStringList files;
            const char* error;
        } rows[] = {
            {{}, Action::Start, {}, ""},
            {{"a.dat", "/tmp/b.csv"}, Action::Start, {here + "a.dat", "/tmp/b.csv"}, ""},
            {{"file:///tmp/with%20space.dat"}, Action::Start, {"/tmp/with space.dat"}, ""},
            {{"--", "-odd.dat", "--help"}, Action::Start, {here + "-odd.dat", here + "--help"}, ""},
            {{"-x", "a.dat", "--y"},
             Action::Error,
             {here + "a.dat"},
             "vantrel: unknown option '-x'\nTry 'vantrel --help' for more information.\n"},
            // Qt's options are still on the line before the application takes them.
            {{"-platform", "offscreen", "--version"}, Action::Version, {}, ""},
            {{"a.dat", "-h"}, Action::Help, {}, ""},
        };
        for (const auto& row : rows) {
            const StartupOptions o = StartupOptions::parse(QStringList{"vantrel"} + row.words);
            QCOMPARE(o.action, row.action);
            QCOMPARE(o.files, row.files);
            QCOMPARE(o.error, QString::fromUtf8(row.error));
        }
        QVERIFY(
            StartupOptions::versionText().startsWith("vantrel " + QCoreApplication::applicationVersion()));
    }

    // A file named on the command line or dropped on the window opens as
    // File > Open opens it, the close question included.
    void namedAndDroppedFilesOpen()
    {
        Shell s;
        const QString road = test::fixture("road.dat");
        s.app()->openFiles(StartupOptions::parse({"vantrel", road}).files);
        QCOMPARE(openFileName(s), QString("road.dat"));
        QCOMPARE(s.frame->survey().m_tables.Origin().RowCount(), std::size_t(16));
        QVERIFY(s.prompter.messages.isEmpty());

        s.prompter.answers << false;  // keep the open file
        s.app()->openFiles({test::fixture("alternating.dat")});
        QCOMPARE(s.prompter.questions, QStringList{QString::fromUtf8(msg::kCloseOpenFile)});
        QCOMPARE(openFileName(s), QString("road.dat"));

        s.prompter.answers << true;
        // Several survey files are one survey; these two have other columns.
        s.app()->openFiles({test::fixture("alternating.dat"), road, "/tmp/x.vantrel"});
        QVERIFY(!s.frame->survey().m_frame.HasOpenFile());
        QCOMPARE(
            s.prompter.messages,
            QStringList(
                {"x.vantrel cannot be read: No such file or directory.",
                 "road.dat does not have the columns of alternating.dat: none of the files was loaded."}));

        // Dropped files open the same way; nothing is open now, so nothing is asked.
        s.prompter.questions.clear();
        QVERIFY(!drop(s, {"/tmp/notes.txt"}));
        QVERIFY(drop(s, {test::fixture("other_layout.csv")}));
        QTRY_COMPARE(openFileName(s), QString("other_layout.csv"));
        // A file of a kind the window does not open is left out of a mixed drop.
        s.prompter.answers << true;
        QVERIFY(drop(s, {"/tmp/notes.txt", test::fixture("road.dat")}));
        QTRY_COMPARE(openFileName(s), QString("road.dat"));
        QCOMPARE(s.prompter.questions, QStringList{QString::fromUtf8(msg::kCloseOpenFile)});
    }

    void closing_data()
    {
        QTest::addColumn<bool>("depth");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("choose");
        QTest::newRow("no depth data") << false << true << true;
        QTest::newRow("OK, saved") << true << true << true;
        QTest::newRow("OK, dialog cancelled") << true << true << false;
        QTest::newRow("Cancel") << true << false << true;
    }

    void closing()
    {
        QFETCH(bool, depth);
        QFETCH(bool, ok);
        QFETCH(bool, choose);
        QTemporaryDir dir;
        Shell s;
        if (depth)
            fillDepth(s.frame->survey());
        QStringList order;
        CChildFrame* a = s.frame->newChartWindow("a");
        CChildFrame* b = s.frame->newChartWindow("b");
        a->setShutdownHook(
            [&] { order << "a:" + QString::number(QFileInfo::exists(dir.filePath("depth1.csv"))); });
        b->setShutdownHook([&] { order << "b"; });
        s.prompter.answers = {ok};
        if (choose)
            s.prompter.files = {FileChoice{true, dir.filePath("depth1"), 1}};

        QVERIFY(s.frame->close());
        QCOMPARE(s.prompter.questions, depth ? QStringList{"Please save deep data!"} : QStringList());
        QCOMPARE(s.prompter.fileFilters, depth && ok ? QStringList{kFilter} : QStringList());
        QVERIFY(s.prompter.messages.isEmpty());
        QVERIFY(s.exitCalls.isEmpty());
        // The depth data is saved before the chart windows go, one by one.
        const bool saved = depth && ok && choose;
        QCOMPARE(order, (QStringList{saved ? "a:1" : "a:0", "b"}));
        if (saved)
            QCOMPARE(contents(dir.filePath("depth1.csv")),
                     QByteArray("Increment Value,Height,Value,FileID\r\n0,-25,12.5,1,\r\n5,-30,11,1,\r\n"));
        QTRY_VERIFY(s.frame->chartWindows().isEmpty());
    }

    void exitAnswers()
    {
        Shell s;
        s.prompter.answers = {true, false};
        QVERIFY(s.run(ID_APP_EXIT));
        QCOMPARE(s.prompter.questions, QStringList{"Please save the data!"});
        QVERIFY(s.exitCalls.isEmpty());  // OK goes back to the program
        QVERIFY(s.run(ID_APP_EXIT));
        QCOMPARE(s.exitCalls, QList<int>{0});      // Cancel ends at once with status 0
        QCOMPARE(s.prompter.questions.size(), 2);  // no close sequence ran
    }

    void saveDepthData()
    {
        QTemporaryDir dir;
        Shell s;
        // Nothing to save: a message and no dialog.
        QVERIFY(s.run(ID_SAVE_DEPTH_DATA));
        QCOMPARE(s.prompter.messages, QStringList{"No depth data needs to be saved!"});
        QVERIFY(s.prompter.fileFilters.isEmpty());

        fillDepth(s.frame->survey());
        s.prompter.messages.clear();
        QVERIFY(s.run(ID_SAVE_DEPTH_DATA));  // the dialog cancelled: nothing written, nothing said
        QVERIFY(s.prompter.messages.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
        s.prompter.files = {FileChoice{true, dir.filePath("no-such-folder/depth"), 0}};
        QVERIFY(s.run(ID_SAVE_DEPTH_DATA));
        QCOMPARE(s.prompter.messages,
                 QStringList{dir.filePath("no-such-folder/depth.dat") + " File save failed!"});

        // Neither .dat nor .csv: an existing file keeps its contents.
        const QString other = dir.filePath("keep.TXT");
        const QString existing = dir.filePath("old.dat");
        for (const QString& path : {other, existing})
            QVERIFY(test::writeFile(path, "precious"));
        s.prompter.messages.clear();
        s.prompter.files = {FileChoice{true, other, 2}};
        QVERIFY(s.run(ID_SAVE_DEPTH_DATA));
        QCOMPARE(s.prompter.messages.size(), 1);
        QVERIFY(s.prompter.messages.first().startsWith(other));
        QCOMPARE(contents(other), QByteArray("precious"));

        // An existing file chosen in the dialog is replaced without a question.
        s.prompter.files = {FileChoice{true, existing, 0}};
        QVERIFY(s.run(ID_SAVE_DEPTH_DATA));
        QVERIFY(s.prompter.questions.isEmpty());
        QVERIFY(contents(existing).startsWith("Increment Value\t"));
        QCOMPARE(s.prompter.messages.size(), 1);  // nothing said of a save that worked
    }
};

VANTREL_GUI_TEST_MAIN(TestShellStartStop, "startstop")
#include "tst_shellstartstop.moc"
