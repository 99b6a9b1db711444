// Undo and redo of the data steps in the real main frame: every step back to
// its very bytes and forward again, the whole road, steps that leave nothing to
// undo, the history across File Open and Save, and its memory limit.

#include "testsupport.h"

#include "app/cdialog_data_set.h"
#include "commands/undohistory.h"
#include "common/commandids.h"
#include "messages.h"
#include "panes/datatablemodel.h"
#include "processing/settingstext.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include <memory>
#include <sstream>

using namespace vantrel;
using test::Shell;

class TestUndoHistory : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Shell> m_shell;
    ScriptedPrompter* m_prompter = nullptr;
    Survey* m_survey = nullptr;
    UndoHistory* m_history = nullptr;
    int m_opened = 0;
    QString m_undoCaption;  // the plain entries, in the interface language
    QString m_redoCaption;

    void open(const QString& name)
    {
        const QString path = test::copyFixture(*m_dir, name, QString::number(++m_opened) + name);
        m_prompter->files << FileChoice{true, path, 0};
        if (m_survey->m_frame.HasOpenFile())
            m_prompter->answers << true;  // close the open file
        QVERIFY(m_shell->run(cmd::ID_FILE_OPEN));
        QVERIFY(m_survey->m_frame.HasOpenFile());
    }
    void checkAll()
    {
        for (int id = 1; id < m_survey->m_tree.NextRowId(); ++id)
            m_survey->m_tree.SetRowChecked(id, true);
    }
    void run(int id) { QVERIFY2(m_shell->run(id), qPrintable(QString::number(id))); }
    QString status() const { return m_shell->frame->statusBar()->currentMessage(); }

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
        open(QStringLiteral("road.dat"));
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
        open(QStringLiteral("road.dat"));
        QVERIFY(!m_shell->enabled(cmd::ID_EDIT_UNDO));
        QCOMPARE(m_shell->action(cmd::ID_EDIT_UNDO)->text(), m_undoCaption);
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
        QVERIFY(!m_shell->enabled(ID_EDIT_UNDO));
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
        open(QStringLiteral("road.dat"));
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
        open(QStringLiteral("road.dat"));
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
        // Undo takes back the depth that was calculated, nothing else.
        run(cmd::ID_EDIT_UNDO);
        QCOMPARE(dump(), chosen);
        QCOMPARE(status(), QString("Undone: Depth Calculation"));
    }

    void openingAFileClearsTheHistorySavingDoesNot()
    {
        open(QStringLiteral("road.dat"));
        checkAll();
        run(cmd::ID_PROCESSED_DATA);
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

        open(QStringLiteral("alternating.dat"));
        QCOMPARE(m_history->count(), 0);
        QVERIFY(!m_shell->enabled(cmd::ID_EDIT_UNDO));
        QCOMPARE(m_shell->action(cmd::ID_EDIT_UNDO)->text(), m_undoCaption);
        QCOMPARE(m_shell->action(cmd::ID_EDIT_REDO)->text(), m_redoCaption);
    }

    void undoAndRedoCloseTheDataProcessingMenu()
    {
        QMenu* data = nullptr;
        for (QAction* a : m_shell->frame->menuBar()->actions())
            if (a->text() == QLatin1String("Data Processing"))
                data = a->menu();
        QVERIFY(data);
        const auto [ids, texts] = test::entries(data);
        QCOMPARE(ids,
                 (QList<int>{cmd::ID_CONFIG, cmd::ID_CHOOSE_DATA, cmd::ID_PROCESSED_DATA,
                             cmd::ID_DEPTH_DISPLAY, 0, cmd::ID_EDIT_UNDO, cmd::ID_EDIT_REDO}));
        open(QStringLiteral("road.dat"));
        checkAll();
        run(cmd::ID_CHOOSE_DATA);
        Q_EMIT data->aboutToShow();
        QVERIFY(m_shell->action(cmd::ID_EDIT_UNDO)->isEnabled());
        QVERIFY(!m_shell->action(cmd::ID_EDIT_REDO)->isEnabled());
    }
};

VANTREL_GUI_TEST_MAIN(TestUndoHistory, "undohistory")
#include "tst_undohistory.moc"
