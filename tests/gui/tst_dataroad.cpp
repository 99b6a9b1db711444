// The data road through the real panes and the data commands: open a file,
// tick rows with the mouse, choose, search (red cells), correct, process,
// calculate depth, save both files; and the File Open questions.

#include "panes_testsupport.h"

#include "app/commandids.h"
#include "app/scriptedprompter.h"
#include "messages.h"
#include "panes/cfileview.h"
#include "panes/cfileviewtoolbar.h"
#include "panes/coutputwnd.h"
#include "panes/cownerlistctrl.h"
#include "panes/datacommands.h"
#include "panes/datatablemodel.h"
#include "survey.h"

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

using namespace vantrel;
using panes_test::checked;
using panes_test::clickCheckBox;

namespace {

/// A scripted prompter that can look at the panes when a file dialog opens.
class WatchingPrompter : public ScriptedPrompter {
public:
    std::function<void()> onOpenFile;
    FileChoice openFile(const QString& filters) override
    {
        if (onOpenFile)
            onOpenFile();
        return ScriptedPrompter::openFile(filters);
    }
};

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

}  // namespace

class TestDataRoad : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void wholeRoad();
    void keyboardTickChoosesNothing();
    void fileOpenCancelledKeepsTheData();
    void reopenStartsFromEmptyPanes();
    void openFailuresAndPartialLoads();
    void saveDepthDataChecksAndExtensions();
    void everyCommandIsEnumerated();

private:
    void open(const QString& path, int filter = 0);
    bool toolButton(int id);
    void outputMenu(int id);
    QModelIndex fileItem(int i) const { return m_fileView->model()->index(i, 0); }

    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Survey> m_survey;
    std::unique_ptr<WatchingPrompter> m_prompter;
    std::unique_ptr<QMainWindow> m_window;
    CFileView* m_fileView = nullptr;
    COutputWnd* m_output = nullptr;
    DataCommands* m_commands = nullptr;
};

void TestDataRoad::initTestCase()
{
    panes_test::privateSettings("vantrel-test-dataroad", m_settingsDir);
}

void TestDataRoad::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_survey = std::make_unique<Survey>();
    m_prompter = std::make_unique<WatchingPrompter>();
    m_window = std::make_unique<QMainWindow>();
    m_fileView = new CFileView(m_survey->m_tree, PaneStrings::Language::English, m_window.get());
    m_output = new COutputWnd(m_survey->m_tables, PaneStrings::Language::English, m_window.get());
    m_window->addDockWidget(Qt::LeftDockWidgetArea, m_fileView);
    m_window->addDockWidget(Qt::BottomDockWidgetArea, m_output);
    m_window->setCentralWidget(new QWidget);
    m_commands = new DataCommands(*m_survey, *m_prompter, *m_fileView, *m_output, m_window.get());
    m_commands->setStatusBar(m_window->statusBar());
    m_window->resize(1000, 800);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestDataRoad::cleanup()
{
    m_window.reset();
    m_prompter.reset();
    m_survey.reset();
    m_dir.reset();
}

void TestDataRoad::open(const QString& path, int filter)
{
    m_prompter->files << FileChoice{true, path, filter};
    m_commands->run(cmd::ID_FILE_OPEN);
}

