// The two ways out: closing the main window (with and without depth data)
// and Exit; and Save Depth Data.

#include "charts/cchildframe.h"
#include "common/commandids.h"
#include "testsupport.h"

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::contents;
using vantrel::test::Shell;

namespace {

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

class TestShellShutdown : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

    void saveDepthDataNames()
    {
        const struct {
            const char *typed, *written;
            int filter;
            char separator;
        } cases[] = {{"DEPTH1.CSV", "DEPTH1.CSV.csv", 1, ','},
                     {"depth1.csv", "depth1.csv.dat", 0, '\t'},
                     {"d.dat", "d.dat", 2, '\t'}};
        Shell s;
        fillDepth(s.frame->survey());
        for (const auto& c : cases) {
            QTemporaryDir dir;
            s.prompter.files = {FileChoice{true, dir.filePath(c.typed), c.filter}};
            QVERIFY(s.run(ID_SAVE_DEPTH_DATA));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{c.written});
            const QByteArray header =
                QByteArray("Increment Value,Height,Value,FileID\r\n").replace(',', c.separator);
            QVERIFY2(contents(dir.filePath(c.written)).startsWith(header), c.written);
        }
        QVERIFY(s.prompter.messages.isEmpty());
    }

    void saveDepthDataFailures()
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
        for (const QString& path : {other, existing}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("precious") == 8);
        }
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
    }
};

VANTREL_GUI_TEST_MAIN(TestShellShutdown, "shellshutdown")
#include "tst_shellshutdown.moc"
