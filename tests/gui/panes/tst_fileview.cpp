// The file view pane through its real widgets: the tree over a loaded file,
// check boxes by mouse, the selector, the layout, the context menu, the
// toolbar and the picture control.

#include "testsupport.h"

#include "common/commandids.h"
#include "datafile/datafilereader.h"
#include "panes/cfileview.h"
#include "panes/cfileviewtoolbar.h"
#include "panes/cmystatic.h"
#include "common/surveynotifier.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace vantrel;
using test::checked;
using test::clickCheckBox;

class TestFileView : public QObject {
    Q_OBJECT

    std::unique_ptr<test::InTemporaryFolder> m_folder;
    std::unique_ptr<SurveyNotifier> m_notifier;
    Survey* m_survey = nullptr;
    std::unique_ptr<CFileView> m_view;
    QList<QUrl> m_opened;

    void load()
    {
        m_notifier->beginReset();
        QCOMPARE(m_view->model()->rowCount(), 0);
        DataFileReader reader(m_survey->m_frame, m_survey->m_tables, m_survey->m_tree);
        const ReadResult result = reader.ReadFile(test::fixture("alternating.dat").toStdString());
        m_notifier->endReset();
        QVERIFY(result.Ok());
    }

    /// Every item of the tree in order, as "text #id".
    QStringList treeItems() const
    {
        const FileTreeModel* m = m_view->model();
        QStringList items;
        for (int f = 0; f < m->rowCount(); ++f)
            for (int r = -1; r < m->rowCount(m->index(f, 0)); ++r) {
                const QModelIndex i = r < 0 ? m->index(f, 0) : m->index(r, 0, m->index(f, 0));
                items << i.data().toString() + " #" + i.data(FileTreeModel::ItemDataRole).toString();
            }
        return items;
    }

    /// Pictures of one colour each (red, green, blue, ...) in a fresh "Picture" folder.
    static void makePictures(const QStringList& names, QSize size = QSize(36, 24))
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

    static void setLinks(const QList<std::pair<QString, QString>>& links)
    {
        QSettings settings;
        for (const auto& [picture, link] : links)
            settings.setValue(QStringLiteral("SelvoSoftwareHttpLink/") + picture, link);
    }

private Q_SLOTS:

