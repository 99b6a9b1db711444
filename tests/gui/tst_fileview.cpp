// The file view pane through its real widgets: the tree over a loaded file,
// check boxes by mouse and keyboard, the selector, the layout, the context
// menu, the toolbar and the picture control.

#include "panes_testsupport.h"

#include "app/commandids.h"
#include "datafile/datafilereader.h"
#include "panes/cfileview.h"
#include "panes/cfileviewtoolbar.h"
#include "panes/cmystatic.h"
#include "survey.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace vantrel;
using panes_test::checked;
using panes_test::clickCheckBox;

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

class TestFileView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void treeTextsFollowFileNumbersNotLines();
    void addedRowsReachTheView();
    void mouseClicksOnCheckBoxesPropagate();
    void spaceTogglesOneItemOnly();
    void frequencySelector();
    void layoutArithmetic();
    void contextMenuSelectsTheItemUnderThePointer();
    void toolBarCommandsAndTips();
    void picturesCycleWithOneAndThree();
    void pictureClickFallbacks();
    void onlyRepaintsOfThePaneAdvanceThePicture();

private:
    void load(const QString& path);
    void makePictures(const QStringList& names);

    QTemporaryDir m_settingsDir;
    QString m_startDir;
    std::unique_ptr<QTemporaryDir> m_workDir;
    std::unique_ptr<Survey> m_survey;
    std::unique_ptr<CFileView> m_view;
    UrlRecorder m_urls;
};

void TestFileView::initTestCase()
{
    panes_test::privateSettings("vantrel-test-fileview", m_settingsDir);
    m_startDir = QDir::currentPath();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_urls, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_urls, "open");
}

void TestFileView::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestFileView::init()
{
    m_workDir = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_workDir->path());
    QSettings().remove(QStringLiteral("SelvoSoftwareHttpLink"));
    m_urls.urls.clear();
    m_survey = std::make_unique<Survey>();
    m_view = std::make_unique<CFileView>(m_survey->m_tree, PaneStrings::Language::English);
    m_view->resize(260, 720);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestFileView::cleanup()
{
    m_view.reset();
    m_survey.reset();
    QDir::setCurrent(m_startDir);
    m_workDir.reset();
}

void TestFileView::load(const QString& path)
{
    m_view->beginDataUpdate();
    DataFileReader reader(m_survey->m_frame, m_survey->m_tables, m_survey->m_tree);
    const ReadResult result = reader.ReadFile(path.toStdString());
    m_view->endDataUpdate();
    QVERIFY(result.Ok());
}

void TestFileView::makePictures(const QStringList& names)
{
    QDir().mkpath(QStringLiteral("Picture"));
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    int i = 0;
    for (const QString& name : names) {
        QImage image(36, 24, QImage::Format_RGB32);
        image.fill(colours[i++ % 3]);
        QVERIFY(image.save(QStringLiteral("Picture/") + name, "BMP"));
    }
}

