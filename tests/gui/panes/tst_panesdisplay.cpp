// What the data panes show: huge fields cut for display (and shown quickly),
// columns as wide as their titles and readings, and in every look black on
// white Origin cells, visible check boxes and faint disabled menu entries.

#include "testsupport.h"

#include "app/applook.h"
#include "datafile/datafilereader.h"
#include "common/celltext.h"
#include "panes/cfileview.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/surveynotifier.h"
#include "panes/coutputwnd.h"
#include "panes/cownerlistctrl.h"
#include "panes/datatablemodel.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QMenu>

#include <memory>

using namespace vantrel;

namespace {

/// The strongest contrast (0 ... 765) to `background` inside `rect`: how
/// visible whatever is drawn there is.
int inkContrast(const QImage& image, const QRect& rect, QColor background)
{
    int best = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            best = std::max(best,
                            std::abs(p.red() - background.red()) + std::abs(p.green() - background.green()) +
                                std::abs(p.blue() - background.blue()));
        }
    return best;
}

}  // namespace

class TestPanesDisplay : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SurveyNotifier> m_notifier;
    Survey* m_survey = nullptr;
    std::unique_ptr<COutputWnd> m_output;
    std::unique_ptr<CFileView> m_fileView;

    void load(const QString& path)
    {
        m_notifier->beginReset();
        const ReadResult result =
            DataFileReader(m_survey->m_frame, m_survey->m_tables, m_survey->m_tree).ReadFile(localPath(path));
        m_notifier->endReset();
        QVERIFY2(result.Ok(), result.message.c_str());
        m_output->resize(900, 400);
        m_fileView->resize(260, 600);
        m_output->show();
        m_fileView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_output.get()) &&
                QTest::qWaitForWindowExposed(m_fileView.get()));
    }