    void init()
    {
        m_folder = std::make_unique<test::InTemporaryFolder>();
        QSettings().remove(QStringLiteral("SelvoSoftwareHttpLink"));
        m_opened.clear();
        m_notifier = std::make_unique<SurveyNotifier>();
        m_survey = &m_notifier->survey();
        m_view = std::make_unique<CFileView>(*m_notifier);
        m_view->pictureControl()->setUrlOpener([this](const QUrl& url) {
            m_opened << url;
            return true;
        });
        m_view->resize(260, 720);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void cleanup()
    {
        m_view.reset();
        m_notifier.reset();
        m_folder.reset();
    }

    void treeAndSelectorOverALoadedFile()
    {
        QCOMPARE(m_view->currentFrequency(), -1);
        load();
        FileTreeModel* m = m_view->model();
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
        QVERIFY(!m_view->tree()->isExpanded(file1));

        // The selector lists the frequencies; each addition selects the first entry.
        QComboBox* selector = m_view->frequencySelector();
        QCOMPARE(selector->count(), 2);
        QCOMPARE(selector->currentText(), QStringLiteral("1000HZ"));
        QCOMPARE(selector->itemText(1), QStringLiteral("500HZ"));
        QCOMPARE(m_view->currentFrequency(), 0);
        selector->setCurrentIndex(1);
        QCOMPARE(m_survey->m_tree.CurrentFrequency(), 1);
        m_view->AddFrequency(QStringLiteral("10HZ"));
        QCOMPARE(selector->count(), 3);
        QCOMPARE(m_view->currentFrequency(), 0);
        const QFont menu = QApplication::font("QMenu");
        QCOMPARE(selector->font().pointSizeF(), menu.pointSizeF());
        QCOMPARE(selector->font().weight(), menu.weight());

        // Rows added later reach the view without a reset.
        QSignalSpy inserted(m, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(m, &QAbstractItemModel::modelReset);
        m_view->AddRowItem(2, "20990101", 10, "INCREMENT", 3, "MODE");
        m_view->AddRowItem(4, "20180420", 0, "INCREMENT", 1, "MODE");
        QCOMPARE(inserted.count(), 2);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(
            treeItems(),
            loaded +
                QStringList({"INCREMENT=10 MODE=3 #6", "File: 4 (20180420) #4", "INCREMENT= 0 MODE=1 #7"}));
        m_view->ClearTree();  // row ids start again
        QCOMPARE(selector->count(), 0);
        m_view->AddRowItem(5, "X", 0, "INCREMENT", 1, "MODE");
        QCOMPARE(treeItems(), QStringList({"File: 5 (X) #5", "INCREMENT= 0 MODE=1 #1"}));
    }

    void mouseOnTheTree()
    {
        load();
        CViewTree* tree = m_view->tree();
        FileTreeModel* m = m_view->model();
        tree->expandAll();
        const QModelIndex file1 = m->index(0, 0);
        auto row = [&](int r) { return m->index(r, 0, file1); };
        auto rowsChecked = [&] { return QList<bool>{checked(row(0)), checked(row(1)), checked(row(2))}; };

        QVERIFY(clickCheckBox(tree, file1));
        QVERIFY(checked(file1));
        QCOMPARE(rowsChecked(), QList<bool>({true, true, true}));
        QVERIFY(!checked(m->index(0, 0, m->index(1, 0))));
        QVERIFY(clickCheckBox(tree, row(1)));  // unchecking any row unchecks the file
        QVERIFY(!checked(row(1)) && !checked(file1));
        QVERIFY(clickCheckBox(tree, row(1)));  // the last unchecked row checks it again
        QVERIFY(checked(row(1)) && checked(file1));
        QVERIFY(clickCheckBox(tree, file1));
        QCOMPARE(rowsChecked(), QList<bool>({false, false, false}));

        // A click on the text selects the item and leaves its box alone.
        const QRect text = tree->visualRect(row(0));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(text.right() - 4, text.center().y()));
        QVERIFY(!checked(row(0)));
        QCOMPARE(tree->currentIndex(), row(0));

        // Checking every row one by one checks the file item.
        for (int r = 0; r < 3; ++r)
            QVERIFY(clickCheckBox(tree, row(r)));
        QVERIFY(checked(file1));
        QCOMPARE(m_survey->m_tree.CheckedRowIds(), std::vector<int>({1, 3, 5}));

        // The context menu selects the item under the pointer.
        const QPoint at = tree->visualRect(row(1)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree->viewport(), &event);
        QCOMPARE(tree->currentIndex(), row(1));
        QMenu* menu = m_view->contextMenu();
        QTRY_VERIFY(menu->isVisible());

        QCOMPARE(
            test::entries(menu).first,
            QList<int>({cmd::ID_SELECT_DATA, cmd::ID_OPEN_WITH, 0, cmd::ID_DUMMY_COMPILE, 0, cmd::ID_EDIT_CUT,
                        cmd::ID_EDIT_COPY, cmd::ID_EDIT_CLEAR, 0, cmd::ID_PROPERTIES}));
        QCOMPARE(menu->actions().last()->text(), QStringLiteral("属性(&P)..."));
        menu->close();

        // What the frame hands to the command router: the toolbar's and the menu's commands.
        QList<int> ids;
        for (const QAction* a : m_view->commandActions())
            ids << a->data().toInt();
        QCOMPARE(ids,
                 QList<int>({cmd::ID_SELECT_DATA, cmd::ID_FILEVIEW_PROCESS_SELECTED, cmd::ID_FILEVIEW_DEPTH,
                             cmd::ID_SELECT_DATA, cmd::ID_OPEN_WITH, cmd::ID_DUMMY_COMPILE, cmd::ID_EDIT_CUT,
                             cmd::ID_EDIT_COPY, cmd::ID_EDIT_CLEAR, cmd::ID_PROPERTIES}));
    }

    void layoutFollowsTheWidgetsHeights()
    {
        m_view->resize(301, 650);
        QApplication::processEvents();
        const int ht = m_view->toolBar()->sizeHint().height();
        const CFileView::Layout real = CFileView::layoutFor(m_view->client()->size(), ht,
                                                            m_view->frequencySelector()->sizeHint().height());
        QCOMPARE(m_view->toolBar()->geometry(), real.toolBar);
        QCOMPARE(m_view->frequencySelector()->geometry(), real.selector);
        QCOMPARE(m_view->pictureControl()->geometry(), real.picture);
        QCOMPARE(m_view->tree()->geometry(), real.tree);
    }

    void toolBarCommandsAndTips()
    {
        CFileViewToolBar* bar = m_view->toolBar();
        QCOMPARE(
            test::entries(bar).first,
            QList<int>({cmd::ID_SELECT_DATA, cmd::ID_FILEVIEW_PROCESS_SELECTED, cmd::ID_FILEVIEW_DEPTH}));
        QCOMPARE(bar->action(cmd::ID_SELECT_DATA)->toolTip(), QStringLiteral("Select"));
        QCOMPARE(bar->action(cmd::ID_SELECT_DATA)->statusTip(),
                 QStringLiteral("Select the file to be processed"));
        QCOMPARE(bar->action(cmd::ID_FILEVIEW_PROCESS_SELECTED)->toolTip(), QStringLiteral("Field Process"));
        QCOMPARE(bar->action(cmd::ID_FILEVIEW_DEPTH)->statusTip(), QStringLiteral("Calculate depth data"));
        {
            const test::InLanguage language(Translations::Language::Chinese);
            const CFileViewToolBar chinese;
            QCOMPARE(chinese.action(cmd::ID_SELECT_DATA)->toolTip(), QStringLiteral("select"));
            QCOMPARE(chinese.action(cmd::ID_FILEVIEW_PROCESS_SELECTED)->statusTip(),
                     QStringLiteral("process selected files"));
            QCOMPARE(chinese.action(cmd::ID_FILEVIEW_DEPTH)->toolTip(), QStringLiteral("Depth Data"));
        }
    }

    void picturesCycleWithOneAndThree()
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

        makePictures({"a.bmp", "b.bmp", "c.bmp"});
        const QString longLink = QStringLiteral("https://a.example/") + QString(120, QLatin1Char('x'));
        setLinks({{"a", longLink}, {"b", "http://b.example/"}});
        m_view->LoadPictures();
        QCOMPARE(m_view->pictureLinks(),
                 QStringList({longLink.left(99), QStringLiteral("http://b.example/"),
                              QString::fromLatin1(CMyStatic::kProductPage)}));
        const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue};
        for (int expected : {1, 2, 0, 1}) {
            m_view->ShowNextPicture();
            QCOMPARE(m_view->pictureIndex(), expected);
            QCOMPARE(picture->linkParity(), expected % 2);
            QCOMPARE(picture->link(), m_view->pictureLinks().at(expected));
            QCOMPARE(picture->picture().pixelColor(0, 0), colours[expected]);
        }
        // A shorter list wraps at the next drawing.
        makePictures({QStringLiteral("z.bmp")}, QSize(12, 36));
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

