// What the data panes show: huge fields cut for display (and shown quickly),
// columns as wide as their titles and readings, the Origin table's colours,
// the tree's check boxes and the panes' pop-up menus in every look.

#include "testsupport.h"

#include "app/applook.h"
#include "datafile/datafilereader.h"
#include "panes/celltext.h"
#include "panes/cfileview.h"
#include "panes/coutputwnd.h"
#include "panes/cownerlistctrl.h"
#include "panes/datatablemodel.h"
#include "panes/datatableview.h"
#include "survey.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QMenu>
#include <QTabWidget>

#include <memory>

using namespace vantrel;

namespace {

const QList<int> kLooks{205, 206, 207, 208, 209, 210, 215, 216, 217, 218, 219};

/// How far a colour stands out from another (0 ... 765).
int contrast(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

/// The strongest contrast to `background` inside `rect` of `image`: how
/// visible whatever is drawn there is.
int inkContrast(const QImage& image, const QRect& rect, QColor background)
{
    int best = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), background));
    return best;
}

}  // namespace

class TestPanesDisplay : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Survey> m_survey;
    std::unique_ptr<COutputWnd> m_output;
    std::unique_ptr<CFileView> m_fileView;

    void makePanes()
    {
        m_survey = std::make_unique<Survey>();
        m_output = std::make_unique<COutputWnd>(m_survey->m_tables, StringTable(StringTable::Language::English));
        m_fileView = std::make_unique<CFileView>(m_survey->m_tree, StringTable(StringTable::Language::English));
    }

    void load(const QString& path)
    {
        m_output->beginDataUpdate();
        m_fileView->beginDataUpdate();
        DataFileReader reader(m_survey->m_frame, m_survey->m_tables, m_survey->m_tree);
        const ReadResult result = reader.ReadFile(LocalPath(path));
        m_fileView->endDataUpdate();
        m_output->sync();
        QVERIFY2(result.Ok(), result.message.c_str());
    }

    void showPanes()
    {
        m_output->resize(900, 400);
        m_fileView->resize(260, 600);
        m_output->show();
        m_fileView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_output.get()));
        QVERIFY(QTest::qWaitForWindowExposed(m_fileView.get()));
    }

    QString write(const QString& name, const QByteArray& text)
    {
        QFile f(m_dir->filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            return {};
        return f.fileName();
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        makePanes();
    }

    void cleanup()
    {
        m_fileView.reset();
        m_output.reset();
        m_survey.reset();
        m_dir.reset();
        AppLook::apply(*qApp, AppLook::kDefault);
    }

    void hugeLastFieldIsShownCut_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("2 MB") << qint64(2) * 1024 * 1024;
        QTest::newRow("60 MB") << qint64(60) * 1024 * 1024;
    }

    void hugeLastFieldIsShownCut()
    {
        QFETCH(qint64, bytes);
        // The first row's date-time (the last field) is huge: it is a cell, a
        // tool tip and the file item's text.
        const QString path = m_dir->filePath("huge.dat");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("FILE\tINCREMENT\t1000HZ\t500HZ\tMODE\tDATETIME\n1\t0\t10.00\t8.00\t2\t2026");
            const QByteArray chunk(1024 * 1024, '7');
            for (qint64 left = bytes; left > 0; left -= chunk.size())
                f.write(chunk.constData(), std::min<qint64>(left, chunk.size()));
            f.write("\n1\t5\t10.10\t8.10\t2\t202603010900\n");
        }

        QElapsedTimer timer;
        timer.start();
        load(path);
        showPanes();
        m_fileView->tree()->expandAll();
        m_output->originView()->scrollTo(m_output->originModel()->index(0, 5));
        const QModelIndex cell = m_output->originModel()->index(0, 5);
        m_output->originView()->viewport()->grab();
        m_fileView->tree()->viewport()->grab();
        QApplication::processEvents();
        const QString shown = cell.data().toString();
        const QString tip = cell.data(Qt::ToolTipRole).toString();
        const QString fileItem = m_fileView->model()->index(0, 0).data().toString();
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed < 30000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));

        // The data stays whole; what is shown is its start and an ellipsis.
        QCOMPARE(qint64(m_survey->m_tables.m_origin.Cell(0, 5).size()), bytes + 4);
        QCOMPARE(shown.size(), kShownTextLength + 1);
        QVERIFY(shown.startsWith("20267777") && shown.endsWith(QChar(0x2026)));
        QCOMPARE(tip, shown);
        QVERIFY(fileItem.startsWith("File: 1 (20267777") && fileItem.endsWith(QString(QChar(0x2026)) + ")"));
        QVERIFY(fileItem.size() < kShownTextLength + 20);
        QCOMPARE(m_output->originModel()->index(1, 5).data().toString(), QStringLiteral("202603010900"));
    }

    void shownTextKeepsCharactersWhole()
    {
        // Short texts are shown as they are, also when their bytes are many.
        const std::string wide(kShownTextLength / 2, 'x');
        QCOMPARE(ShownText(wide + "\xE6\xB7\xB1"), QString::fromStdString(wide) + QStringLiteral("深"));
        // A cut never splits a UTF-8 sequence and decodes UTF-8 as such.
        std::string chinese;
        for (int i = 0; i < 2 * kShownTextLength; ++i)
            chinese += "\xE6\xB7\xB1";
        const QString cut = ShownText(chinese);
        QCOMPARE(cut.size(), kShownTextLength + 1);
        QCOMPARE(cut.left(kShownTextLength), QString(kShownTextLength, QChar(0x6DF1)));
        // Bytes that are not UTF-8 stay one character per byte.
        const QString latin = ShownText(std::string(1000, '\xB5'));
        QCOMPARE(latin.left(3), QStringLiteral("µµµ"));
        QVERIFY(latin.endsWith(QChar(0x2026)));
    }

    void columnsFitTitlesAndReadings()
    {
        const QString path = write("wide.dat",
                                   "FILE\tINCREMENT\t1000HZ\t500HZ\tAMPLITUDE-RATIO-ID\tMODE\tDATETIME\n"
                                   "1\t0\t1041.791234\t8.0\t1\t2\t202603010900\n"
                                   "1\t5\t41.791234\t12345.678901\t2\t2\t202603010900\n"
                                   "2\t0\t10.1\t8.1\t3\t2\t202603020900\n");
        load(path);
        showPanes();
        m_survey->m_tables.CopyToProcessing(0);
        m_survey->m_tables.CopyToProcessing(1);
        m_output->sync();
        for (DataTableView* view : {static_cast<DataTableView*>(m_output->originView()), m_output->processingView()}) {
            QHeaderView* header = view->horizontalHeader();
            for (int c = 0; c < view->model()->columnCount(); ++c) {
                const int width = header->sectionSize(c);
                const QString what = view->objectName() + " column " + QString::number(c);
                QVERIFY2(width >= DataTableView::kColumnWidth, qPrintable(what));
                // Neither the title nor any reading is cut.
                QVERIFY2(width >= header->sectionSizeHint(c), qPrintable(what));
                QVERIFY2(width >= static_cast<QAbstractItemView*>(view)->sizeHintForColumn(c), qPrintable(what));
            }
        }
        // Narrow columns keep the fixed width.
        QCOMPARE(m_output->originView()->horizontalHeader()->sectionSize(0), DataTableView::kColumnWidth);
        // An empty table sizes its columns to the titles.
        DataTableView* depth = m_output->depthView();
        QVERIFY(depth->horizontalHeader()->sectionSize(2) >= depth->horizontalHeader()->sectionSizeHint(2));

        // The user's own widths stay while the tables are refreshed.
        COwnerListCtrl* origin = m_output->originView();
        origin->horizontalHeader()->resizeSection(2, 170);
        origin->horizontalHeader()->resizeSection(6, 30);
        m_output->processingView()->horizontalHeader()->resizeSection(3, 150);
        m_survey->m_tables.m_origin.SetCell(0, 2, "7.0000");
        m_survey->m_tables.ClearResults();
        m_output->sync();
        m_survey->m_tables.CopyToProcessing(2);
        m_output->sync();
        QCOMPARE(origin->horizontalHeader()->sectionSize(2), 170);
        QCOMPARE(origin->horizontalHeader()->sectionSize(6), 30);
        QCOMPARE(m_output->processingView()->horizontalHeader()->sectionSize(3), 150);
        // A file of another layout starts over.
        m_survey->m_frame.CloseData(m_survey->m_tree, m_survey->m_tables);
        load(test::fixture("road.dat"));
        QVERIFY(origin->horizontalHeader()->sectionSize(2) != 170);
        QVERIFY(origin->horizontalHeader()->sectionSize(2) >= static_cast<QAbstractItemView*>(origin)->sizeHintForColumn(2));
    }

    void originCellsAreBlackOnWhite_data()
    {
        QTest::addColumn<int>("look");
        for (int id : kLooks)
            QTest::newRow(qPrintable(AppLook::name(id))) << id;
    }

    void originCellsAreBlackOnWhite()
    {
        QFETCH(int, look);
        AppLook::apply(*qApp, look);
        load(test::fixture("road.dat"));
        m_survey->m_tables.m_marks = {{1, 3}};
        showPanes();
        COwnerListCtrl* view = m_output->originView();
        const QImage image = view->viewport()->grab().toImage();
        const QRect plain = view->visualRect(m_output->originModel()->index(1, 2));
        QCOMPARE(image.pixelColor(plain.left() + 2, plain.top() + 2), QColor(Qt::white));
        // The text is black: the darkest ink of the cell.
        int darkest = 255;
        for (int y = plain.top(); y < plain.bottom(); ++y)
            for (int x = plain.left(); x < plain.right(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        QVERIFY2(darkest < 40, qPrintable(QString::number(darkest)));
        const QRect marked = view->visualRect(m_output->originModel()->index(1, 3));
        QCOMPARE(image.pixelColor(marked.left() + 2, marked.top() + 2), QColor(255, 0, 0));

        // A selected row stays readable on the look's highlight.
        view->selectRow(4);
        const QImage selected = view->viewport()->grab().toImage();
        const QRect cell = view->visualRect(m_output->originModel()->index(4, 2));
        const QColor highlight = selected.pixelColor(cell.left() + 2, cell.top() + 2);
        const int ink = inkContrast(selected, cell.adjusted(2, 2, -2, -2), highlight);
        QVERIFY2(ink >= 300, qPrintable(QString::number(ink)));
    }

    void checkBoxesAndMenusAreReadable_data() { originCellsAreBlackOnWhite_data(); }

    void checkBoxesAndMenusAreReadable()
    {
        QFETCH(int, look);
        AppLook::apply(*qApp, look);
        load(test::fixture("road.dat"));
        showPanes();

        // An unchecked box stands out from the tree's background.
        CViewTree* tree = m_fileView->tree();
        const QModelIndex file = m_fileView->model()->index(0, 0);
        const QImage treeImage = tree->viewport()->grab().toImage();
        const QRect box = tree->checkBoxRect(file);
        QVERIFY(!box.isEmpty());
        const QColor treeBackground = treeImage.pixelColor(tree->viewport()->width() - 2, tree->viewport()->height() - 2);
        const int boxInk = inkContrast(treeImage, box, treeBackground);
        QVERIFY2(boxInk >= 150, qPrintable(QString::number(boxInk)));

        // A disabled entry of a pane's pop-up menu is fainter than an enabled one.
        QMenu* menu = m_output->contextMenu();
        menu->popup(m_output->mapToGlobal(QPoint(40, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QImage menuImage = menu->grab().toImage();
        QAction* enabled = menu->actions().first();
        QAction* disabled = menu->actions().last();
        QVERIFY(enabled->isEnabled() && !disabled->isEnabled());
        auto textInk = [&](QAction* a) {
            const QRect r = menu->actionGeometry(a);
            const QColor background = menuImage.pixelColor(r.right() - 3, r.center().y());
            // The middle of the entry: its text, clear of the menu's frame.
            return inkContrast(menuImage, r.adjusted(4, r.height() / 4, -4, -r.height() / 4), background);
        };
        const int enabledInk = textInk(enabled), disabledInk = textInk(disabled);
        menu->close();
        QVERIFY2(disabledInk * 10 < enabledInk * 7,
                 qPrintable(QStringLiteral("enabled %1, disabled %2").arg(enabledInk).arg(disabledInk)));
    }
};

VANTREL_GUI_TEST_MAIN(TestPanesDisplay, "panesdisplay")
#include "tst_panesdisplay.moc"
