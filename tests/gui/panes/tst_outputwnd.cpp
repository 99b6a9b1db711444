// The output pane: tabs, the look of the tables, the context menu, the views
// following the core's tables, decoding of cell bytes, and the marked cells.

#include "testsupport.h"

#include "common/commandids.h"
#include "datafile/datafilereader.h"
#include "panes/coutputtoolbar.h"
#include "panes/coutputwnd.h"
#include "panes/cownerlistctrl.h"
#include "panes/datatablemodel.h"
#include "common/surveynotifier.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace vantrel;

class TestOutputWnd : public QObject {
    Q_OBJECT

    std::unique_ptr<SurveyNotifier> m_notifier;
    Survey* m_survey = nullptr;
    std::unique_ptr<COutputWnd> m_pane;

private Q_SLOTS:
    void init()
    {
        m_notifier = std::make_unique<SurveyNotifier>();
        m_survey = &m_notifier->survey();
        m_pane = std::make_unique<COutputWnd>(*m_notifier);
        m_notifier->beginReset();
        DataFileReader reader(m_survey->m_frame, m_survey->m_tables, m_survey->m_tree);
        QVERIFY(reader.ReadFile(test::fixture(QStringLiteral("road.dat")).toStdString()).Ok());
        m_notifier->endReset();
        m_pane->resize(900, 400);
        m_pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pane.get()));
    }

    void cleanup()
    {
        m_pane.reset();
        m_notifier.reset();
    }

    void tabsAndTitles()
    {
        QTabWidget* tabs = m_pane->tabs();
        QCOMPARE(tabs->tabPosition(), QTabWidget::South);
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        QCOMPARE(titles, QStringList({"Origin Data", "Data Processing", "Depth Data"}));
        QCOMPARE(m_pane->depthModel()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Value(V)"));
        SurveyNotifier other;
        const test::InLanguage chinese(Translations::Language::Chinese);
        QCOMPARE(COutputWnd(other).tabs()->tabText(1), QString("Processing Data"));
    }

    void contextMenuAndToolBar()
    {
        QTableView* origin = m_pane->originView();
        const QPoint at = origin->viewport()->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, origin->viewport()->mapToGlobal(at));
        QApplication::sendEvent(origin->viewport(), &event);
        QMenu* menu = m_pane->contextMenu();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(test::entries(menu).first,
                 QList<int>({cmd::ID_OUTPUT_SEARCH_BAD_POINTS, cmd::ID_OUTPUT_CORRECT_BAD_POINTS,
                             cmd::ID_OUTPUT_DEPTH, 0, cmd::ID_OUTPUT_PLANE_GRAPH}));
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("坏点检查"));
        menu->close();

        QList<int> ids;
        for (const QAction* a : m_pane->commandActions())
            ids << a->data().toInt();
        QCOMPARE(ids,
                 QList<int>({cmd::ID_OUTPUT_SEARCH_BAD_POINTS, cmd::ID_OUTPUT_CORRECT_BAD_POINTS,
                             cmd::ID_OUTPUT_DEPTH, cmd::ID_OUTPUT_PLANE_GRAPH, cmd::ID_OUTPUT_TOOL_1,
                             cmd::ID_OUTPUT_TOOL_2, cmd::ID_OUTPUT_TOOL_3, cmd::ID_OUTPUT_TOOL_4}));
        // The tab control covers the toolbar.
        QCOMPARE(m_pane->toolBar()->parentWidget(), m_pane->tabs());
        QWidget* seen = m_pane->tabs()->childAt(m_pane->toolBar()->geometry().center());
        QVERIFY(seen && seen != m_pane->toolBar() && !m_pane->toolBar()->isAncestorOf(seen));
    }

    void viewsFollowTheCore()
    {
        OutputTables& tables = m_survey->m_tables;
        DataTableModel* processing = m_pane->processingModel();
        QSignalSpy reset(processing, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(processing, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(processing, &QAbstractItemModel::dataChanged);

        tables.CopyToProcessing(0);
        tables.CopyToProcessing(9);
        m_notifier->notifyTableChanged(OutputTables::ProcessingTab);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(processing->rowCount(), 2);
        QCOMPARE(processing->index(1, 0).data().toString(), QStringLiteral("2"));
        // A table that changed does not turn the pane to its tab; a request does.
        QCOMPARE(m_pane->tabs()->currentIndex(), 0);
        m_notifier->requestActiveTab(OutputTables::ProcessingTab);
        QCOMPARE(m_pane->tabs()->currentIndex(), 1);
        // The user's own click is kept in the core.
        m_pane->tabs()->tabBar()->setCurrentIndex(OutputTables::DepthTab);
        QCOMPARE(tables.ActiveTab(), int(OutputTables::DepthTab));
        m_pane->tabs()->tabBar()->setCurrentIndex(OutputTables::ProcessingTab);

        m_pane->processingView()->selectRow(1);
        tables.Processing().SetCell(1, 2, "7.5000");
        tables.CopyToProcessing(10);
        m_pane->sync();
        QCOMPARE(reset.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(processing->index(1, 2).data().toString(), QStringLiteral("7.5000"));
        QCOMPARE(processing->rowCount(), 3);
        QVERIFY(m_pane->processingView()->selectionModel()->isRowSelected(1, {}));

        tables.ClearResults();  // rows went away: the views start over
        m_pane->sync();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(processing->rowCount(), 0);

        // While the core fills the tables the views see empty ones.
        m_pane->beginDataUpdate();
        QCOMPARE(m_pane->originModel()->rowCount(), 0);
        QCOMPARE(m_pane->originModel()->columnCount(), 0);
        tables.ClearAll();
        m_pane->sync();
        QCOMPARE(m_pane->originModel()->columnCount(), 0);
    }

    void cellBytesAreDecoded()
    {
        m_survey->m_tables.Origin().SetCell(0, 5, "\xE6\xB7\xB1\xE5\xBA\xA6");  // UTF-8
        m_survey->m_tables.Origin().SetCell(1, 5, "5\xB5S");  // not UTF-8: one byte, one character
        m_pane->sync();
        QCOMPARE(m_pane->originModel()->index(0, 5).data().toString(), QStringLiteral("深度"));
        QCOMPARE(m_pane->originModel()->index(1, 5).data().toString(), QStringLiteral("5µS"));
    }

    void markedCellsAreWhiteOnRed()
    {
        COwnerListCtrl* view = m_pane->originView();
        DataTableModel* model = m_pane->originModel();
        auto colourAt = [&](int row, int column) {
            const QRect cell = view->visualRect(model->index(row, column));
            return view->viewport()->grab().toImage().pixelColor(cell.left() + 2, cell.top() + 2);
        };
        QCOMPARE(colourAt(5, 4), QColor(Qt::white));

        m_survey->m_tables.MarkCell(5, 4);
        m_pane->sync();
        QCOMPARE(model->index(5, 4).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
        QCOMPARE(model->index(5, 4).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 255, 255));
        QCOMPARE(colourAt(5, 4), QColor(255, 0, 0));
        QCOMPARE(colourAt(5, 3), QColor(Qt::white));

        view->selectRow(5);  // a selected row keeps its red cell
        QCOMPARE(colourAt(5, 4), QColor(255, 0, 0));
        QVERIFY(colourAt(5, 3) != QColor(Qt::white));

        view->ClearMarks();
        QVERIFY(m_survey->m_tables.Marks().empty());
        view->clearSelection();
        QCOMPARE(colourAt(5, 4), QColor(Qt::white));
    }
};

VANTREL_GUI_TEST_MAIN(TestOutputWnd, "outputwnd")
#include "tst_outputwnd.moc"
