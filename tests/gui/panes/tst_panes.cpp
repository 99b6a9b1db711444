// The data panes through their real widgets: the file view's tree, check
// boxes, selector, context menu and picture control; the output pane's tabs,
// menu, views following the core's tables, decoded and cut cells, column
// widths and marked cells; and both readable in every look.

#include "testsupport.h"

#include "app/applook.h"
#include "common/celltext.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/surveynotifier.h"
#include "datafile/datafilereader.h"
#include "panes/cfileviewtoolbar.h"
#include "panes/cmystatic.h"
#include "panes/coutputtoolbar.h"
#include "panes/cownerlistctrl.h"
#include "panes/datatablemodel.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

using namespace vantrel;
using test::checked;
using test::clickCheckBox;

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

QList<int> ids(const QList<QAction*>& actions)
{
    QList<int> ids;
    for (const QAction* a : actions)
        ids << a->data().toInt();
    return ids;
}

/// Opens the context menu of `view` at `at` as the mouse does.
void rightClick(QAbstractItemView* view, QPoint at)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
}

/// Pictures of one colour each (red, green, blue, ...) in a fresh "Picture" folder.
void makePictures(const QStringList& names, QSize size = QSize(36, 24))
{
    QDir(QStringLiteral("Picture")).removeRecursively();
    QDir().mkpath(QStringLiteral("Picture"));
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    int i = 0;
    for (const QString& name : names) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colours[i++ % 3]);
        QVERIFY(image.save(QStringLiteral("Picture/") + name, "BMP"));
    }
}

void setLinks(const QList<std::pair<QString, QString>>& links)
{
    QSettings settings;
    for (const auto& [picture, link] : links)
        settings.setValue(QStringLiteral("SelvoSoftwareHttpLink/") + picture, link);
}

}  // namespace

class TestPanes : public QObject {
    Q_OBJECT

    std::unique_ptr<test::InTemporaryFolder> m_folder;
    std::unique_ptr<SurveyNotifier> m_notifier;
    Survey* m_survey = nullptr;
    std::unique_ptr<COutputWnd> m_output;
    std::unique_ptr<CFileView> m_fileView;
    QList<QUrl> m_opened;

    void load(const QString& path = test::fixture(QStringLiteral("road.dat")))
    {
        m_notifier->beginReset();
        const ReadResult result =
            DataFileReader(m_survey->m_frame, m_survey->m_tables, m_survey->m_tree).ReadFile(localPath(path));
        m_notifier->endReset();
        QVERIFY2(result.Ok(), result.message.c_str());
    }

    /// Every item of the tree in order, as "text #id".
    QStringList treeItems() const
    {
        const FileTreeModel* m = m_fileView->model();
        QStringList items;
        for (int f = 0; f < m->rowCount(); ++f)
            for (int r = -1; r < m->rowCount(m->index(f, 0)); ++r) {
                const QModelIndex i = r < 0 ? m->index(f, 0) : m->index(r, 0, m->index(f, 0));
                items << i.data().toString() + " #" + i.data(FileTreeModel::ItemDataRole).toString();
            }
        return items;
    }

