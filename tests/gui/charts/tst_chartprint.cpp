// Print, the circular graph's print preview, Save Picture and the charts'
// close question, offscreen; printed pages go to PDF files and are read back
// with pdfinfo and pdftoppm.

#include "chartsupport.h"

#include "app/pictureexportdialog.h"
#include "charts/circulargridpane.h"
#include "charts/cprintframe.h"
#include "graphs/circularprint.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImageReader>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>

using namespace vantrel;
using namespace vantrel::test;

namespace {

// A chart window holding `count` circular charts with readings.
CVantrelView* CircularWindow(Shell& s, int count)
{
    CChildFrame* window = s.frame->newChartWindow("circular");
    CVantrelView* view = chartViewOf(*window, *s.frame->router(), s.frame->prompter());
    view->drawGraph(Rings(count));
    return view;
}

// Answers the print dialog by printing to a PDF file, noting the page layout.
std::function<bool(QPrinter&)> PrintTo(const QString& path, QPageLayout* layout = nullptr)
{
    return [path, layout](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (layout)
            *layout = printer.pageLayout();
        return true;
    };
}

// The standard output of `program`, empty when it fails.
QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitCode() == 0 ? QString::fromLatin1(p.readAllStandardOutput())
                                                         : QString();
}

int PdfPages(const QString& path)
{
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(Run("pdfinfo", {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QImage PdfPage(const QString& path, int page, int dpi)
{
    const QString n = QString::number(page), out = path + "-page" + n;
    Run("pdftoppm", {"-f", n, "-l", n, "-r", QString::number(dpi), "-png", "-singlefile", path, out});
    return QImage(out + ".png").convertToFormat(QImage::Format_RGB32);
}

// The dark pixels within `rect`: how many, and their bounds.
std::pair<int, QRect> Ink(const QImage& image, const QRect& rect)
{
    std::pair<int, QRect> ink{0, {}};
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) < 200) {
                ++ink.first;
                ink.second |= QRect(x, y, 1, 1);
            }
    return ink;
}

// The printable area of the printer's page in pixels of a picture of the page
// at `dpi`.
QRectF PrintableArea(const QPageLayout& layout, int dpi)
{
    const QRectF points = layout.paintRect(QPageLayout::Point);
    return QRectF(points.topLeft() * (dpi / 72.0), points.size() * (dpi / 72.0));
}

QRect CellOnPicture(const QRectF& area, int key, int page)
{
    const auto cell = CircularPrintCell(key, page, area.width(), area.height(), 336, 336);
    return cell ? QRectF(area.x() + cell->x, area.y() + cell->y, cell->width, cell->height).toRect()
                : QRect();
}

void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class TestChartPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void profilePrintsOnOnePageAndSavesItsPicture()
    {
        Shell s;
        InTemporaryFolder folder;
        LoadSurvey(*s.frame);
        s.run(cmd::ID_VERTICAL_GRAPH);
        CVantrelView* view = ActiveView(s);
        QVERIFY(view && view->chart());
        view->resize(900, 900);

        // Cancelling the print dialog prints nothing.
        s.run(cmd::ID_PRINT_PICTURE);
        QCOMPARE(s.prompter.printRanges, (QList<std::pair<int, int>>{{1, 1}}));
        QVERIFY(!view->printFrame());

        const QString pdf = folder.dir.filePath("profile.pdf");
        QPageLayout layout;
        s.prompter.onPrint = PrintTo(pdf, &layout);
        s.run(cmd::ID_PRINT_PICTURE);
        QVERIFY(s.prompter.messages.isEmpty());
        QVERIFY(!view->printFrame());  // a profile opens no preview
        QCOMPARE(PdfPages(pdf), 1);

        // The chart fills the printable width, keeps its aspect and is
        // centred; nothing lies outside the printable area.
        const int dpi = 50;
        const QImage page = PdfPage(pdf, 1, dpi);
        QVERIFY(!page.isNull());
        const QRectF area = PrintableArea(layout, dpi);
        const QRect ink = Ink(page, page.rect()).second;
        const QSize chart = view->chart()->size();
        QVERIFY(area.adjusted(-2, -2, 2, 2).contains(ink));
        QVERIFY(std::abs(ink.width() - area.width()) <= 3);
        QVERIFY(std::abs(ink.width() / double(ink.height()) - chart.width() / double(chart.height())) < 0.02);
        QVERIFY(std::abs(ink.center().y() - area.center().y()) <= 3);

        // A printer that cannot be written says so.
        s.prompter.onPrint = PrintTo(folder.dir.filePath("no/such/folder/x.pdf"));
        s.run(cmd::ID_PRINT_PICTURE);
        QCOMPARE(s.prompter.messages, QStringList({"The graph could not be printed."}));

        // Save Picture: one that cannot be written is told, and nothing is
        // left behind.
        s.prompter.messages.clear();
        QTemporaryDir pictures;
        s.prompter.pictures << PictureChoice{true, pictures.filePath("gone/profile.png"), "png",
                                             QSize(300, 200)};
        s.run(cmd::ID_SAVE_PICTURE);
        QCOMPARE(s.prompter.messages.size(), 1);
        QVERIFY(s.prompter.messages[0].startsWith("The picture was not saved.\n"));
        QVERIFY(QDir(pictures.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

        // The type chosen names the file and is what is written, at the size
        // chosen; the dialog starts at the chart's size on screen.
        s.prompter.messages.clear();
        s.prompter.pictures << PictureChoice{true, pictures.filePath("profile"), "jpg", QSize(640, 480)};
        QVERIFY(s.run(cmd::ID_SAVE_PICTURE));
        QCOMPARE(s.prompter.pictureSizes, QList<QSize>(2, view->chart()->size()));
        QVERIFY(s.prompter.messages.isEmpty());
        QCOMPARE(QDir(pictures.path()).entryList(QDir::Files), QStringList({"profile.jpg"}));
        QImageReader reader(pictures.filePath("profile.jpg"));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(640, 480));
        QVERIFY(Ink(image, image.rect()).first > 1000);
    }

    void circularPreviewPrintsSixChartsAPage()
    {
        Shell s;
        InTemporaryFolder folder;
        CVantrelView* view = CircularWindow(s, 13);
        QGuiApplication::clipboard()->setText(QStringLiteral("copied before printing"));

        QVERIFY(s.run(cmd::ID_PRINT_PICTURE));
        QPointer<CPrintFrame> preview = view->printFrame();
        QVERIFY(preview && preview->isVisible() && (preview->windowState() & Qt::WindowMaximized));
        QCOMPARE(preview->windowTitle(), QString("Print Preview"));
        QCOMPARE(preview->preview()->pageCount(), 3);
        QVERIFY(!QApplication::activeModalWidget());

        // Print asks for pages 1 to 3 and closes the preview after the job.
        const QString pdf = folder.dir.filePath("circular.pdf");
        QPageLayout layout;
        s.prompter.onPrint = PrintTo(pdf, &layout);
        preview->toolAction(cmd::ID_PREVIEW_PRINT)->trigger();
        QCOMPARE(s.prompter.printRanges, (QList<std::pair<int, int>>{{1, 3}}));
        Settle();
        QVERIFY(!preview);
        QVERIFY(s.prompter.messages.isEmpty());
        QCOMPARE(PdfPages(pdf), 3);

        // Each page holds its own charts, two columns by three rows that fit
        // the page; where a later page's chart would fall the page is white.
        const int dpi = 40;
        const QRectF area = PrintableArea(layout, dpi);
        for (int p = 1; p <= 3; ++p) {
            const QImage page = PdfPage(pdf, p, dpi);
            QVERIFY(!page.isNull());
            for (int slot = 0; slot < kChartsPerPage; ++slot) {
                const int key = (p - 1) * kChartsPerPage + slot;
                const QRect cell = CellOnPicture(area, key, p);
                QVERIFY(cell.bottom() <= area.bottom() + 1);
                const int ink = Ink(page, cell.adjusted(3, 3, -3, -3)).first;
                QVERIFY2(key < 13 ? ink > 100 : ink == 0, qPrintable(QString::number(key)));
            }
            // Each chart fills its cell (its frame's dark edges are the top
            // and the left).
            const QRect cell = CellOnPicture(area, (p - 1) * kChartsPerPage, p);
            const QRect ink = Ink(page, cell).second;
            QVERIFY(std::abs(ink.left() - cell.left()) <= 2 && std::abs(ink.top() - cell.top()) <= 2 &&
                    ink.right() >= cell.right() - 6 && ink.bottom() >= cell.bottom() - 6);
        }

        // Nothing went through the clipboard.
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("copied before printing"));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    void previewClosesThreeWays_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close button") << "close";
        QTest::newRow("print button") << "print";
        QTest::newRow("close box") << "window";
    }

    void previewClosesThreeWays()
    {
        QFETCH(QString, how);
        Shell s;
        CVantrelView* view = CircularWindow(s, 7);
        CChildFrame* window = s.frame->activeChartWindow();
        s.run(cmd::ID_PRINT_PICTURE);
        QPointer<CPrintFrame> preview = view->printFrame();
        QVERIFY(preview);

        // The main window's commands still reach it.
        const bool statusShown = !s.frame->statusBar()->isHidden();
        s.action(cmd::ID_VIEW_STATUS_BAR)->trigger();
        QCOMPARE(!s.frame->statusBar()->isHidden(), !statusShown);
        s.action(cmd::ID_VIEW_STATUS_BAR)->trigger();
        // Print again brings the same preview forward.
        s.run(cmd::ID_PRINT_PICTURE);
        QCOMPARE(view->printFrame(), preview.data());

        if (how == "close")
            preview->toolAction(cmd::ID_PREVIEW_CLOSE)->trigger();
        else if (how == "print")
            preview->toolAction(cmd::ID_PREVIEW_PRINT)->trigger();  // the print dialog is cancelled
        else
            QVERIFY(preview->close());
        Settle();
        QVERIFY(!preview);
        QCOMPARE(s.prompter.printRanges.size(), how == "print" ? 1 : 0);
        QVERIFY(s.prompter.messages.isEmpty());
        // Nothing lost: the window, its view and its charts are all there.
        QVERIFY(s.frame->chartWindows().contains(window));
        QCOMPARE(window->view(), view);
        QCOMPARE(qobject_cast<CircularGridPane*>(view->pane())->count(), 7);
        QVERIFY(!window->isHidden());
        QCOMPARE(CVantrelApp::instance()->mainFrame(), s.frame);
        // A new preview can be opened, and it goes with its window.
        s.run(cmd::ID_PRINT_PICTURE);
        preview = view->printFrame();
        QVERIFY(preview);
        delete window;
        Settle();
        QVERIFY(!preview);
    }

    void printAndSavePictureNeedAChart()
    {
        // No window (the main frame says so); a circular graph without a
        // chart and a window never drawn stay silent.
        Shell s;
        QVERIFY(s.run(cmd::ID_PRINT_PICTURE));
        QVERIFY(s.run(cmd::ID_SAVE_PICTURE));
        CircularWindow(s, 0);
        s.run(cmd::ID_PRINT_PICTURE);
        s.run(cmd::ID_SAVE_PICTURE);
        s.frame->newChartWindow("empty");
        s.run(cmd::ID_PRINT_PICTURE);
        s.run(cmd::ID_SAVE_PICTURE);
        QCOMPARE(s.prompter.messages, QStringList(1, "There is no picture to print at the current window!"));
        QVERIFY(s.prompter.printRanges.isEmpty() && s.prompter.pictureSizes.isEmpty());
        QVERIFY(s.prompter.questions.isEmpty());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<CPrintFrame*>(w));
    }

    void mainFrameCloseAsksForEachProfileWindow_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void mainFrameCloseAsksForEachProfileWindow()
    {
        QFETCH(bool, ok);
        Shell s;
        InTemporaryFolder folder;
        LoadSurvey(*s.frame);
        s.run(cmd::ID_VERTICAL_GRAPH);
        s.run(cmd::ID_ROUND_GRAPH);
        s.frame->newChartWindow("empty");

        // Closing one chart window alone asks nothing.
        CChildFrame* extra = s.frame->newChartWindow("extra");
        QVERIFY(extra->close());
        QVERIFY(s.prompter.questions.isEmpty());

        // The depth data question, then one question for the profile and one
        // for the window without a graph; the circular graph asks nothing.
        s.prompter.answers = {false, ok, ok};
        s.prompter.pictures << PictureChoice{true, folder.dir.filePath("vertical"), "png", QSize(400, 300)};
        QVERIFY(s.frame->close());
        QCOMPARE(
            s.prompter.questions,
            QStringList({"Please save deep data!", "Please save graph data!", "Please save graph data!"}));
        // Only the profile has a picture to offer.
        QCOMPARE(s.prompter.pictureSizes.size(), ok ? 1 : 0);
        QCOMPARE(QFileInfo::exists(folder.dir.filePath("vertical.png")), ok);
        QTRY_VERIFY(s.frame->chartWindows().isEmpty());
    }

    void exportDialogNamesAndSizesThePicture()
    {
        QTemporaryDir dir;
        PictureExportDialog dialog(QSize(600, 300));
        // Proportions are kept unless the box is cleared.
        dialog.widthBox()->setValue(1200);
        QCOMPARE(dialog.heightBox()->value(), 600);
        dialog.keepAspectBox()->setChecked(false);
        dialog.heightBox()->setValue(1000);
        QCOMPARE(dialog.widthBox()->value(), 1200);

        // The name follows the type; a name without an extension gets one.
        dialog.fileEdit()->setText(dir.filePath("graph.png"));
        dialog.formatBox()->setCurrentIndex(dialog.formatBox()->findData("svg"));
        QCOMPARE(dialog.fileEdit()->text(), dir.filePath("graph.svg"));
        dialog.fileEdit()->setText(dir.filePath("graph"));
        QCOMPARE(dialog.choice().path, dir.filePath("graph.svg"));

        // An existing file is replaced only when the user agrees.
        QFile existing(dir.filePath("graph.svg"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QStringList asked;
        bool replace = false;
        dialog.setReplaceQuestion([&](const QString& path) {
            asked << path;
            return replace;
        });
        dialog.accept();
        QCOMPARE(asked, QStringList({dir.filePath("graph.svg")}));
        QVERIFY(!dialog.choice().accepted);
        replace = true;
        dialog.accept();
        const PictureChoice c = dialog.choice();
        QVERIFY(c.accepted);
        QCOMPARE(c.format, QString("svg"));
        QCOMPARE(c.size, QSize(1200, 1000));
    }
};

VANTREL_GUI_TEST_MAIN(TestChartPrint, "chartprint")
#include "tst_chartprint.moc"