private Q_SLOTS:
    void init()
    {
        m_notifier = std::make_unique<SurveyNotifier>();
        m_survey = &m_notifier->survey();
        m_output = std::make_unique<COutputWnd>(*m_notifier);
        m_fileView = std::make_unique<CFileView>(*m_notifier);
    }

    void cleanup()
    {
        m_fileView.reset();
        m_output.reset();
        m_notifier.reset();
        AppLook::apply(*qApp, AppLook::kDefault);
    }

    void hugeLastFieldIsShownCut_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("2 MB") << qint64(2);
        QTest::newRow("60 MB") << qint64(60);
    }

    void hugeLastFieldIsShownCut()
    {
        QFETCH(qint64, bytes);
        bytes <<= 20;
        // The first row's date-time, the last field, is a cell, a tool tip and
        // the file item's text.
        QFile f(m_dir.filePath("huge.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("FILE\tINCREMENT\t1000HZ\t500HZ\tMODE\tDATETIME\n1\t0\t10.00\t8.00\t2\t2026");
        for (qint64 left = bytes; left > 0; left -= 1 << 20)
            f.write(QByteArray(int(std::min<qint64>(left, 1 << 20)), '7'));
        f.write("\n1\t5\t10.10\t8.10\t2\t202603010900\n");
        f.close();

        QElapsedTimer timer;
        timer.start();
        load(f.fileName());
        m_fileView->tree()->expandAll();
        m_output->originView()->viewport()->grab();
        m_fileView->tree()->viewport()->grab();
        const QModelIndex cell = m_output->originModel()->index(0, 5);
        const QString shown = cell.data().toString();
        const QString fileItem = m_fileView->model()->index(0, 0).data().toString();
        QVERIFY2(timer.elapsed() < 30000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));

        // The data stays whole; what is shown is its start and an ellipsis.
        QCOMPARE(qint64(m_survey->m_tables.Origin().Cell(0, 5).size()), bytes + 4);
        QCOMPARE(shown, QStringLiteral("2026") + QString(kShownTextLength - 4, '7') + QChar(0x2026));
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), shown);
        QCOMPARE(fileItem, QStringLiteral("File: 1 (") + shown + ")");
        QCOMPARE(m_output->originModel()->index(1, 5).data().toString(), QStringLiteral("202603010900"));

        // A cut never splits a character.
        std::string chinese;
        for (int i = 0; i < 2 * kShownTextLength; ++i)
            chinese += "\xE6\xB7\xB1";
        QCOMPARE(shownText(chinese), QString(kShownTextLength, QChar(0x6DF1)) + QChar(0x2026));
    }

    void columnsFitTitlesAndReadings()
    {
        QFile f(m_dir.filePath("wide.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("FILE\tINCREMENT\t1000HZ\t500HZ\tAMPLITUDE-RATIO-ID\tMODE\tDATETIME\n"
                "1\t0\t1041.791234\t8.0\t1\t2\t202603010900\n1\t5\t41.791234\t12345."
                "678901\t2\t2\t202603010900\n");
        f.close();
        load(f.fileName());
        m_survey->m_tables.CopyToProcessing(1);
        m_notifier->notifyTableChanged(OutputTables::ProcessingTab);
        for (DataTableView* view : {static_cast<DataTableView*>(m_output->originView()),
                                    m_output->processingView(), m_output->depthView()}) {
            for (int c = 0; c < view->model()->columnCount(); ++c) {
                // Neither the title nor a reading is cut.
                const int width = view->horizontalHeader()->sectionSize(c);
                QVERIFY(width >= DataTableView::kColumnWidth);
                QVERIFY(width >= view->horizontalHeader()->sectionSizeHint(c));
                QVERIFY(width >= static_cast<QAbstractItemView*>(view)->sizeHintForColumn(c));
            }
        }
        QCOMPARE(m_output->originView()->horizontalHeader()->sectionSize(0), DataTableView::kColumnWidth);

        // The user's own widths stay while the tables are refreshed, until
        // a file of another layout comes.
        QHeaderView* origin = m_output->originView()->horizontalHeader();
        origin->resizeSection(2, 170);
        m_output->processingView()->horizontalHeader()->resizeSection(3, 30);
        m_survey->m_tables.Origin().SetCell(0, 2, "7.0000");
        m_notifier->notifyTableChanged(OutputTables::OriginTab);
        m_survey->m_tables.ClearResults();
        m_notifier->notifyTableChanged(OutputTables::ProcessingTab);
        m_survey->m_tables.CopyToProcessing(0);
        m_notifier->notifyTableChanged(OutputTables::ProcessingTab);
        QCOMPARE(origin->sectionSize(2), 170);
        QCOMPARE(m_output->processingView()->horizontalHeader()->sectionSize(3), 30);
        m_notifier->beginReset();
        m_survey->m_frame.CloseData(m_survey->m_tree, m_survey->m_tables);
        m_notifier->endReset();
        load(test::fixture("road.dat"));
        QVERIFY(origin->sectionSize(2) != 170 && origin->sectionSize(2) >= DataTableView::kColumnWidth);
    }

    void panesAreReadableInEveryLook_data()
    {
        QTest::addColumn<int>("look");
        for (int id : {205, 206, 207, 208, 209, 210, 215, 216, 217, 218, 219})
            QTest::newRow(qPrintable(AppLook::name(id))) << id;
    }

    void panesAreReadableInEveryLook()
    {
        QFETCH(int, look);
        AppLook::apply(*qApp, look);
        load(test::fixture("road.dat"));
        m_survey->m_tables.MarkCell(1, 3);
        m_notifier->notifyMarksChanged();
        COwnerListCtrl* view = m_output->originView();
        view->selectRow(4);
        const QImage table = view->viewport()->grab().toImage();
        auto cell = [&](int row, int column) {
            return view->visualRect(m_output->originModel()->index(row, column));
        };
        // Unmarked cells black on white, marked ones white on red.
        QCOMPARE(table.pixelColor(cell(1, 2).topLeft() + QPoint(2, 2)), QColor(Qt::white));
        QVERIFY(inkContrast(table, cell(1, 2), Qt::white) > 700);
        QCOMPARE(table.pixelColor(cell(1, 3).topLeft() + QPoint(2, 2)), QColor(255, 0, 0));
        // A selected row is readable on the look's highlight.
        const QColor highlight = table.pixelColor(cell(4, 2).topLeft() + QPoint(2, 2));
        QVERIFY(inkContrast(table, cell(4, 2).adjusted(2, 2, -2, -2), highlight) >= 300);

        // An unchecked box stands out from the tree's background.
        CViewTree* tree = m_fileView->tree();
        const QImage treeImage = tree->viewport()->grab().toImage();
        const QColor background =
            treeImage.pixelColor(tree->viewport()->width() - 2, tree->viewport()->height() - 2);
        const int box =
            inkContrast(treeImage, tree->checkBoxRect(m_fileView->model()->index(0, 0)), background);
        QVERIFY2(box >= 150, qPrintable(QString::number(box)));

        // A disabled entry of a pane's pop-up menu is fainter than an enabled
        // one. Only the first entry has a handler here.
        CommandRouter router;
        router.addHandler(CommandRouter::Level::MainFrame, cmd::ID_OUTPUT_SEARCH_BAD_POINTS, [] {});
        for (QAction* a : m_output->commandActions())
            router.addAction(a);
        router.updateActions();
        QMenu* menu = m_output->contextMenu();
        menu->popup(m_output->mapToGlobal(QPoint(40, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QImage menuImage = menu->grab().toImage();
        auto textInk = [&](QAction* a) {
            const QRect r = menu->actionGeometry(a);
            const QColor back = menuImage.pixelColor(r.right() - 3, r.center().y());
            return inkContrast(menuImage, r.adjusted(4, r.height() / 4, -4, -r.height() / 4), back);
        };
        QVERIFY(!menu->actions().last()->isEnabled());
        const int enabled = textInk(menu->actions().first()), disabled = textInk(menu->actions().last());
        menu->close();
        QVERIFY2(disabled * 10 < enabled * 7,
                 qPrintable(QStringLiteral("%1, %2").arg(enabled).arg(disabled)));
    }
};

VANTREL_GUI_TEST_MAIN(TestPanesDisplay, "panesdisplay")
#include "tst_panesdisplay.moc"