bool TestDataRoad::toolButton(int id)
{
    CFileViewToolBar* bar = m_fileView->toolBar();
    QWidget* button = bar->widgetForAction(bar->action(id));
    if (!button)
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

void TestDataRoad::outputMenu(int id)
{
    for (QAction* a : m_output->contextMenu()->actions())
        if (a->data().toInt() == id)
            a->trigger();
}

void TestDataRoad::wholeRoad()
{
    const QString path = panes_test::copyFixture(*m_dir, QStringLiteral("road.dat"));
    open(path);
    QVERIFY(m_prompter->questions.isEmpty());
    QCOMPARE(m_prompter->fileFilters, QStringList({QString::fromLatin1(DataCommands::kDataFileFilters)}));
    QVERIFY(m_prompter->messages.isEmpty());
    QCOMPARE(QString::fromStdString(m_survey->m_frame.m_strDataPath), path.toUpper());
    QCOMPARE(m_fileView->model()->rowCount(), 2);
    QCOMPARE(m_output->originModel()->rowCount(), 16);
    QCOMPARE(m_output->tabs()->currentIndex(), 0);
    QCOMPARE(m_fileView->frequencySelector()->currentText(), QStringLiteral("1000HZ"));

    // Tick file 1 and the first row of file 2 with the mouse.
    CViewTree* tree = m_fileView->tree();
    tree->expandAll();
    QVERIFY(clickCheckBox(tree, fileItem(0)));
    QVERIFY(clickCheckBox(tree, m_fileView->model()->index(0, 0, fileItem(1))));
    QVERIFY(toolButton(cmd::ID_SELECT_DATA));
    QVERIFY(m_prompter->messages.isEmpty());
    QVERIFY(m_survey->m_frame.m_bDataSelected);
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
    m_output->tabs()->setCurrentIndex(0);
    COwnerListCtrl* view = m_output->originView();
    view->scrollTo(origin->index(5, 4));
    const QRect cell = view->visualRect(origin->index(5, 4));
    QCOMPARE(view->viewport()->grab().toImage().pixelColor(cell.topLeft() + QPoint(2, 2)), QColor(255, 0, 0));

    // The correction replaces it and clears the marks.
    m_prompter->messages.clear();
    m_commands->run(cmd::ID_CORRECT_BAD_POINTS);
    QVERIFY(m_prompter->messages.isEmpty());
    QCOMPARE(origin->index(5, 4).data().toString(), QStringLiteral("6.0000"));
    QVERIFY(!origin->index(5, 4).data(DataTableModel::MarkedRole).toBool());

    // Field-source processing of the chosen rows, then the depth.
    QVERIFY(toolButton(cmd::ID_FILEVIEW_PROCESS_SELECTED));
    QCOMPARE(m_survey->m_tables.m_nFieldGroups, 2);
    QCOMPARE(processing->rowCount(), 9);
    QCOMPARE(m_output->tabs()->currentIndex(), 1);
    QVERIFY(toolButton(cmd::ID_FILEVIEW_DEPTH));
    DataTableModel* depth = m_output->depthModel();
    QCOMPARE(depth->rowCount(), 27);
    QCOMPARE(depth->index(0, 2).data().toString(), QStringLiteral("-49"));
    QCOMPARE(m_output->tabs()->currentIndex(), 2);
    QVERIFY(m_prompter->questions.isEmpty());

    // Again: asked first; Cancel keeps the table, OK rebuilds it.
    m_survey->m_tables.m_depth.SetCell(0, 3, "kept");
    m_commands->run(cmd::ID_DEPTH_DISPLAY);
    QCOMPARE(m_prompter->questions, QStringList({QString::fromUtf8(msg::kDepthAgain)}));
    QCOMPARE(depth->index(0, 3).data().toString(), QStringLiteral("kept"));
    m_prompter->answers << true;
    outputMenu(cmd::ID_OUTPUT_DEPTH);
    QCOMPARE(m_prompter->questions.size(), 2);
    QCOMPARE(depth->rowCount(), 27);
    QVERIFY(depth->index(0, 3).data().toString() != QStringLiteral("kept"));

    // Both saves.
    m_prompter->files << FileChoice{true, m_dir->filePath(QStringLiteral("depth1")), 1};
    m_commands->run(cmd::ID_SAVE_DEPTH_DATA);
    QVERIFY(m_prompter->messages.isEmpty());
    QVERIFY(readAll(m_dir->filePath(QStringLiteral("depth1.csv"))).startsWith(
        QStringLiteral("Increment Value,Height,Value,FileID\r\n0,-49,")));
    m_commands->run(cmd::ID_FILE_SAVE);
    QVERIFY(m_prompter->messages.isEmpty());
    const QString saved = readAll(path);
    QVERIFY(saved.startsWith(QStringLiteral("FILE\tINCREMENT\t1000HZ\t500HZ\t100HZ\tMODE\tDATETIME\t\r\n")));
    QVERIFY(saved.contains(QStringLiteral("\r\n1\t15\t31.250000\t")));
}

void TestDataRoad::keyboardTickChoosesNothing()
{
    open(panes_test::fixture(QStringLiteral("alternating.dat")));
    CViewTree* tree = m_fileView->tree();
    tree->setCurrentIndex(fileItem(0));
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Space);
    QVERIFY(checked(fileItem(0)));
    m_commands->run(cmd::ID_CHOOSE_DATA);
    QCOMPARE(m_prompter->messages, QStringList({QString::fromUtf8(msg::kSelectInFilePane)}));
    QVERIFY(!m_survey->m_frame.m_bDataSelected);
    QCOMPARE(m_output->processingModel()->rowCount(), 0);
    QCOMPARE(m_output->tabs()->currentIndex(), 0);

    // Rows of alternating files arrive grouped by file, in load order.
    tree->expandAll();
    QVERIFY(clickCheckBox(tree, m_fileView->model()->index(1, 0, fileItem(1))));
    QVERIFY(clickCheckBox(tree, m_fileView->model()->index(2, 0, fileItem(0))));
    QVERIFY(clickCheckBox(tree, m_fileView->model()->index(0, 0, fileItem(0))));
    m_commands->run(cmd::ID_PROCESSED_DATA);
    QStringList increments;
    for (int r = 0; r < m_output->processingModel()->rowCount(); ++r)
        increments << m_output->processingModel()->index(r, 0).data().toString() + QLatin1Char('/') +
                          m_output->processingModel()->index(r, 1).data().toString();
    QCOMPARE(increments, QStringList({"1/0", "1/10", "2/5"}));
    QVERIFY(m_survey->m_frame.m_bDataSelected);
}

