// The data panes in the real main frame, and the data road through them:
// open a file, tick rows with the mouse, choose, search (red cells), correct,
// process, calculate depth, save both files; and the File Open questions.

#include "testsupport.h"

#include "common/commandids.h"
#include "messages.h"
#include "panes/cfileview.h"
#include "panes/cfileviewtoolbar.h"
#include "panes/coutputwnd.h"
#include "panes/datatablemodel.h"

#include <QComboBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

using namespace vantrel;
using test::checked;
using test::clickCheckBox;
using test::Shell;

class TestDataRoad : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Shell> m_shell;
    ScriptedPrompter* m_prompter = nullptr;
    Survey* m_survey = nullptr;
    CFileView* m_fileView = nullptr;
    COutputWnd* m_output = nullptr;

    void open(const QString& path, int filter = 0)
    {
        m_prompter->files << FileChoice{true, path, filter};
        QVERIFY(m_shell->run(cmd::ID_FILE_OPEN));
    }
    void run(int id) { QVERIFY2(m_shell->run(id), qPrintable(QString::number(id))); }
    bool toolButton(int id)
    {
        CFileViewToolBar* bar = m_fileView->toolBar();
        QWidget* button = bar->widgetForAction(bar->action(id));
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        return button;
    }
    void outputMenu(int id)
    {
        for (QAction* a : m_output->contextMenu()->actions())
            if (a->data().toInt() == id)
                a->trigger();
    }
    QModelIndex fileItem(int i) const { return m_fileView->model()->index(i, 0); }
    QModelIndex rowItem(int file, int row) const
    {
        return m_fileView->model()->index(row, 0, fileItem(file));
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_shell = std::make_unique<Shell>();
        m_prompter = &m_shell->prompter;
        m_survey = &m_shell->frame->survey();
        m_fileView = m_shell->frame->fileView();
        m_output = m_shell->frame->outputPane();
        QVERIFY(m_shell->show());
    }

    void cleanup()
    {
        m_shell.reset();
        m_dir.reset();
    }

    void panesFillTheDocks()
    {
        CMainFrame* frame = m_shell->frame;
        QCOMPARE(frame->dockWidgetArea(m_fileView), Qt::LeftDockWidgetArea);
        QCOMPARE(frame->dockWidgetArea(m_output), Qt::BottomDockWidgetArea);
        QList<QDockWidget*> shown;
        for (QDockWidget* dock : frame->findChildren<QDockWidget*>())
            if (dock->isVisible())
                shown << dock;
        QCOMPARE(shown, (QList<QDockWidget*>{m_fileView, m_output}));

        // The panes' commands take the router's road: a command without a
        // handler shows disabled, the others run from the pane. The file
        // view's Open With, Compile, Cut, Copy and Delete are its own and
        // stay enabled doing nothing.
        QStringList off;
        for (QDockWidget* pane : {static_cast<QDockWidget*>(m_fileView), static_cast<QDockWidget*>(m_output)})
            for (QAction* a :
                 pane == m_fileView ? m_fileView->commandActions() : m_output->commandActions()) {
                const int id = a->data().toInt();
                QVERIFY2(frame->router()->actions().contains(a), qPrintable(QString::number(id)));
                QCOMPARE(a->isEnabled(), frame->router()->isHandled(id, pane));
                if (!a->isEnabled() && pane == m_fileView)
                    off << a->text();
            }
        QCOMPARE(off, QStringList());
        for (int id : {cmd::ID_OPEN_WITH, cmd::ID_DUMMY_COMPILE, cmd::ID_EDIT_CUT, cmd::ID_EDIT_COPY,
                       cmd::ID_EDIT_CLEAR})
            QVERIFY(frame->router()->dispatch(id, m_fileView) && !frame->router()->isHandled(id));

        // The frame goes with a file loaded and the panes on screen.
        open(test::fixture(QStringLiteral("road.dat")));
        const QPointer<CFileView> fileView = m_fileView;
        Shell::app()->ExitInstance();
        QVERIFY(fileView.isNull());
    }

    void wholeRoad()
    {
        const QString path = test::copyFixture(*m_dir, QStringLiteral("road.dat"));
        m_prompter->files << FileChoice{true, path, 0};
        m_shell->action(cmd::ID_FILE_OPEN)->trigger();
        QVERIFY(m_prompter->questions.isEmpty() && m_prompter->messages.isEmpty());
        QCOMPARE(m_shell->frame->statusBar()->currentMessage(), QStringLiteral("16 rows read from road.dat"));
        QCOMPARE(QString::fromStdString(m_survey->m_frame.DataPath()), path.toUpper());
        QCOMPARE(m_fileView->model()->rowCount(), 2);
        QCOMPARE(m_output->originModel()->rowCount(), 16);
        QCOMPARE(m_output->tabs()->currentIndex(), 0);

        // Tick file 1 and the first row of file 2 with the mouse.
        CViewTree* tree = m_fileView->tree();
        tree->expandAll();
        QVERIFY(clickCheckBox(tree, fileItem(0)));
        QVERIFY(clickCheckBox(tree, rowItem(1, 0)));
        QVERIFY(toolButton(cmd::ID_SELECT_DATA));
        QVERIFY(m_prompter->messages.isEmpty());
        QVERIFY(m_survey->m_frame.DataSelected());
        DataTableModel* processing = m_output->processingModel();
        QCOMPARE(processing->rowCount(), 9);
        QCOMPARE(processing->index(7, 1).data().toString(), QStringLiteral("35"));
        QCOMPARE(processing->index(8, 0).data().toString(), QStringLiteral("2"));
        QCOMPARE(m_output->tabs()->currentIndex(), 1);

        // The search clips the spike and marks the zero reading red.
        outputMenu(cmd::ID_OUTPUT_SEARCH_BAD_POINTS);
        QCOMPARE(m_prompter->messages, QStringList({QString::fromUtf8(msg::kMarkedRed)}));
        DataTableModel* origin = m_output->originModel();
        QCOMPARE(origin->index(3, 2).data().toString(), QStringLiteral("31.250000"));
        QVERIFY(origin->index(5, 4).data(DataTableModel::MarkedRole).toBool());
        QCOMPARE(origin->index(5, 4).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));

        // The correction replaces it and clears the marks.
        m_prompter->messages.clear();
        run(cmd::ID_CORRECT_BAD_POINTS);
        QVERIFY(m_prompter->messages.isEmpty());
        QCOMPARE(origin->index(5, 4).data().toString(), QStringLiteral("6.0000"));
        QVERIFY(!origin->index(5, 4).data(DataTableModel::MarkedRole).toBool());

        // Field-source processing of the chosen rows, then the depth.
        QVERIFY(toolButton(cmd::ID_FILEVIEW_PROCESS_SELECTED));
        QCOMPARE(m_survey->m_tables.FieldGroups(), 2);
        QCOMPARE(processing->rowCount(), 9);
        QCOMPARE(m_output->tabs()->currentIndex(), 1);
        QVERIFY(toolButton(cmd::ID_FILEVIEW_DEPTH));
        DataTableModel* depth = m_output->depthModel();
        QCOMPARE(depth->rowCount(), 27);
        QCOMPARE(depth->index(0, 2).data().toString(), QStringLiteral("-49"));
        QCOMPARE(m_output->tabs()->currentIndex(), 2);
        QVERIFY(m_prompter->questions.isEmpty());

        // Again: asked first; Cancel keeps the table, OK rebuilds it.
        m_survey->m_tables.Depth().SetCell(0, 3, "kept");
        run(cmd::ID_DEPTH_DISPLAY);
        QCOMPARE(m_prompter->questions, QStringList({QString::fromUtf8(msg::kDepthAgain)}));
        QCOMPARE(depth->index(0, 3).data().toString(), QStringLiteral("kept"));
        m_prompter->answers << true;
        outputMenu(cmd::ID_OUTPUT_DEPTH);
        QCOMPARE(m_prompter->questions.size(), 2);
        QCOMPARE(depth->rowCount(), 27);
        QVERIFY(depth->index(0, 3).data().toString() != QStringLiteral("kept"));

        // A graph now, and both saves with its chart window in front.
        run(cmd::ID_VERTICAL_GRAPH);
        QCOMPARE(m_shell->frame->chartWindows().size(), 1);
        m_prompter->files << FileChoice{true, m_dir->filePath(QStringLiteral("depth1")), 1};
        run(cmd::ID_SAVE_DEPTH_DATA);
        QVERIFY(test::contents(m_dir->filePath(QStringLiteral("depth1.csv")))
                    .startsWith("Increment Value,Height,Value,FileID\r\n0,-49,"));
        QFile::remove(path);
        run(cmd::ID_FILE_SAVE);
        QVERIFY(m_prompter->messages.isEmpty());
        const QByteArray saved = test::contents(path);
        QVERIFY(saved.startsWith("FILE\tINCREMENT\t1000HZ\t500HZ\t100HZ\tMODE\tDATETIME\t\r\n"));
        QVERIFY(saved.contains("\r\n1\t15\t31.250000\t"));
    }

    void keyboardTicksOneItemAndChoosesNothing()
    {
        open(test::fixture(QStringLiteral("alternating.dat")));
        CViewTree* tree = m_fileView->tree();
        tree->expand(fileItem(1));
        tree->setFocus();
        tree->setCurrentIndex(fileItem(1));
        QTest::keyClick(tree, Qt::Key_Space);
        QVERIFY(checked(fileItem(1)));
        QVERIFY(!checked(rowItem(1, 0)));
        tree->setCurrentIndex(rowItem(1, 1));
        QTest::keyClick(tree, Qt::Key_Space);
        QVERIFY(checked(rowItem(1, 1)));
        QTest::keyClick(tree, Qt::Key_Space);
        QVERIFY(!checked(rowItem(1, 1)));
        QVERIFY(checked(fileItem(1)));  // no propagation either way
        QVERIFY(m_survey->m_tree.CheckedRowIds().empty());

        run(cmd::ID_CHOOSE_DATA);
        QCOMPARE(m_prompter->messages, QStringList({QString::fromUtf8(msg::kSelectInFilePane)}));
        QVERIFY(!m_survey->m_frame.DataSelected());
        QCOMPARE(m_output->processingModel()->rowCount(), 0);
        QCOMPARE(m_output->tabs()->currentIndex(), 0);
    }

    void chosenRowsComeGroupedByFile()
    {
        open(test::fixture(QStringLiteral("alternating.dat")));
        CViewTree* tree = m_fileView->tree();
        tree->expandAll();
        for (const auto& [file, row] : {std::pair{1, 1}, std::pair{0, 2}, std::pair{0, 0}})
            QVERIFY(clickCheckBox(tree, rowItem(file, row)));
        run(cmd::ID_PROCESSED_DATA);
        QStringList increments;
        const DataTableModel* processing = m_output->processingModel();
        for (int r = 0; r < processing->rowCount(); ++r)
            increments << processing->index(r, 0).data().toString() + '/' +
                    processing->index(r, 1).data().toString();
        QCOMPARE(increments, QStringList({"1/0", "1/10", "2/5"}));  // file by file, in load order
        QVERIFY(m_survey->m_frame.DataSelected());

        m_fileView->contextMenu()->actions().last()->trigger();  // Properties
        QCOMPARE(m_prompter->messages, QStringList({QStringLiteral("属性....")}));
    }

    void fileOpenCancelledKeepsTheData()
    {
        open(test::fixture(QStringLiteral("alternating.dat")));
        m_fileView->tree()->expandAll();
        QVERIFY(clickCheckBox(m_fileView->tree(), fileItem(1)));
        run(cmd::ID_CHOOSE_DATA);
        QVERIFY(m_survey->m_frame.DataSelected());

        run(cmd::ID_FILE_OPEN);  // Cancel in the question
        QCOMPARE(m_prompter->questions, QStringList({QString::fromUtf8(msg::kCloseOpenFile)}));
        QCOMPARE(m_prompter->fileFilters.size(), 1);
        QVERIFY(!m_survey->m_frame.DataSelected());
        QCOMPARE(m_fileView->model()->rowCount(), 2);
        QCOMPARE(m_output->originModel()->rowCount(), 5);
        QCOMPARE(m_output->processingModel()->rowCount(), 2);
        QVERIFY(checked(fileItem(1)));
    }

    void reopenStartsFromEmptyPanes()
    {
        open(test::fixture(QStringLiteral("road.dat")));
        QStringList seen;
        m_shell->prompter.onOpenFile = [&] {
            seen << QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(m_fileView->model()->rowCount())
                        .arg(m_fileView->frequencySelector()->count())
                        .arg(m_output->originModel()->rowCount())
                        .arg(m_output->originModel()->columnCount())
                        .arg(m_survey->m_frame.HeaderColumns().size());
        };
        m_prompter->answers << true;
        m_prompter->files << FileChoice{};  // OK, then cancel the dialog: the panes stay empty
        run(cmd::ID_FILE_OPEN);
        QCOMPARE(seen, QStringList({"0 0 0 0 0"}));
        QCOMPARE(m_fileView->model()->rowCount(), 0);
        QCOMPARE(m_output->depthModel()->columnCount(), 0);

        const QString csv =
            test::copyFixture(*m_dir, QStringLiteral("other_layout.csv"), QStringLiteral("other"));
        open(csv, 1);
        QCOMPARE(m_prompter->questions.size(), 1);  // nothing was open any more
        QCOMPARE(QString::fromStdString(m_survey->m_frame.DataPath()),
                 csv.toUpper() + QStringLiteral(".CSV"));
        QCOMPARE(m_output->originModel()->columnCount(), 6);
        QCOMPARE(fileItem(1).data().toString(), QStringLiteral("File: 9 (20260402)"));
        QCOMPARE(m_fileView->frequencySelector()->count(), 2);
        QCOMPARE(m_fileView->frequencySelector()->itemText(1), QStringLiteral("4HZ"));

        m_prompter->answers << true;
        open(test::fixture(QStringLiteral("road.dat")));
        QCOMPARE(seen.last(), QStringLiteral("0 0 0 0 0"));
        QCOMPARE(m_output->originModel()->rowCount(), 16);
        QCOMPARE(rowItem(0, 0).data(FileTreeModel::ItemDataRole).toInt(), 1);
    }

    void saveAfterPartialLoadAsksFirst()
    {
        const QString path = test::copyFixture(*m_dir, QStringLiteral("short_row.dat"));
        const QByteArray original = test::contents(path);
        open(path);
        QCOMPARE(m_prompter->messages, QStringList({QString::fromUtf8(msg::kRowsMismatch)}));
        QCOMPARE(m_output->originModel()->rowCount(), 2);

        // Cancel, the default: the rows that were not read stay in the file.
        run(cmd::ID_FILE_SAVE);
        QCOMPARE(m_prompter->questions,
                 QStringList({QStringLiteral(
                     "Only 2 of the file's rows were read. Saving now replaces the whole file "
                     "and the rows that were not read are lost. Save anyway?")}));
        QCOMPARE(m_prompter->questionDefaults, QList<Prompter::Default>({Prompter::Default::Cancel}));
        QCOMPARE(test::contents(path), original);

        // OK: the user agreed to lose them.
        m_prompter->answers << true;
        run(cmd::ID_FILE_SAVE);
        QCOMPARE(m_prompter->questions.size(), 2);
        QVERIFY(test::contents(path) != original);
        QCOMPARE(test::contents(path).count("\r\n"), 3);

        // A complete read saves without a question.
        m_prompter->answers << true;
        open(test::copyFixture(*m_dir, QStringLiteral("road.dat")));
        run(cmd::ID_FILE_SAVE);
        QCOMPARE(m_prompter->questions.size(), 3);  // only the close question of the open

        // bad-row.csv opened with the DAT filter saves to bad-row.csv.DAT, another
        // file: the rows not read stay where they are, so it saves at once.
        const QString csv = test::copyFixture(*m_dir, QStringLiteral("short_row.dat"), "bad-row.csv");
        m_prompter->answers << true;
        open(csv, 0);
        run(cmd::ID_FILE_SAVE);
        QCOMPARE(m_prompter->questions.size(), 4);
        QCOMPARE(test::contents(csv), original);
        QCOMPARE(test::contents(csv + ".DAT").count("\r\n"), 3);
    }

    void tabStaysWhereTheUserPutIt()
    {
        open(test::fixture(QStringLiteral("road.dat")));
        m_fileView->tree()->expandAll();
        QVERIFY(clickCheckBox(m_fileView->tree(), fileItem(0)));
        run(cmd::ID_CHOOSE_DATA);
        QCOMPARE(m_output->tabs()->currentIndex(), int(OutputTables::ProcessingTab));

        // The user looks at the Origin table and corrects from the context menu.
        QTabBar* bar = m_output->tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(OutputTables::OriginTab).center());
        QCOMPARE(m_output->tabs()->currentIndex(), int(OutputTables::OriginTab));
        outputMenu(cmd::ID_OUTPUT_SEARCH_BAD_POINTS);
        outputMenu(cmd::ID_OUTPUT_CORRECT_BAD_POINTS);
        run(cmd::ID_SEARCH_AND_PROCESS);
        QCOMPARE(m_output->tabs()->currentIndex(), int(OutputTables::OriginTab));

        // The depth calculation and choosing again do turn the pane.
        run(cmd::ID_DEPTH_DISPLAY);
        QCOMPARE(m_output->tabs()->currentIndex(), int(OutputTables::DepthTab));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(OutputTables::OriginTab).center());
        run(cmd::ID_CHOOSE_DATA);
        QCOMPARE(m_output->tabs()->currentIndex(), int(OutputTables::ProcessingTab));
    }

    void eachMessageOnceAfterTheOperation()
    {
        // Three files of 201 rows each: every group is over the field source's capacity.
        const QString path = m_dir->filePath(QStringLiteral("groups.dat"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("FILE\tINCREMENT\t1000HZ\t500HZ\tMODE\tDATETIME\n");
            for (int file = 1; file <= 3; ++file)
                for (int row = 0; row < 201; ++row)
                    f.write(QStringLiteral("%1\t%2\t%3.5\t7.25\t2\t202603010900\n")
                                .arg(file)
                                .arg(row * 5)
                                .arg(10 + row % 7)
                                .toLatin1());
        }
        open(path);
        QVERIFY(m_prompter->messages.isEmpty());
        for (int i = 0; i < 3; ++i)
            QVERIFY(clickCheckBox(m_fileView->tree(), fileItem(i)));
        run(cmd::ID_PROCESSED_DATA);
        QCOMPARE(m_prompter->messages.size(), 1);
        QVERIFY(m_prompter->messages.first().startsWith(QStringLiteral("The maximum processing capacity")));
        QCOMPARE(m_survey->m_tables.FieldGroups(), 3);
    }

    void openFailuresAndPartialLoads()
    {
        const QString missing = m_dir->filePath(QStringLiteral("missing.dat"));
        open(missing);
        QCOMPARE(m_prompter->messages, QStringList({missing + QString::fromUtf8(msg::kFileOpenFailed)}));
        QCOMPARE(QString::fromStdString(m_survey->m_frame.DataPath()), missing.toUpper());

        m_prompter->messages.clear();
        const QString csvAsDat =
            test::copyFixture(*m_dir, QStringLiteral("short_row.dat"), QStringLiteral("data.csv"));
        open(csvAsDat, 0);
        QCOMPARE(m_prompter->messages, QStringList({QString::fromUtf8(msg::kRowsMismatch)}));
        QVERIFY(
            QString::fromStdString(m_survey->m_frame.DataPath()).endsWith(QStringLiteral("DATA.CSV.DAT")));
        QCOMPARE(m_fileView->model()->rowCount(fileItem(0)), 2);
    }
};

VANTREL_GUI_TEST_MAIN(TestDataRoad, "dataroad")
#include "tst_dataroad.moc"
