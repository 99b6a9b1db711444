// The data panes in the real main frame and the data road through them:
// open a file, tick rows with the mouse, choose, search (red cells), correct,
// process, calculate depth, save both files; the File Open questions; and
// undo and redo of every step back to its very bytes, the history across
// File Open and Save, and its memory limit.

#include "testsupport.h"

#include "app/cdialog_data_set.h"
#include "commands/datacommands.h"
#include "commands/undohistory.h"
#include "common/commandids.h"
#include "messages.h"
#include "panes/cfileviewtoolbar.h"
#include "panes/chistorypane.h"
#include "panes/datatablemodel.h"
#include "processing/settingstext.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include <memory>
#include <sstream>

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
    UndoHistory* m_history = nullptr;
    int m_copies = 0;
    QString m_undoCaption;  // the plain entries, in the interface language
    QString m_redoCaption;

    void open(const QString& path, int filter = 0)
    {
        m_prompter->files << FileChoice{true, path, filter};
        QVERIFY(m_shell->run(cmd::ID_FILE_OPEN));
    }
    /// Opens a fresh copy of the fixture `name`, closing the open file.
    void openCopy(const QString& name)
    {
        if (m_survey->m_frame.HasOpenFile())
            m_prompter->answers << true;
        open(test::copyFixture(*m_dir, name, QString::number(++m_copies) + name));
        QVERIFY(m_survey->m_frame.HasOpenFile());
    }
    void checkAll()
    {
        for (int id = 1; id < m_survey->m_tree.NextRowId(); ++id)
            m_survey->m_tree.SetRowChecked(id, true);
    }
    void run(int id) { QVERIFY2(m_shell->run(id), qPrintable(QString::number(id))); }
    QString status() const { return m_shell->frame->statusBar()->currentMessage(); }
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

    /// The tables as the user can see and save them, with everything else a
    /// step may change, and what the output pane shows of it.
    QByteArray dump() const
    {
        const OutputTables& t = m_survey->m_tables;
        std::ostringstream out;
        for (const DataTable* table : {&t.Origin(), &t.Processing(), &t.Depth()}) {
            for (const std::string& title : table->Titles())
                out << title << '\t';
            out << '\n';
            for (std::size_t r = 0; r < table->RowCount(); ++r) {
                for (std::size_t c = 0; c < table->ColumnCount(); ++c)
                    out << table->Cell(r, c) << '\t';
                out << '\n';
            }
        }
        t.WriteOriginRows(out, 1);
        t.WriteDepthRows(out, 2);
        for (const auto& [row, column] : t.Marks())
            out << row << ':' << column << ' ';
        out << "\nproc " << t.ProcFreqColumns() << " groups " << t.FieldGroups() << " freq "
            << t.FreqColumns() << " tab " << t.ActiveTab() << " selected " << m_survey->m_frame.DataSelected()
            << " settings " << SettingsText(t.Settings());
        COutputWnd* pane = m_shell->frame->outputPane();
        out << " shown " << pane->tabs()->currentIndex() << ' ' << pane->originModel()->rowCount() << ' '
            << pane->processingModel()->rowCount() << ' ' << pane->depthModel()->rowCount();
        int marked = 0;
        for (int r = 0; r < pane->originModel()->rowCount(); ++r)
            for (int c = 0; c < pane->originModel()->columnCount(); ++c)
                marked += pane->originModel()->index(r, c).data(DataTableModel::MarkedRole).toBool();
        out << " marked " << marked << '\n';
        return QByteArray::fromStdString(out.str());
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
        m_history = &m_shell->frame->undoHistory();
        m_undoCaption = m_shell->action(cmd::ID_EDIT_UNDO)->text();
        m_redoCaption = m_shell->action(cmd::ID_EDIT_REDO)->text();
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
        QList<QDockWidget*> shown;
        for (QDockWidget* dock : frame->findChildren<QDockWidget*>())
            if (dock->isVisible())
                shown << dock;
        QCOMPARE(shown, (QList<QDockWidget*>{m_fileView, m_output, frame->historyPane()}));

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
        QVERIFY(origin->index(5, 4).data(DataTableModel::MarkedRole).toBool());

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
        QCOMPARE(m_output->tabs()->currentIndex(), 2);
        QVERIFY(m_prompter->questions.isEmpty());

        // Again from the output pane: asked first, OK rebuilds it.
        m_survey->m_tables.Depth().SetCell(0, 3, "kept");
        m_prompter->answers << true;
        outputMenu(cmd::ID_OUTPUT_DEPTH);
        QCOMPARE(m_prompter->questions, QStringList({QString::fromUtf8(msg::kDepthAgain)}));
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
        QCOMPARE(m_output->tabs()->currentIndex(), 0);

        m_prompter->messages.clear();
        m_fileView->contextMenu()->actions().last()->trigger();  // Properties
        QCOMPARE(m_prompter->messages, QStringList({QStringLiteral("属性....")}));
    }

    void fileOpenFailedOrCancelledKeepsTheData()
    {
        // A file that is not there says so and leaves nothing open.
        const QString missing = m_dir->filePath(QStringLiteral("missing.dat"));
        open(missing);
        QCOMPARE(m_prompter->messages, QStringList({missing + QString::fromUtf8(msg::kFileOpenFailed)}));
        QCOMPARE(QString::fromStdString(m_survey->m_frame.DataPath()), missing.toUpper());
        open(test::fixture(QStringLiteral("alternating.dat")));
        QVERIFY(m_prompter->questions.isEmpty());
        m_fileView->tree()->expandAll();
        QVERIFY(clickCheckBox(m_fileView->tree(), fileItem(1)));
        run(cmd::ID_CHOOSE_DATA);
        QVERIFY(m_survey->m_frame.DataSelected());

        run(cmd::ID_FILE_OPEN);  // Cancel in the question
        QCOMPARE(m_prompter->questions, QStringList({QString::fromUtf8(msg::kCloseOpenFile)}));
        QCOMPARE(m_prompter->fileFilters.size(), 2);  // no file dialog after Cancel
        QVERIFY(!m_survey->m_frame.DataSelected());
        QCOMPARE(m_fileView->model()->rowCount(), 2);
        QCOMPARE(m_output->originModel()->rowCount(), 5);
        QCOMPARE(m_output->processingModel()->rowCount(), 2);
        QVERIFY(checked(fileItem(1)));

        // A long read shows its progress; Cancel leaves no file open.
        m_shell->frame->dataCommands()->setProgressDelay(0);
        m_prompter->cancelWork = true;
        m_prompter->answers << true;
        open(test::fixture(QStringLiteral("road.dat")));
        QCOMPARE(m_prompter->watched, QStringList{"Reading road.dat..."});
        QVERIFY(!m_survey->m_frame.HasOpenFile());
        QCOMPARE(m_fileView->model()->rowCount(), 0);
        QCOMPARE(m_output->originModel()->rowCount(), 0);
        QCOMPARE(status(), QString("Reading road.dat was cancelled; no file is open."));
        m_prompter->cancelWork = false;
        open(test::fixture(QStringLiteral("road.dat")));
        QVERIFY(m_survey->m_frame.HasOpenFile());
        QCOMPARE(m_prompter->watched.size(), 2);
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
        m_prompter->messages.clear();
        open(csv, 0);
        QCOMPARE(m_prompter->messages, QStringList({QString::fromUtf8(msg::kRowsMismatch)}));
        QCOMPARE(m_fileView->model()->rowCount(fileItem(0)), 2);
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
        QByteArray text = "FILE\tINCREMENT\t1000HZ\t500HZ\tMODE\tDATETIME\n";
        for (int file = 1; file <= 3; ++file)
            for (int row = 0; row < 201; ++row)
                text += QStringLiteral("%1\t%2\t%3.5\t7.25\t2\t202603010900\n")
                            .arg(file)
                            .arg(row * 5)
                            .arg(10 + row % 7)
                            .toLatin1();
        QVERIFY(test::writeFile(path, text));
        open(path);
        QVERIFY(m_prompter->messages.isEmpty());
        for (int i = 0; i < 3; ++i)
            QVERIFY(clickCheckBox(m_fileView->tree(), fileItem(i)));
        run(cmd::ID_PROCESSED_DATA);
        QCOMPARE(m_prompter->messages.size(), 1);
        QVERIFY(m_prompter->messages.first().startsWith(QStringLiteral("The maximum processing capacity")));
        QCOMPARE(m_survey->m_tables.FieldGroups(), 3);
    }

    void everyStepUndoneAndRedone_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("name");
        using namespace cmd;
        QTest::newRow("Choose Data over chosen rows")
            << QList<int>{ID_CHOOSE_DATA, ID_DEPTH_DISPLAY} << int(ID_CHOOSE_DATA) << "Choose Data";
        QTest::newRow("Processed Data (file view)")
            << QList<int>{} << int(ID_FILEVIEW_PROCESS_SELECTED) << "Processed Data";
        QTest::newRow("bad point search (output pane)")
            << QList<int>{ID_CHOOSE_DATA} << int(ID_OUTPUT_SEARCH_BAD_POINTS) << "Search Bad Points";
        QTest::newRow("bad point correction after a search")
            << QList<int>{ID_OUTPUT_SEARCH_BAD_POINTS} << int(ID_CORRECT_BAD_POINTS) << "Correct Bad Points";
        QTest::newRow("search and field-source processing")
            << QList<int>{ID_CHOOSE_DATA} << int(ID_SEARCH_AND_PROCESS) << "Search Bad Points and Process";
        QTest::newRow("depth calculation")
            << QList<int>{ID_PROCESSED_DATA} << int(ID_OUTPUT_DEPTH) << "Depth Calculation";
        QTest::newRow("depth calculation again, confirmed")
            << QList<int>{ID_CHOOSE_DATA, ID_DEPTH_DISPLAY, ID_PROCESSED_DATA} << int(ID_DEPTH_DISPLAY)
            << "Depth Calculation";
        QTest::newRow("Config") << QList<int>{ID_PROCESSED_DATA} << int(ID_CONFIG) << "Config";
    }

    void everyStepUndoneAndRedone()
    {
        QFETCH(QList<int>, before);
        QFETCH(int, step);
        QFETCH(QString, name);
        openCopy(QStringLiteral("road.dat"));
        checkAll();
        for (int id : before)
            run(id);
        m_prompter->messages.clear();
        m_prompter->answers << true;        // the depth question, when it comes
        m_shell->runner = [](QDialog& d) {  // Config: a new resistivity
            auto& config = static_cast<CDialog_Data_Set&>(d);
            config.edit(1009)->setText("12.345");
            config.okButton()->click();
            return d.result();
        };
        const int steps = m_history->count();
        const QByteArray start = dump();
        run(step);
        const QByteArray done = dump();
        QVERIFY(done != start);
        QCOMPARE(m_history->count(), steps + 1);
        QCOMPARE(m_shell->action(cmd::ID_EDIT_UNDO)->text(), "Undo " + name);
        QVERIFY(m_shell->enabled(cmd::ID_EDIT_UNDO));
        QVERIFY(!m_shell->enabled(cmd::ID_EDIT_REDO));
        const QStringList messages = m_prompter->messages;

        run(cmd::ID_EDIT_UNDO);
        QCOMPARE(dump(), start);
        QCOMPARE(status(), "Undone: " + name);
        QCOMPARE(m_shell->action(cmd::ID_EDIT_REDO)->text(), "Redo " + name);
        QVERIFY(m_shell->enabled(cmd::ID_EDIT_REDO));

        // Redo puts back the stored result: no question, no message, same bytes.
        const int questions = m_prompter->questions.size();
        run(cmd::ID_EDIT_REDO);
        QCOMPARE(dump(), done);
        QCOMPARE(status(), "Redone: " + name);
        QCOMPARE(m_prompter->questions.size(), questions);
        QCOMPARE(m_prompter->messages, messages);
        QVERIFY(!m_shell->enabled(cmd::ID_EDIT_REDO));
        QCOMPARE(m_shell->action(cmd::ID_EDIT_REDO)->text(), m_redoCaption);

        // The keys reach the same commands: undo, redo, undo, redo.
        const QList<QKeyCombination> keys{Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
                                          Qt::ALT | Qt::Key_Backspace, Qt::CTRL | Qt::Key_Y};
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClick(m_shell->frame, keys[i].key(), keys[i].keyboardModifiers());
            QCOMPARE(dump(), i % 2 ? done : start);
        }
    }

    void allSixStepsBackToTheLoadedFileWithinTheMemoryLimit()
    {
        openCopy(QStringLiteral("road.dat"));
        checkAll();
        using namespace cmd;
        const QList<int> road{ID_CHOOSE_DATA,        ID_PROCESSED_DATA,     ID_OUTPUT_SEARCH_BAD_POINTS,
                              ID_CORRECT_BAD_POINTS, ID_SEARCH_AND_PROCESS, ID_DEPTH_DISPLAY};
        QList<QByteArray> states{dump()};
        for (int id : road) {
            run(id);
            states << dump();
        }
        QCOMPARE(m_history->count(), 6);
        for (int i = 5; i >= 0; --i) {
            run(ID_EDIT_UNDO);
            QCOMPARE(dump(), states[i]);
        }
        QVERIFY(!m_shell->run(ID_EDIT_UNDO));
        for (int i = 1; i <= 6; ++i) {
            run(ID_EDIT_REDO);
            QCOMPARE(dump(), states[i]);
        }
        const std::size_t all = m_history->footprint();
        QVERIFY(all > 0 && all < UndoHistory::kDefaultLimit);

        // A new step after some undos drops the steps that were undone.
        run(ID_EDIT_UNDO);
        run(ID_EDIT_UNDO);
        run(ID_CHOOSE_DATA);
        QCOMPARE(m_history->count(), 5);
        QVERIFY(!m_shell->enabled(ID_EDIT_REDO));
        QCOMPARE(m_shell->action(ID_EDIT_UNDO)->text(), QString("Undo Choose Data"));

        // A little less than the whole road: the oldest step goes, the rest undo and redo.
        openCopy(QStringLiteral("road.dat"));
        checkAll();
        m_history->setLimit(all - 1);
        for (int i = 0; i < 5; ++i)
            run(road[i]);
        QCOMPARE(m_history->count(), 5);
        QVERIFY(!status().contains("undo history"));
        run(road[5]);
        QCOMPARE(status(),
                 QString("The undo history is limited to 0 MiB: the oldest step can no longer be "
                         "undone."));
        QCOMPARE(m_history->count(), 5);
        QVERIFY(m_history->footprint() <= m_history->limit());
        for (int i = 5; i >= 1; --i) {
            run(ID_EDIT_UNDO);
            QCOMPARE(dump(), states[i]);
        }
        QVERIFY(!m_shell->enabled(ID_EDIT_UNDO));
        for (int i = 2; i <= 6; ++i) {
            run(ID_EDIT_REDO);
            QCOMPARE(dump(), states[i]);
        }

        // A limit below a single step keeps nothing, and says so.
        m_history->setLimit(1);
        run(ID_CHOOSE_DATA);
        QCOMPARE(m_history->count(), 0);
        QVERIFY(status().contains("6 oldest steps"));
        QVERIFY(!m_shell->enabled(ID_EDIT_UNDO));
    }

    void stepsThatChangeNothingLeaveNothingToUndo()
    {
        openCopy(QStringLiteral("road.dat"));
        checkAll();
        // Depth without chosen rows only says so.
        run(cmd::ID_DEPTH_DISPLAY);
        QCOMPARE(m_prompter->messages, QStringList{QString::fromUtf8(msg::kSelectHighValue)});
        QCOMPARE(m_history->count(), 0);
        QVERIFY(!m_shell->enabled(cmd::ID_EDIT_UNDO));

        // A cancelled depth question: the table stays and so does the history.
        run(cmd::ID_CHOOSE_DATA);
        const QByteArray chosen = dump();
        run(cmd::ID_DEPTH_DISPLAY);
        const QByteArray depth = dump();
        m_prompter->answers << false;
        run(cmd::ID_DEPTH_DISPLAY);
        QCOMPARE(m_prompter->questions, QStringList{QString::fromUtf8(msg::kDepthAgain)});
        QCOMPARE(dump(), depth);
        QCOMPARE(m_history->count(), 2);
        QCOMPARE(m_history->index(), 2);
        // A step that runs long shows its progress. Cancel leaves the tables
        // as they were and the history too, the step undone before included;
        // run to its end, the step does its work.
        run(cmd::ID_EDIT_UNDO);
        DataCommands& data = *m_shell->frame->dataCommands();
        data.setProgressDelay(0);
        m_prompter->cancelWork = true;
        run(cmd::ID_DEPTH_DISPLAY);
        QCOMPARE(m_prompter->watched, QStringList{"Calculating the depth data..."});
        QCOMPARE(dump(), chosen);
        QCOMPARE(m_history->index(), 1);
        QVERIFY(m_shell->enabled(cmd::ID_EDIT_REDO));
        QCOMPARE(status(), QString("\"Depth Calculation\" was cancelled; the tables are as they were."));
        m_prompter->cancelWork = false;
        run(cmd::ID_DEPTH_DISPLAY);
        QCOMPARE(m_prompter->watched.size(), 2);
        QCOMPARE(dump(), depth);
        QCOMPARE(m_history->index(), 2);
        // A save cancelled as it runs, before or after the file was put in
        // place: the status says which, and nothing else is left in the folder.
        QTemporaryDir folder;
        const QString kept = folder.filePath(QStringLiteral("kept.csv"));
        QVERIFY(test::writeFile(kept, "old"));
        m_prompter->cancelWork = true;
        m_prompter->files << FileChoice{true, kept, 1};
        run(cmd::ID_SAVE_DEPTH_DATA);
        m_prompter->cancelWork = false;
        QCOMPARE(m_prompter->watched.value(2), QString("Saving the depth data..."));
        QCOMPARE(status(),
                 (test::contents(kept) == "old" ? QString("Saving %1 was cancelled; the file is as it was.")
                                                : QString("Depth data saved to %1"))
                     .arg(kept));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.csv"});
        // Undo takes back the depth that was calculated, nothing else.
        run(cmd::ID_EDIT_UNDO);
        QCOMPARE(dump(), chosen);
        QCOMPARE(status(), QString("Undone: Depth Calculation"));
    }

    void openingAFileClearsTheHistorySavingDoesNot()
    {
        QMenu* data = nullptr;
        for (QAction* a : m_shell->frame->menuBar()->actions())
            if (a->text() == QLatin1String("Data Processing"))
                data = a->menu();
        QVERIFY(data);
        openCopy(QStringLiteral("road.dat"));
        checkAll();
        run(cmd::ID_PROCESSED_DATA);
        // The Data Processing menu shows Undo and Redo as they are.
        Q_EMIT data->aboutToShow();
        QVERIFY(m_shell->action(cmd::ID_EDIT_UNDO)->isEnabled());
        QVERIFY(!m_shell->action(cmd::ID_EDIT_REDO)->isEnabled());
        run(cmd::ID_OUTPUT_SEARCH_BAD_POINTS);
        run(cmd::ID_EDIT_UNDO);
        m_prompter->files << FileChoice{true, m_dir->filePath(QStringLiteral("depth")), 0};
        run(cmd::ID_DEPTH_DISPLAY);
        run(cmd::ID_SAVE_DEPTH_DATA);
        run(cmd::ID_FILE_SAVE);
        QCOMPARE(m_history->count(), 2);
        QVERIFY(m_shell->enabled(cmd::ID_EDIT_UNDO));

        // Declining to close the open file keeps everything.
        m_prompter->answers << false;
        run(cmd::ID_FILE_OPEN);
        QCOMPARE(m_history->count(), 2);

        openCopy(QStringLiteral("alternating.dat"));
        QCOMPARE(m_history->count(), 0);
        QVERIFY(!m_shell->enabled(cmd::ID_EDIT_UNDO));
        QCOMPARE(m_shell->action(cmd::ID_EDIT_UNDO)->text(), m_undoCaption);
        QCOMPARE(m_shell->action(cmd::ID_EDIT_REDO)->text(), m_redoCaption);
    }
};

VANTREL_GUI_TEST_MAIN(TestDataRoad, "dataroad")
#include "tst_dataroad.moc"