void TestDataRoad::fileOpenCancelledKeepsTheData()
{
    open(panes_test::fixture(QStringLiteral("alternating.dat")));
    m_fileView->tree()->expandAll();
    QVERIFY(clickCheckBox(m_fileView->tree(), fileItem(1)));
    m_commands->run(cmd::ID_CHOOSE_DATA);
    QVERIFY(m_survey->m_frame.m_bDataSelected);

    m_commands->run(cmd::ID_FILE_OPEN);  // Cancel in the question
    QCOMPARE(m_prompter->questions, QStringList({QString::fromUtf8(msg::kCloseOpenFile)}));
    QCOMPARE(m_prompter->fileFilters.size(), 1);
    QVERIFY(!m_survey->m_frame.m_bDataSelected);
    QCOMPARE(m_fileView->model()->rowCount(), 2);
    QCOMPARE(m_output->originModel()->rowCount(), 5);
    QCOMPARE(m_output->processingModel()->rowCount(), 2);
    QVERIFY(checked(fileItem(1)));
}

void TestDataRoad::reopenStartsFromEmptyPanes()
{
    open(panes_test::fixture(QStringLiteral("road.dat")));
    QStringList seen;
    m_prompter->onOpenFile = [&] {
        seen << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(m_fileView->model()->rowCount())
                    .arg(m_fileView->frequencySelector()->count())
                    .arg(m_output->originModel()->rowCount())
                    .arg(m_output->originModel()->columnCount())
                    .arg(m_survey->m_frame.m_arrHeaderColumns.size());
    };
    m_prompter->answers << true;
    m_prompter->files << FileChoice{};  // OK, then cancel the dialog: the panes stay empty
    m_commands->run(cmd::ID_FILE_OPEN);
    QCOMPARE(seen, QStringList({"0 0 0 0 0"}));
    QCOMPARE(m_fileView->model()->rowCount(), 0);
    QCOMPARE(m_output->depthModel()->columnCount(), 0);

    const QString csv = panes_test::copyFixture(*m_dir, QStringLiteral("other_layout.csv"), QStringLiteral("other"));
    open(csv, 1);
    QVERIFY(m_prompter->questions.size() == 1);  // nothing was open any more
    QCOMPARE(QString::fromStdString(m_survey->m_frame.m_strDataPath), csv.toUpper() + QStringLiteral(".CSV"));
    QCOMPARE(m_output->originModel()->columnCount(), 6);
    QCOMPARE(m_fileView->model()->index(1, 0).data().toString(), QStringLiteral("File: 9 (20260402)"));
    QCOMPARE(m_fileView->frequencySelector()->count(), 2);
    QCOMPARE(m_fileView->frequencySelector()->itemText(1), QStringLiteral("4HZ"));

    m_prompter->answers << true;
    open(panes_test::fixture(QStringLiteral("road.dat")));
    QCOMPARE(seen.last(), QStringLiteral("0 0 0 0 0"));
    QCOMPARE(m_output->originModel()->rowCount(), 16);
    QCOMPARE(m_fileView->model()->index(0, 0, fileItem(0)).data(FileTreeModel::ItemDataRole).toInt(), 1);
}