void TestFileView::treeTextsFollowFileNumbersNotLines()
{
    load(panes_test::fixture(QStringLiteral("alternating.dat")));
    FileTreeModel* m = m_view->model();
    QCOMPARE(m->rowCount(), 2);
    const QModelIndex file1 = m->index(0, 0);
    const QModelIndex file2 = m->index(1, 0);
    // The file item keeps the date-time of its first row, though row 3 differs.
    QCOMPARE(file1.data().toString(), QStringLiteral("File: 1 (20180412)"));
    QCOMPARE(file2.data().toString(), QStringLiteral("File: 2 (20180413)"));
    QCOMPARE(file1.data(FileTreeModel::ItemDataRole).toInt(), 1);

    QCOMPARE(m->rowCount(file1), 3);
    QCOMPARE(m->rowCount(file2), 2);
    QCOMPARE(m->index(0, 0, file1).data().toString(), QStringLiteral("INCREMENT= 0 MODE=2"));
    QCOMPARE(m->index(2, 0, file1).data().toString(), QStringLiteral("INCREMENT=10 MODE=2"));
    QCOMPARE(m->index(1, 0, file2).data().toString(), QStringLiteral("INCREMENT= 5 MODE=3"));
    // Row ids count the lines of the file across both files.
    QList<int> ids;
    for (const QModelIndex& file : {file1, file2})
        for (int r = 0; r < m->rowCount(file); ++r)
            ids << m->index(r, 0, file).data(FileTreeModel::ItemDataRole).toInt();
    QCOMPARE(ids, QList<int>({1, 3, 5, 2, 4}));
    QCOMPARE(m->parent(m->rowIndex(4)), file2);

    const auto folder = file1.data(Qt::DecorationRole).value<QIcon>();
    const auto document = m->index(0, 0, file1).data(Qt::DecorationRole).value<QIcon>();
    QVERIFY(!folder.isNull() && !document.isNull());
    QVERIFY(folder.cacheKey() != document.cacheKey());
    QVERIFY(!checked(file1) && !checked(m->index(0, 0, file1)));
    QVERIFY(!m_view->tree()->isExpanded(file1));
}

void TestFileView::addedRowsReachTheView()
{
    load(panes_test::fixture(QStringLiteral("alternating.dat")));
    FileTreeModel* m = m_view->model();
    QSignalSpy inserted(m, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(m, &QAbstractItemModel::modelReset);
    m_view->AddRowItem(2, "20990101", 10, "INCREMENT", 3, "MODE");
    m_view->AddRowItem(4, "20180420", 0, "INCREMENT", 1, "MODE");
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("File: 2 (20180413)"));
    QCOMPARE(m->index(2, 0, m->index(1, 0)).data(FileTreeModel::ItemDataRole).toInt(), 6);
    QCOMPARE(m->index(2, 0).data().toString(), QStringLiteral("File: 4 (20180420)"));

    m_view->ClearTree();
    QCOMPARE(m->rowCount(), 0);
    QCOMPARE(m_view->frequencySelector()->count(), 0);
    m_view->AddRowItem(5, "X", 0, "INCREMENT", 1, "MODE");
    QCOMPARE(m->index(0, 0, m->index(0, 0)).data(FileTreeModel::ItemDataRole).toInt(), 1);
}

void TestFileView::mouseClicksOnCheckBoxesPropagate()
{
    load(panes_test::fixture(QStringLiteral("alternating.dat")));
    CViewTree* tree = m_view->tree();
    FileTreeModel* m = m_view->model();
    tree->expandAll();
    const QModelIndex file1 = m->index(0, 0);
    auto row = [&](int r) { return m->index(r, 0, file1); };

    QVERIFY(clickCheckBox(tree, file1));
    QVERIFY(checked(file1));
    QVERIFY(checked(row(0)) && checked(row(1)) && checked(row(2)));
    QVERIFY(!checked(m->index(0, 0, m->index(1, 0))));

    QVERIFY(clickCheckBox(tree, row(1)));  // unchecking any row unchecks the file
    QVERIFY(!checked(row(1)));
    QVERIFY(!checked(file1));
    QVERIFY(clickCheckBox(tree, row(1)));  // the last unchecked row checks it again
    QVERIFY(checked(row(1)));
    QVERIFY(checked(file1));

    QVERIFY(clickCheckBox(tree, file1));
    QVERIFY(!checked(row(0)) && !checked(row(1)) && !checked(row(2)));

    // A click on the text selects the item and leaves its box alone.
    const QRect text = tree->visualRect(row(0));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(text.right() - 4, text.center().y()));
    QVERIFY(!checked(row(0)));
    QCOMPARE(tree->currentIndex(), row(0));

    // Checking every row one by one checks the file item.
    for (int r = 0; r < 3; ++r)
        QVERIFY(clickCheckBox(tree, row(r)));
    QVERIFY(checked(file1));
    QCOMPARE(m_survey->m_tree.CheckedRowIds(), std::vector<int>({1, 3, 5}));
}