    /// A file of `contents` in the test's folder.
    QString write(const QString& name, const QByteArray& contents)
    {
        QFile f(m_folder->dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(contents) != contents.size())
            return {};
        return f.fileName();
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<test::InTemporaryFolder>();
        QSettings().remove(QStringLiteral("SelvoSoftwareHttpLink"));
        m_opened.clear();
        m_notifier = std::make_unique<SurveyNotifier>();
        m_survey = &m_notifier->survey();
        m_output = std::make_unique<COutputWnd>(*m_notifier);
        m_fileView = std::make_unique<CFileView>(*m_notifier);
        m_fileView->pictureControl()->setUrlOpener([this](const QUrl& url) {
            m_opened << url;
            return true;
        });
        m_output->resize(900, 400);
        m_fileView->resize(260, 720);
        m_output->show();
        m_fileView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_output.get()) &&
                QTest::qWaitForWindowExposed(m_fileView.get()));
    }

    void cleanup()
    {
        m_fileView.reset();
        m_output.reset();
        m_notifier.reset();
        m_folder.reset();
        AppLook::apply(*qApp, AppLook::kDefault);
    }

    void treeSelectorAndMouseOverALoadedFile()
    {
        QCOMPARE(m_fileView->currentFrequency(), -1);
        load(test::fixture("alternating.dat"));
        FileTreeModel* m = m_fileView->model();
        CViewTree* tree = m_fileView->tree();
        // Files by their number, each with the date-time of its first row (row 3 differs);
        // row ids count the lines of the file across both files.
        const QStringList loaded{"File: 1 (20180412) #1",  "INCREMENT= 0 MODE=2 #1", "INCREMENT= 5 MODE=2 #3",
                                 "INCREMENT=10 MODE=2 #5", "File: 2 (20180413) #2",  "INCREMENT= 0 MODE=3 #2",
                                 "INCREMENT= 5 MODE=3 #4"};
        QCOMPARE(treeItems(), loaded);
        const QModelIndex file1 = m->index(0, 0);
        QCOMPARE(m->parent(m->rowIndex(4)), m->index(1, 0));
        const auto folder = file1.data(Qt::DecorationRole).value<QIcon>();
        const auto document = m->index(0, 0, file1).data(Qt::DecorationRole).value<QIcon>();
        QVERIFY(!folder.isNull() && !document.isNull() && folder.cacheKey() != document.cacheKey());
        QVERIFY(!checked(file1) && !checked(m->index(0, 0, file1)));
        QVERIFY(!tree->isExpanded(file1));

        // The selector lists the frequencies, the first one current.
        QComboBox* selector = m_fileView->frequencySelector();
        QCOMPARE(selector->count(), 2);
        QCOMPARE(selector->currentText(), QStringLiteral("1000HZ"));
        QCOMPARE(selector->itemText(1), QStringLiteral("500HZ"));
        QCOMPARE(m_fileView->currentFrequency(), 0);
        selector->setCurrentIndex(1);
        QCOMPARE(m_survey->m_tree.CurrentFrequency(), 1);
        const QFont menuFont = QApplication::font("QMenu");
        QCOMPARE(selector->font().pointSizeF(), menuFont.pointSizeF());
        QCOMPARE(selector->font().weight(), menuFont.weight());

        // The mouse on the tree.
        tree->expandAll();
        auto row = [&](int r) { return m->index(r, 0, file1); };

        // Clicks on the boxes reach the core, and what it changes reaches every item.
        QVERIFY(clickCheckBox(tree, file1));
        QVERIFY(checked(row(0)) && checked(row(1)) && checked(row(2)));
        QVERIFY(!checked(m->index(0, 0, m->index(1, 0))));
        QVERIFY(clickCheckBox(tree, row(1)));
        QVERIFY(!checked(row(1)) && !checked(file1));
        QVERIFY(clickCheckBox(tree, row(1)));
        QVERIFY(checked(row(1)) && checked(file1));
        QCOMPARE(m_survey->m_tree.CheckedRowIds(), std::vector<int>({1, 3, 5}));

        // A click on the text selects the item and leaves its box alone.
        const QRect text = tree->visualRect(row(0));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(text.right() - 4, text.center().y()));
        QVERIFY(checked(row(0)));
        QCOMPARE(tree->currentIndex(), row(0));

        // The context menu selects the item under the pointer.
        rightClick(tree, tree->visualRect(row(1)).center());
        QCOMPARE(tree->currentIndex(), row(1));
        // (Its entries are in the command record of the shell's tests.)
        QMenu* menu = m_fileView->contextMenu();
        QTRY_VERIFY(menu->isVisible());
        menu->close();

        // What the frame hands to the command router: the toolbar's and the menu's commands.
        QCOMPARE(ids(m_fileView->commandActions()),
                 QList<int>({cmd::ID_SELECT_DATA, cmd::ID_FILEVIEW_PROCESS_SELECTED, cmd::ID_FILEVIEW_DEPTH,
                             cmd::ID_SELECT_DATA, cmd::ID_OPEN_WITH, cmd::ID_DUMMY_COMPILE, cmd::ID_EDIT_CUT,
                             cmd::ID_EDIT_COPY, cmd::ID_EDIT_CLEAR, cmd::ID_PROPERTIES}));

        // After a reset the pane shows the tree as it then is, rows and
        // frequencies added (a new tree on File Open: the data road).
        Survey& survey = *m_survey;
        m_notifier->beginReset();
        survey.m_tree.AddFrequency("10HZ");
        survey.m_tree.AddRowItem(2, "20990101", 10, "INCREMENT", 3, "MODE");
        survey.m_tree.AddRowItem(4, "20180420", 0, "INCREMENT", 1, "MODE");
        m_notifier->endReset();
        QCOMPARE(selector->count(), 3);
        QCOMPARE(selector->itemText(2), QStringLiteral("10HZ"));
        QCOMPARE(
            treeItems(),
            loaded +
                QStringList({"INCREMENT=10 MODE=3 #6", "File: 4 (20180420) #4", "INCREMENT= 0 MODE=1 #7"}));
    }

    void tickingAFileOfManyRowsStaysCheap()
    {
        // Ticking a file of thousands of rows once walked the rows one by one
        // for each click, collapsed or not (200 files of 10 000 rows: 22 s).
        struct CountingModel : FileTreeModel {
            using FileTreeModel::FileTreeModel;
            QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override
            {
                ++calls;
                return FileTreeModel::index(row, column, parent);
            }
            mutable int calls = 0;
        };
        FileTree core;
        for (int file = 1; file <= 2; ++file)
            for (int r = 0; r < 20000; ++r)
                core.AddRowItem(file, "D", r, "INCREMENT", 1, "MODE");
        CountingModel model(core);
        CViewTree tree;
        tree.setModel(&model);
        tree.resize(260, 400);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        tree.expand(model.index(1, 0));
        QCoreApplication::processEvents();
        for (int file : {0, 1}) {
            const QImage before = tree.grab().toImage();
            model.calls = 0;
            model.ClickCheckBox(model.index(file, 0));
            QVERIFY2(model.calls < 1000, qPrintable(QString::number(model.calls)));
            QVERIFY(checked(model.index(19999, 0, model.index(file, 0))));
            // The expanded file's rows show their new boxes.
            QCOMPARE(tree.grab().toImage() != before, true);
        }
    }

    void picturesCycleAndOpenTheirLinks()
    {
        CMyStatic* picture = m_fileView->pictureControl();
        QTest::mouseClick(picture, Qt::LeftButton);  // nothing drawn yet: empty link, parity 0
        QCOMPARE(m_opened, QList<QUrl>({QUrl(QString::fromLatin1(CMyStatic::kApplicationCasePage))}));
        m_opened.clear();

        // Links cut to 99 characters; b's is empty, c has none set.
        makePictures({"a.bmp", "b.bmp", "c.bmp"});
        const QString longLink = QStringLiteral("https://a.example/") + QString(120, QLatin1Char('x'));
        setLinks({{"a", longLink}, {"b", ""}});
        m_fileView->LoadPictures();
        QCOMPARE(m_fileView->picturePaths(),
                 QStringList({"Picture/a.bmp", "Picture/b.bmp", "Picture/c.bmp"}));
        QCOMPARE(m_fileView->pictureLinks(),
                 QStringList({longLink.left(99), QString(), QString::fromLatin1(CMyStatic::kProductPage)}));
        const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue};
        for (int expected : {1, 2, 0, 1}) {
            m_fileView->ShowNextPicture();
            QCOMPARE(m_fileView->pictureIndex(), expected);
            QCOMPARE(picture->linkParity(), expected % 2);
            QCOMPARE(picture->link(), m_fileView->pictureLinks().at(expected));
            QCOMPARE(picture->picture().pixelColor(0, 0), colours[expected]);
            QTest::mouseClick(picture, Qt::LeftButton);
        }
        // An empty link at an odd parity opens the product page (at an even
        // one the application cases, above).
        const QUrl product(QString::fromLatin1(CMyStatic::kProductPage));
        QCOMPARE(m_opened, QList<QUrl>({product, product, QUrl(longLink.left(99)), product}));

        m_opened.clear();
        for (const char* link : {"file:///etc/passwd", "javascript:alert(1)", "www.example.com", "http://"}) {
            picture->setLink(1, QString::fromLatin1(link));
            QVERIFY2(!picture->OnClicked(), link);
        }
        QVERIFY(m_opened.isEmpty());

        // Only repaints of the pane itself, not of its other widgets, advance it.
        QApplication::processEvents();
        const int before = m_fileView->pictureIndex();
        m_fileView->tree()->viewport()->repaint();
        m_fileView->frequencySelector()->repaint();
        m_fileView->toolBar()->repaint();
        QCOMPARE(m_fileView->pictureIndex(), before);
        m_fileView->client()->repaint();
        QCOMPARE(m_fileView->pictureIndex(), (before + 1) % 3);

        // A shorter list wraps at the next drawing; a single picture stays.
        makePictures({QStringLiteral("z.bmp")}, QSize(12, 36));
        m_fileView->LoadPictures();
        QCOMPARE(m_fileView->pictureIndex(), (before + 1) % 3);
        for (int i = 0; i < 2; ++i) {
            m_fileView->ShowNextPicture();
            QCOMPARE(m_fileView->pictureIndex(), 0);
            QCOMPARE(picture->linkParity(), 0);
        }

        // Drawn in a black frame on white, scaled with its aspect ratio, at the top left.
        const QImage shown = picture->grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(3, 3), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(picture->width() - 4, picture->height() / 2), QColor(Qt::white));
    }

    void outputTabsMenuAndViewsFollowingTheCore()
    {
        load();
        QTabWidget* tabs = m_output->tabs();
        QCOMPARE(m_output->depthModel()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("Value(V)"));

        QTableView* origin = m_output->originView();
        rightClick(origin, origin->viewport()->rect().center());
        QMenu* menu = m_output->contextMenu();
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        QCOMPARE(ids(m_output->commandActions()),
                 QList<int>({cmd::ID_OUTPUT_SEARCH_BAD_POINTS, cmd::ID_OUTPUT_CORRECT_BAD_POINTS,
                             cmd::ID_OUTPUT_DEPTH, cmd::ID_OUTPUT_PLANE_GRAPH, cmd::ID_OUTPUT_TOOL_1,
                             cmd::ID_OUTPUT_TOOL_2, cmd::ID_OUTPUT_TOOL_3, cmd::ID_OUTPUT_TOOL_4}));
        // The tab control covers the toolbar.
        QCOMPARE(m_output->toolBar()->parentWidget(), tabs);
        QWidget* seen = tabs->childAt(m_output->toolBar()->geometry().center());
        QVERIFY(seen && seen != m_output->toolBar() && !m_output->toolBar()->isAncestorOf(seen));

        // The views follow the core's tables.
        OutputTables& tables = m_survey->m_tables;
        DataTableModel* processing = m_output->processingModel();
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
        QCOMPARE(m_output->tabs()->currentIndex(), 0);
        m_notifier->requestActiveTab(OutputTables::ProcessingTab);
        QCOMPARE(m_output->tabs()->currentIndex(), 1);
        // The user's own click is kept in the core.
        m_output->tabs()->tabBar()->setCurrentIndex(OutputTables::DepthTab);
        QCOMPARE(tables.ActiveTab(), int(OutputTables::DepthTab));
        m_output->tabs()->tabBar()->setCurrentIndex(OutputTables::ProcessingTab);

        m_output->processingView()->selectRow(1);
        tables.Processing().SetCell(1, 2, "7.5000");
        tables.CopyToProcessing(10);
        m_output->sync();
        QCOMPARE(reset.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(processing->index(1, 2).data().toString(), QStringLiteral("7.5000"));
        QCOMPARE(processing->rowCount(), 3);
        QVERIFY(m_output->processingView()->selectionModel()->isRowSelected(1, {}));

        tables.ClearResults();  // rows went away: the views start over
        m_output->sync();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(processing->rowCount(), 0);
    }

    void cellBytesAreDecodedAndHugeOnesCut_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("2 MB") << qint64(2);
        QTest::newRow("60 MB") << qint64(60);
    }

    void cellBytesAreDecodedAndHugeOnesCut()
    {
        QFETCH(qint64, bytes);
        bytes <<= 20;
        // The first row's date-time, the last field, is a cell, a tool tip and
        // the file item's text.
        QByteArray data("FILE\tINCREMENT\t1000HZ\t500HZ\tMODE\tDATETIME\n1\t0\t10.00\t8.00\t2\t2026");
        data += QByteArray(bytes, '7') + "\n1\t5\t10.10\t8.10\t2\t202603010900\n";
        const QString path = write(QStringLiteral("huge.dat"), data);
        data.clear();

        QElapsedTimer timer;
        timer.start();
        load(path);
        m_fileView->tree()->expandAll();
        m_output->originView()->viewport()->grab();
        m_fileView->tree()->viewport()->grab();
        DataTableModel* origin = m_output->originModel();
        const QModelIndex cell = origin->index(0, 5);
        const QString shown = cell.data().toString();
        const QString fileItem = m_fileView->model()->index(0, 0).data().toString();
        QVERIFY2(timer.elapsed() < 30000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));

        // The data stays whole; what is shown is its start and an ellipsis.
        QCOMPARE(qint64(m_survey->m_tables.Origin().Cell(0, 5).size()), bytes + 4);
        QCOMPARE(shown, QStringLiteral("2026") + QString(kShownTextLength - 4, '7') + QChar(0x2026));
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), shown);
        QCOMPARE(fileItem, QStringLiteral("File: 1 (") + shown + ")");
        QCOMPARE(origin->index(1, 5).data().toString(), QStringLiteral("202603010900"));

        // A cut never splits a character.
        std::string chinese;
        for (int i = 0; i < 2 * kShownTextLength; ++i)
            chinese += "\xE6\xB7\xB1";
        QCOMPARE(shownText(chinese), QString(kShownTextLength, QChar(0x6DF1)) + QChar(0x2026));

        // UTF-8 cells read as such; others one byte, one character.
        m_survey->m_tables.Origin().SetCell(0, 5, "\xE6\xB7\xB1\xE5\xBA\xA6");
        m_survey->m_tables.Origin().SetCell(1, 5, "5\xB5S");
        m_output->sync();
        QCOMPARE(origin->index(0, 5).data().toString(), QStringLiteral("深度"));
        QCOMPARE(origin->index(1, 5).data().toString(), QStringLiteral("5µS"));
    }

    void columnsFitTitlesAndReadings()
    {
        load(write(QStringLiteral("wide.dat"),
                   "FILE\tINCREMENT\t1000HZ\t500HZ\tAMPLITUDE-RATIO-ID\tMODE\tDATETIME\n"
                   "1\t0\t1041.791234\t8.0\t1\t2\t202603010900\n1\t5\t41.791234\t12345."
                   "678901\t2\t2\t202603010900\n"));
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
        load();
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
        load();
        m_survey->m_tables.MarkCell(1, 3);
        m_notifier->notifyMarksChanged();
        COwnerListCtrl* view = m_output->originView();
        DataTableModel* model = m_output->originModel();
        QCOMPARE(model->index(1, 3).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 255, 255));
        view->selectRow(1);
        QImage table = view->viewport()->grab().toImage();
        auto cell = [&](int row, int column) { return view->visualRect(model->index(row, column)); };
        auto colour = [&](int row, int column) {
            return table.pixelColor(cell(row, column).topLeft() + QPoint(2, 2));
        };
        // Unmarked cells black on white, marked ones white on red, also in a selected row.
        QCOMPARE(colour(2, 2), QColor(Qt::white));
        QVERIFY(inkContrast(table, cell(2, 2), Qt::white) > 700);
        QCOMPARE(colour(1, 3), QColor(255, 0, 0));
        // The rest of a selected row is readable on the look's highlight.
        const QColor highlight = colour(1, 2);
        QVERIFY(inkContrast(table, cell(1, 2).adjusted(2, 2, -2, -2), highlight) >= 300);
        // Marks the core clears leave the view.
        m_survey->m_tables.ClearMarks();
        m_notifier->notifyMarksChanged();
        view->clearSelection();
        table = view->viewport()->grab().toImage();
        QCOMPARE(colour(1, 3), QColor(Qt::white));

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

VANTREL_GUI_TEST_MAIN(TestPanes, "panes")
#include "tst_panes.moc"