void TestDataRoad::openFailuresAndPartialLoads()
{
    const QString missing = m_dir->filePath(QStringLiteral("missing.dat"));
    open(missing);
    QCOMPARE(m_prompter->messages, QStringList({missing + QString::fromUtf8(msg::kFileOpenFailed)}));
    QCOMPARE(QString::fromStdString(m_survey->m_frame.m_strDataPath), missing.toUpper());

    m_prompter->messages.clear();
    const QString csvAsDat = panes_test::copyFixture(*m_dir, QStringLiteral("short_row.dat"), QStringLiteral("data.csv"));
    open(csvAsDat, 0);
    QCOMPARE(m_prompter->messages, QStringList({QString::fromUtf8(msg::kRowsMismatch)}));
    QVERIFY(QString::fromStdString(m_survey->m_frame.m_strDataPath).endsWith(QStringLiteral("DATA.CSV.DAT")));
    QCOMPARE(m_output->originModel()->rowCount(), 2);
    QCOMPARE(m_fileView->model()->rowCount(m_fileView->model()->index(0, 0)), 2);
    QVERIFY(m_survey->m_frame.HasOpenFile());
}

void TestDataRoad::saveDepthDataChecksAndExtensions()
{
    m_commands->run(cmd::ID_SAVE_DEPTH_DATA);
    QCOMPARE(m_prompter->messages, QStringList({QString::fromUtf8(msg::kNoDepthData)}));
    QVERIFY(m_prompter->fileFilters.isEmpty());

    open(panes_test::fixture(QStringLiteral("road.dat")));
    m_fileView->tree()->expandAll();
    QVERIFY(clickCheckBox(m_fileView->tree(), fileItem(1)));
    m_commands->run(cmd::ID_CHOOSE_DATA);
    m_commands->run(cmd::ID_DEPTH_DISPLAY);
    m_prompter->messages.clear();

    m_prompter->files << FileChoice{true, m_dir->filePath(QStringLiteral("DEPTH1.CSV")), 1}
                      << FileChoice{true, m_dir->filePath(QStringLiteral("depth1.csv")), 0}
                      << FileChoice{};
    for (int i = 0; i < 3; ++i)
        m_commands->run(cmd::ID_SAVE_DEPTH_DATA);
    QVERIFY(m_prompter->messages.isEmpty());
    QVERIFY(readAll(m_dir->filePath(QStringLiteral("DEPTH1.CSV.csv"))).contains(QLatin1Char(',')));
    QVERIFY(readAll(m_dir->filePath(QStringLiteral("depth1.csv.dat"))).startsWith(
        QStringLiteral("Increment Value\tHeight\tValue\tFileID\r\n")));

    m_prompter->files << FileChoice{true, m_dir->filePath(QStringLiteral("no/such/folder/d")), 0};
    m_commands->run(cmd::ID_SAVE_DEPTH_DATA);
    QCOMPARE(m_prompter->messages,
             QStringList({m_dir->filePath(QStringLiteral("no/such/folder/d.dat")) + QString::fromUtf8(msg::kFileSaveFailed)}));
}

void TestDataRoad::everyCommandIsEnumerated()
{
    QList<int> frame;
    for (const auto& c : DataCommands::commands())
        if (c.scope == DataCommands::Scope::MainFrame)
            frame << c.id;
    QCOMPARE(frame, QList<int>({57601, 57603, 32807, 32794, 32816, 32792, 32791, 32796}));
    QVERIFY(!m_commands->run(cmd::ID_OPEN_WITH));

    m_fileView->contextMenu()->actions().last()->trigger();  // 135
    QCOMPARE(m_prompter->messages, QStringList({QStringLiteral("属性....")}));
}

QTEST_MAIN(TestDataRoad)
#include "tst_dataroad.moc"
