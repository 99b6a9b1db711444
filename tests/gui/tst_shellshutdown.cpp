// Closing the main window with and without depth data, and Save Depth Data.

#include "app/cchildframe.h"
#include "app/commandids.h"
#include "shelltestsupport.h"

#include <QCloseEvent>

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::Shell;

namespace {

const QString kFilter = "DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||";

void fillDepth(Survey& survey)
{
    DataTable& depth = survey.m_tables.m_depth;
    for (const char* title : {"FILE", "INCREMENT", "Height(H)", "Value(V)"})
        depth.AddColumn(title);
    depth.AppendRow(std::vector<std::string>{"1", "0", "-25", "12.5"});
    depth.AppendRow(std::vector<std::string>{"1", "5", "-30", "11"});
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

FileChoice chosen(const QString& path, int filter)
{
    return FileChoice{true, path, filter};
}

}  // namespace

class TestShellShutdown : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closingWithoutDepthDataAsksNothing()
    {
        Shell s;
        s.frame->newChartWindow("chart");
        QVERIFY(s.frame->close());
        QVERIFY(s.prompter.questions.isEmpty());
        QVERIFY(s.prompter.fileFilters.isEmpty());
        QTRY_VERIFY(s.frame->chartWindows().isEmpty());
    }

    void closingWithDepthDataOkSavesFirst()
    {
        QTemporaryDir dir;
        Shell s;
        fillDepth(s.frame->survey());
        QStringList order;
        CChildFrame* a = s.frame->newChartWindow("a");
        CChildFrame* b = s.frame->newChartWindow("b");
        a->setShutdownHook([&] { order << "a:" + QString::number(QFileInfo::exists(dir.filePath("depth1.csv"))); });
        b->setShutdownHook([&] { order << "b"; });
        s.prompter.answers = {true};
        s.prompter.files = {chosen(dir.filePath("depth1"), 1)};

        QVERIFY(s.frame->close());
        QCOMPARE(s.prompter.questions, QStringList{"Please save deep data!"});
        QCOMPARE(s.prompter.fileFilters, QStringList{kFilter});
        QCOMPARE(contents(dir.filePath("depth1.csv")),
                 QByteArray("Increment Value,Height,Value,FileID\r\n0,-25,12.5,1,\r\n5,-30,11,1,\r\n"));
        // The depth data was saved before the chart windows went, one by one.
        QCOMPARE(order, (QStringList{"a:1", "b"}));
        QTRY_VERIFY(s.frame->chartWindows().isEmpty());
    }

    void closingWithDepthDataCancelledDialogStillCloses()
    {
        Shell s;
        fillDepth(s.frame->survey());
        s.prompter.answers = {true};  // OK, then the file dialog is cancelled
        QVERIFY(s.frame->close());
        QCOMPARE(s.prompter.fileFilters.size(), 1);
        QVERIFY(s.prompter.messages.isEmpty());
    }

    void closingWithDepthDataCancelSkipsTheSave()
    {
        Shell s;
        fillDepth(s.frame->survey());
        s.prompter.answers = {false};
        QVERIFY(s.frame->close());
        QCOMPARE(s.prompter.questions, QStringList{"Please save deep data!"});
        QVERIFY(s.prompter.fileFilters.isEmpty());
        QVERIFY(s.exitCalls.isEmpty());
    }

    void saveDepthDataNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::newRow("csv filter") << "depth1" << 1 << "depth1.csv" << QByteArray("Increment Value,Height,Value,FileID");
        QTest::newRow("upper case csv") << "DEPTH1.CSV" << 1 << "DEPTH1.CSV.csv"
                                        << QByteArray("Increment Value,Height,Value,FileID");
        QTest::newRow("csv name, dat filter") << "depth1.csv" << 0 << "depth1.csv.dat"
                                              << QByteArray("Increment Value\tHeight\tValue\tFileID");
        QTest::newRow("all files, dat") << "d.dat" << 2 << "d.dat" << QByteArray("Increment Value\tHeight\tValue\tFileID");
    }

    void saveDepthDataNames()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, firstLine);
        QTemporaryDir dir;
        Shell s;
        fillDepth(s.frame->survey());
        s.prompter.files = {chosen(dir.filePath(typed), filter)};
        QVERIFY(s.run(ID_SAVE_DEPTH_DATA));
        QVERIFY(s.prompter.messages.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        QVERIFY(contents(dir.filePath(written)).startsWith(firstLine + "\r\n"));
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
        const QString blocked = dir.filePath("no-such-folder/depth.dat");
        s.prompter.files = {chosen(blocked, 0)};
        QVERIFY(s.run(ID_SAVE_DEPTH_DATA));
        QCOMPARE(s.prompter.messages, QStringList{blocked + " File save failed!"});

        // Neither .dat nor .csv: an existing file keeps its contents.
        const QString other = dir.filePath("keep.TXT");
        {
            QFile f(other);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("precious");
        }
        s.prompter.messages.clear();
        s.prompter.files = {chosen(other, 2)};
        QVERIFY(s.run(ID_SAVE_DEPTH_DATA));
        QCOMPARE(s.prompter.messages.size(), 1);
        QVERIFY(s.prompter.messages.first().startsWith(other));
        QCOMPARE(contents(other), QByteArray("precious"));

        // An existing file chosen in the dialog is replaced without a question.
        const QString existing = dir.filePath("old.dat");
        {
            QFile f(existing);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old contents");
        }
        s.prompter.messages.clear();
        s.prompter.files = {chosen(existing, 0)};
        QVERIFY(s.run(ID_SAVE_DEPTH_DATA));
        QVERIFY(s.prompter.questions.isEmpty());
        QVERIFY(contents(existing).startsWith("Increment Value\t"));
    }
};

VANTREL_SHELL_TEST_MAIN(TestShellShutdown, "shellshutdown")
#include "tst_shellshutdown.moc"