void TestFileView::spaceTogglesOneItemOnly()
{
    load(panes_test::fixture(QStringLiteral("alternating.dat")));
    CViewTree* tree = m_view->tree();
    FileTreeModel* m = m_view->model();
    const QModelIndex file2 = m->index(1, 0);
    tree->setCurrentIndex(file2);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Space);
    QVERIFY(checked(file2));
    QVERIFY(!checked(m->index(0, 0, file2)));
    QVERIFY(m_survey->m_tree.CheckedRowIds().empty());

    tree->expand(file2);
    tree->setCurrentIndex(m->index(1, 0, file2));
    QTest::keyClick(tree, Qt::Key_Space);
    QVERIFY(checked(m->index(1, 0, file2)));
    QVERIFY(checked(file2));  // no propagation either way
    QTest::keyClick(tree, Qt::Key_Space);
    QVERIFY(checked(file2));
    QCOMPARE(m_survey->m_tree.CheckedRowIds(), std::vector<int>());
}

void TestFileView::frequencySelector()
{
    QComboBox* selector = m_view->frequencySelector();
    QCOMPARE(m_view->currentFrequency(), -1);
    load(panes_test::fixture(QStringLiteral("alternating.dat")));
    QCOMPARE(selector->count(), 2);
    QCOMPARE(selector->itemText(0), QStringLiteral("1000HZ"));
    QCOMPARE(selector->itemText(1), QStringLiteral("500HZ"));
    QCOMPARE(m_view->currentFrequency(), 0);
    selector->setCurrentIndex(1);
    QCOMPARE(m_survey->m_tree.CurrentFrequency(), 1);

    m_view->AddFrequency(QStringLiteral("10HZ"));
    QCOMPARE(selector->count(), 3);
    QCOMPARE(m_view->currentFrequency(), 0);

    const QFont menu = QApplication::font("QMenu");
    QCOMPARE(selector->font().weight(), menu.weight());
    QCOMPARE(selector->font().italic(), menu.italic());
    QCOMPARE(selector->font().pointSizeF(), menu.pointSizeF());
}

void TestFileView::layoutArithmetic()
{
    const CFileView::Layout l = CFileView::layoutFor(QSize(200, 600), 42, 22);
    QCOMPARE(l.toolBar, QRect(0, 0, 200, 42));
    QCOMPARE(l.selector, QRect(0, 42, 200, 22));
    QCOMPARE(l.picture, QRect(0, 600 - 133, 200, 133));  // 200 * 240 / 360 = 133.3
    QCOMPARE(l.tree, QRect(1, 65, 198, 600 - 42 - 22 - 2 - 133));

    m_view->resize(301, 650);
    QApplication::processEvents();
    const QSize client = m_view->client()->size();
    const int ht = m_view->toolBar()->sizeHint().height();
    const int hc = m_view->frequencySelector()->sizeHint().height();
    const int p = client.width() * 240 / 360;
    QCOMPARE(m_view->toolBar()->geometry(), QRect(0, 0, client.width(), ht));
    QCOMPARE(m_view->frequencySelector()->geometry(), QRect(0, ht, client.width(), hc));
    QCOMPARE(m_view->pictureControl()->geometry(), QRect(0, client.height() - p, client.width(), p));
    QCOMPARE(m_view->tree()->geometry(),
             QRect(1, ht + hc + 1, client.width() - 2, client.height() - ht - hc - 2 - p));
    QVERIFY(ht >= CFileViewToolBar::kButtonSize);
}

