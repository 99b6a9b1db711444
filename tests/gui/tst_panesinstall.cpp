// The data panes inside the real main frame: the docks they replace, the
// commands the router hands them, and the frame's roads that meet them.

#include "panes_testsupport.h"
#include "shelltestsupport.h"

#include "app/commandids.h"
#include "messages.h"
#include "panes/cfileview.h"
#include "panes/coutputwnd.h"
#include "panes/datacommands.h"
#include "panes/datapanesinstaller.h"
#include "panes/datatablemodel.h"

#include <QStatusBar>

using namespace vantrel;
using Level = CommandRouter::Level;
using vantrel::test::Shell;

class TestPanesInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void panesTakeTheDocks();
    void theRouterReachesTheDataCommands();
    void closingWithDepthDataSavesThroughThePanes();
};

void TestPanesInstall::panesTakeTheDocks()
{
    test::Shell shell;
    CMainFrame* frame = shell.frame;
    const DataPanes panes = InstallDataPanes(*frame);
    QVERIFY(panes.fileView && panes.output && panes.commands);
    QCOMPARE(frame->fileViewDock(), panes.fileView);
    QCOMPARE(frame->outputDock(), panes.output);
    QCOMPARE(panes.fileView->objectName(), QStringLiteral("FileViewPane"));
    QCOMPARE(panes.output->objectName(), QStringLiteral("OutputPane"));
    QCOMPARE(frame->dockWidgetArea(panes.fileView), Qt::LeftDockWidgetArea);
    QCOMPARE(frame->dockWidgetArea(panes.output), Qt::BottomDockWidgetArea);
    QCOMPARE(panes.fileView->windowTitle(), QStringLiteral("File View"));
    QCOMPARE(panes.output->windowTitle(), QStringLiteral("Show Table"));
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QList<QDockWidget*> shown;
    for (QDockWidget* dock : frame->findChildren<QDockWidget*>())
        if (dock->isVisible())
            shown << dock;
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown.contains(panes.fileView) && shown.contains(panes.output));
    QVERIFY(panes.fileView->width() >= 150);

    const DataPanes again = InstallDataPanes(*frame);
    QCOMPARE(again.commands, panes.commands);
    QCOMPARE(frame->findChildren<DataCommands*>().size(), 1);

    // The frame goes with a file loaded and the panes on screen.
    QTemporaryDir dir;
    shell.prompter.files << FileChoice{true, panes_test::copyFixture(dir, QStringLiteral("road.dat")), 0};
    QVERIFY(shell.run(cmd::ID_FILE_OPEN));
    QCOMPARE(panes.output->originModel()->rowCount(), 16);
    const QPointer<CFileView> fileView = panes.fileView;
    Shell::app()->ExitInstance();
    QVERIFY(fileView.isNull());
}

void TestPanesInstall::theRouterReachesTheDataCommands()
{
    QTemporaryDir dir;
    test::Shell shell;
    CMainFrame* frame = shell.frame;
    const DataPanes panes = InstallDataPanes(*frame);
    for (const auto& c : DataCommands::commands())
        if (c.scope == DataCommands::Scope::MainFrame)
            QCOMPARE(frame->router()->handlerLevel(c.id), int(Level::MainFrame));

    shell.prompter.files << FileChoice{true, panes_test::copyFixture(dir, QStringLiteral("road.dat")), 0};
    frame->action(cmd::ID_FILE_OPEN)->trigger();
    QCOMPARE(frame->survey().m_tables.m_origin.RowCount(), 16u);
    QCOMPARE(panes.output->originModel()->rowCount(), 16);
    QCOMPARE(panes.fileView->model()->rowCount(), 2);
    QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("16 rows read from road.dat"));

    // The graphs want chosen data, which the panes provide.
    QVERIFY(shell.run(cmd::ID_VERTICAL_GRAPH));
    QCOMPARE(shell.prompter.messages, QStringList({QStringLiteral("Please choose data!")}));
    frame->survey().m_tree.SetRowChecked(1, true);
    QVERIFY(shell.run(cmd::ID_CHOOSE_DATA));
    QVERIFY(shell.run(cmd::ID_VERTICAL_GRAPH));
    QCOMPARE(shell.prompter.messages.size(), 1);
    QCOMPARE(frame->chartWindows().size(), 1);

    // Ctrl+S from a chart window still saves the original data.
    QVERIFY(shell.run(cmd::ID_FILE_SAVE));
    QCOMPARE(shell.prompter.messages.size(), 1);
}

void TestPanesInstall::closingWithDepthDataSavesThroughThePanes()
{
    QTemporaryDir dir;
    test::Shell shell;
    CMainFrame* frame = shell.frame;
    InstallDataPanes(*frame);
    shell.prompter.files << FileChoice{true, panes_test::fixture(QStringLiteral("road.dat")), 0};
    QVERIFY(shell.run(cmd::ID_FILE_OPEN));
    frame->survey().m_tree.ClickFileCheckBox(0);
    QVERIFY(shell.run(cmd::ID_PROCESSED_DATA));
    QVERIFY(shell.run(cmd::ID_DEPTH_DISPLAY));
    QCOMPARE(frame->survey().m_tables.m_depth.RowCount(), 24u);

    shell.prompter.answers << true;
    shell.prompter.files << FileChoice{true, dir.filePath(QStringLiteral("deep")), 1};
    frame->close();
    QCOMPARE(shell.prompter.questions.last(), QStringLiteral("Please save deep data!"));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("deep.csv"))));
}

int main(int argc, char** argv)
{
    TestPanesInstall test;
    return vantrel::test::runShellTest(&test, argc, argv, "panesinstall");
}

#include "tst_panesinstall.moc"