    void pictureClickFallbacks()
    {
        CMyStatic* picture = m_view->pictureControl();
        QTest::mouseClick(picture, Qt::LeftButton);  // nothing drawn yet: empty link, parity 0
        QCOMPARE(m_opened, QList<QUrl>({QUrl(QString::fromLatin1(CMyStatic::kApplicationCasePage))}));

        makePictures({"a.bmp", "b.bmp", "c.bmp"});
        setLinks({{"a", "https://a.example/banner?id=1"}, {"b", ""}, {"c", ""}});
        m_view->LoadPictures();
        m_opened.clear();
        for (int i = 0; i < 3; ++i) {
            m_view->ShowNextPicture();  // b (odd, empty), c (even, empty), a (its link)
            QTest::mouseClick(picture, Qt::LeftButton);
        }
        QCOMPARE(m_opened,
                 QList<QUrl>({QUrl(QString::fromLatin1(CMyStatic::kProductPage)),
                              QUrl(QString::fromLatin1(CMyStatic::kApplicationCasePage)),
                              QUrl(QStringLiteral("https://a.example/banner?id=1"))}));

        m_opened.clear();
        for (const char* link : {"file:///etc/passwd", "javascript:alert(1)", "www.example.com", "http://"}) {
            picture->setLink(1, QString::fromLatin1(link));
            QVERIFY2(!picture->OnClicked(), link);
        }
        QVERIFY(m_opened.isEmpty());
    }

    void onlyRepaintsOfThePaneAdvanceThePicture()
    {
        makePictures({"a.bmp", "b.bmp", "c.bmp"});
        m_view->LoadPictures();
        const int before = m_view->pictureIndex();
        m_view->tree()->viewport()->repaint();
        m_view->frequencySelector()->repaint();
        m_view->toolBar()->repaint();
        QCOMPARE(m_view->pictureIndex(), before);
        m_view->client()->repaint();
        QCOMPARE(m_view->pictureIndex(), (before + 1) % 3);
    }
};

VANTREL_GUI_TEST_MAIN(TestFileView, "fileview")
#include "tst_fileview.moc"