void TestFileView::contextMenuSelectsTheItemUnderThePointer()
{
    load(panes_test::fixture(QStringLiteral("alternating.dat")));
    CViewTree* tree = m_view->tree();
    FileTreeModel* m = m_view->model();
    tree->expandAll();
    const QModelIndex target = m->index(1, 0, m->index(0, 0));
    const QPoint at = tree->visualRect(target).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &event);
    QCOMPARE(tree->currentIndex(), target);
    QMenu* menu = m_view->contextMenu();
    QTRY_VERIFY(menu->isVisible());

    QList<int> ids;
    for (QAction* a : menu->actions())
        ids << (a->isSeparator() ? 0 : a->data().toInt());
    QCOMPARE(ids, QList<int>({136, 137, 0, 138, 0, 57635, 57634, 57632, 0, 135}));
    QCOMPARE(menu->actions().last()->text(), QStringLiteral("属性(&P)..."));
    for (QAction* a : menu->actions())
        QVERIFY(a->isEnabled());

    QSignalSpy commands(m_view.get(), &CFileView::commandTriggered);
    menu->actions().last()->trigger();
    menu->actions().first()->trigger();
    menu->close();
    QCOMPARE(commands.count(), 2);
    QCOMPARE(commands.at(0).at(0).toInt(), cmd::ID_PROPERTIES);
    QCOMPARE(commands.at(1).at(0).toInt(), cmd::ID_SELECT_DATA);
}

void TestFileView::toolBarCommandsAndTips()
{
    CFileViewToolBar* bar = m_view->toolBar();
    QList<int> ids;
    for (QAction* a : bar->actions())
        ids << a->data().toInt();
    QCOMPARE(ids, QList<int>({136, 32814, 32801}));
    QCOMPARE(bar->action(136)->toolTip(), QStringLiteral("Select"));
    QCOMPARE(bar->action(136)->statusTip(), QStringLiteral("Select the file to be processed"));
    QCOMPARE(bar->action(32814)->toolTip(), QStringLiteral("Field Process"));
    QCOMPARE(bar->action(32801)->statusTip(), QStringLiteral("Calculate depth data"));
    QCOMPARE(bar->widgetForAction(bar->action(136))->size(), QSize(42, 42));

    const CFileViewToolBar chinese(PaneStrings(PaneStrings::Language::Chinese));
    QCOMPARE(chinese.action(136)->toolTip(), QStringLiteral("select"));
    QCOMPARE(chinese.action(32814)->statusTip(), QStringLiteral("process selected files"));
    QCOMPARE(chinese.action(32801)->toolTip(), QStringLiteral("Depth Data"));

    QSignalSpy commands(m_view.get(), &CFileView::commandTriggered);
    QTest::mouseClick(bar->widgetForAction(bar->action(32801)), Qt::LeftButton);
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.at(0).at(0).toInt(), cmd::ID_FILEVIEW_DEPTH);
}

void TestFileView::picturesCycleWithOneAndThree()
{
    makePictures({QStringLiteral("solo.bmp")});
    m_view->LoadPictures();
    QCOMPARE(m_view->picturePaths(), QStringList({QStringLiteral("Picture/solo.bmp")}));
    QCOMPARE(m_view->pictureLinks(), QStringList({QString::fromLatin1(CMyStatic::kProductPage)}));
    CMyStatic* picture = m_view->pictureControl();
    for (int i = 0; i < 3; ++i) {
        m_view->ShowNextPicture();
        QCOMPARE(m_view->pictureIndex(), 0);
        QCOMPARE(picture->linkParity(), 0);
        QCOMPARE(picture->picture().pixelColor(0, 0), QColor(Qt::red));
    }

    QDir(QStringLiteral("Picture")).removeRecursively();
    makePictures({QStringLiteral("a.bmp"), QStringLiteral("b.bmp"), QStringLiteral("c.bmp")});
    QSettings settings;
    const QString longLink = QStringLiteral("https://a.example/") + QString(120, QLatin1Char('x'));
    settings.setValue(QStringLiteral("SelvoSoftwareHttpLink/a"), longLink);
    settings.setValue(QStringLiteral("SelvoSoftwareHttpLink/b"), QStringLiteral("http://b.example/"));
    settings.sync();
    m_view->LoadPictures();
    QCOMPARE(m_view->pictureLinks().at(0), longLink.left(99));
    QCOMPARE(m_view->pictureLinks().at(2), QString::fromLatin1(CMyStatic::kProductPage));

    const QList<int> indexes = {1, 2, 0, 1};
    const QList<QColor> colours = {Qt::green, Qt::blue, Qt::red, Qt::green};
    for (int i = 0; i < indexes.size(); ++i) {
        m_view->ShowNextPicture();
        QCOMPARE(m_view->pictureIndex(), indexes[i]);
        QCOMPARE(picture->linkParity(), indexes[i] % 2);
        QCOMPARE(picture->link(), m_view->pictureLinks().at(indexes[i]));
        QCOMPARE(picture->picture().pixelColor(0, 0), colours[i]);
    }
    // A shorter list wraps at the next drawing.
    QDir(QStringLiteral("Picture")).removeRecursively();
    QDir().mkpath(QStringLiteral("Picture"));
    QImage tall(12, 36, QImage::Format_RGB32);
    tall.fill(Qt::red);
    QVERIFY(tall.save(QStringLiteral("Picture/z.bmp"), "BMP"));
    m_view->LoadPictures();
    QCOMPARE(m_view->pictureIndex(), 1);
    m_view->ShowNextPicture();
    QCOMPARE(m_view->pictureIndex(), 0);

    // Drawn in a black frame on white, scaled with its aspect ratio, at the top left.
    const QImage shown = picture->grab().toImage();
    QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(3, 3), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(picture->width() - 4, picture->height() / 2), QColor(Qt::white));
}

void TestFileView::pictureClickFallbacks()
{
    CMyStatic* picture = m_view->pictureControl();
    QTest::mouseClick(picture, Qt::LeftButton);  // nothing drawn yet: empty link, parity 0
    QCOMPARE(m_urls.urls, QList<QUrl>({QUrl(QString::fromLatin1(CMyStatic::kApplicationCasePage))}));

    makePictures({QStringLiteral("a.bmp"), QStringLiteral("b.bmp"), QStringLiteral("c.bmp")});
    QSettings settings;
    settings.setValue(QStringLiteral("SelvoSoftwareHttpLink/a"), QStringLiteral("https://a.example/banner?id=1"));
    settings.setValue(QStringLiteral("SelvoSoftwareHttpLink/b"), QString());
    settings.setValue(QStringLiteral("SelvoSoftwareHttpLink/c"), QString());
    settings.sync();
    m_view->LoadPictures();
    m_urls.urls.clear();
    for (int i = 0; i < 3; ++i) {
        m_view->ShowNextPicture();  // b (odd, empty), c (even, empty), a (its link)
        QTest::mouseClick(picture, Qt::LeftButton);
    }
    QCOMPARE(m_urls.urls, QList<QUrl>({QUrl(QString::fromLatin1(CMyStatic::kProductPage)),
                                       QUrl(QString::fromLatin1(CMyStatic::kApplicationCasePage)),
                                       QUrl(QStringLiteral("https://a.example/banner?id=1"))}));

    m_urls.urls.clear();
    for (const char* link : {"file:///etc/passwd", "javascript:alert(1)", "www.example.com", "http://"}) {
        picture->setLink(1, QString::fromLatin1(link));
        QVERIFY(!picture->OnClicked());
    }
    QVERIFY(m_urls.urls.isEmpty());
}

void TestFileView::onlyRepaintsOfThePaneAdvanceThePicture()
{
    makePictures({QStringLiteral("a.bmp"), QStringLiteral("b.bmp"), QStringLiteral("c.bmp")});
    m_view->LoadPictures();
    const int before = m_view->pictureIndex();
    m_view->tree()->viewport()->repaint();
    m_view->frequencySelector()->repaint();
    m_view->toolBar()->repaint();
    QCOMPARE(m_view->pictureIndex(), before);
    m_view->client()->repaint();
    QCOMPARE(m_view->pictureIndex(), (before + 1) % 3);
}

QTEST_MAIN(TestFileView)
#include "tst_fileview.moc"
