// The chart layer, the chart windows and the graph commands, offscreen.

#include "app/cchildframe.h"
#include "common/commandids.h"
#include "charts/cdialog_pm.h"
#include "charts/cdialog_pmpm.h"
#include "charts/chartcontrol.h"
#include "charts/charteditor.h"
#include "charts/chartpicture.h"
#include "charts/cvantrelview.h"
#include "charts/bandlayout.h"
#include "charts/bandticker.h"
#include "charts/polarseries.h"
#include "charts/seriesregion.h"
#include "datafile/datafilereader.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QWheelEvent>

using namespace vantrel;
using namespace vantrel::test;

namespace {

// Loads the example file into the frame's survey and chooses every row, as
// File Open and Choose Data would; with `depth` the depth table too.
void LoadExample(CMainFrame& frame, bool depth)
{
    Survey& s = frame.survey();
    const std::string path = VANTREL_EXAMPLES "/line1.dat";
    s.m_frame.BeginFileOpen();
    s.m_frame.SetDataPath(path, FrameState::AllFilter);
    DataFileReader reader(s.m_frame, s.m_tables, s.m_tree);
    QVERIFY(reader.ReadFile(path).Ok());
    for (std::size_t f = 0; f < s.m_tree.Files().size(); ++f)
        s.m_tree.ClickFileCheckBox(static_cast<int>(f));
    SelectData(s.m_tree, s.m_tables, s.m_frame);
    if (depth)
        CalculateDepth(s.m_tables);
    s.m_tree.SetCurrentFrequency(0);
}

QColor PixelAt(const QImage& image, double x, double y)
{
    return image.pixelColor(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

}  // namespace

class TestCharts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void chartNumbersItsPartsAndIgnoresMissingOnes()
    {
        ChartControl chart;
        QCOMPARE(chart.addSeries(), 0);
        QCOMPARE(chart.addSeries(), 1);
        QCOMPARE(chart.addCustomAxis(), 0);
        QCOMPARE(chart.addCustomAxis(), 1);
        chart.setSeriesAxis(1, 1);
        QCOMPARE(chart.seriesAxis(1), 1);
        QCOMPARE(chart.seriesAxis(0), -1);

        // Tools of both kinds share one numbering.
        RegionStyle style;
        style.series = 1;
        QCOMPARE(chart.addRegionTool(style), 0);
        QCOMPARE(chart.addBannerTool("4700Hz"), 1);
        QVERIFY(chart.regionTool(0));
        QVERIFY(!chart.regionTool(1));
        QVERIFY(chart.bannerTool(1));
        QCOMPARE(chart.regionTool(0)->series(), chart.seriesGraph(1));

        // Calls on a series, axis or tool that is not there change nothing.
        for (int missing : {-1, 2, 99}) {
            chart.addPoint(missing, 1, 2);
            chart.setSeriesColour(missing, Qt::blue);
            chart.setSeriesAxis(missing, 0);
            chart.setSeriesAxis(0, missing);
            chart.setAxisMinMax(missing, 5, 6);
            chart.setAxisTitle(missing, "x");
            chart.setAxisStartPosition(missing, 10);
            chart.setBannerText(missing, "x");
            QCOMPARE(chart.pointCount(missing), 0);
            QVERIFY(!chart.customAxis(missing));
        }
        chart.setBannerText(0, "not a banner");
        QCOMPARE(chart.seriesCount(), 2);
        QCOMPARE(chart.customAxisCount(), 2);
        QCOMPARE(chart.toolCount(), 2);
        QCOMPARE(chart.seriesAxis(0), -1);
        QCOMPARE(chart.bannerTool(1)->text(), QString("4700Hz"));

        // Start and end positions may come in either order; the band follows.
        chart.setAxisEndPosition(0, 40);
        chart.setAxisStartPosition(0, 20);
        QCOMPARE(chart.axisStartPosition(0), 20.0);
        QCOMPARE(chart.axisEndPosition(0), 40.0);
    }

    void stackedBandsAndCurveSettings()
    {
        CDialog_PMPM dialog;
        dialog.StackAxes(0);
        QCOMPARE(dialog.chart()->customAxisCount(), 0);
        dialog.StackAxes(4);
        ChartControl* chart = dialog.chart();
        QCOMPARE(chart->seriesCount(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(chart->axisStartPosition(i), i * 25.0);
            QCOMPARE(chart->axisEndPosition(i), (i + 1) * 25.0);
            QCOMPARE(chart->seriesAxis(i), i);
            QCOMPARE(chart->seriesColour(i), QColor(0x7C, 0x7C, 0x7C));
            QCOMPARE(chart->customAxis(i)->range(), QCPRange(0, 1));
        }

        // Height 0 hides the axis title, -0.5 gives "0", a curve with no points
        // still scales its axis and adds no region.
        const float x[] = {0, 1, 2, 3, 4};
        const float y[] = {1, 1, 5, 1, 1};
        dialog.DrawProfileCurve(0, 0.0f, x, y, 0.3f);
        dialog.DrawProfileCurve(1, -0.5f, x, y, 0.3f);
        dialog.DrawProfileCurve(2, -15.6f, {}, {}, 0.3f);
        QVERIFY(!chart->axisTitleVisible(0));
        QVERIFY(chart->axisTitleVisible(1));
        QCOMPARE(chart->axisTitle(1), QString("0"));
        QCOMPARE(chart->axisTitle(2), QString("-15"));
        QCOMPARE(chart->pointCount(2), 0);
        QVERIFY(chart->axisAutomatic(2));
        QCOMPARE(chart->toolCount(), 6);  // three regions per curve with points

        // The regions in the order they come, in their colours.
        const SeriesRegion* low = chart->regionTool(0);
        const SeriesRegion* high = chart->regionTool(1);
        const SeriesRegion* lowLast = chart->regionTool(2);
        QVERIFY(low && high && lowLast);
        QCOMPARE(high->gradientEnd, QColor(Qt::red));
        QCOMPARE(low->gradientEnd, QColor(Qt::blue));
        QCOMPARE(low->fillColour, QColor(Qt::blue));
        QCOMPARE(lowLast->upperX, 4.0);
        QVERIFY(std::abs(high->lowerX - 1.335) < 1e-3 && std::abs(high->upperX - 2.665) < 1e-3);
        QVERIFY(std::abs(high->originLevel - 2.34) < 1e-5);
        QVERIFY(std::abs(low->originLevel - 1.26) < 1e-5);
    }

    void renderedProfileShadesWhereTheDataSays()
    {
        CDialog_PMPM dialog;
        dialog.resize(500, 400);
        dialog.chart()->resize(500, 400);
        dialog.StackAxes(1);
        const float x[] = {0, 1, 2, 3, 4};
        const float y[] = {1, 1, 5, 1, 1};
        dialog.DrawProfileCurve(0, -20.0f, x, y, 0.3f);
        ChartControl* chart = dialog.chart();
        QImage image(500, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QCPPainter painter(&image);
            chart->render(&painter, image.size());
        }
        QCPAxis* xAxis = chart->seriesGraph(0)->keyAxis();
        QCPAxis* yAxis = chart->seriesGraph(0)->valueAxis();
        const auto at = [&](double px, double py) {
            return PixelAt(image, xAxis->coordToPixel(px), yAxis->coordToPixel(py));
        };

        // Between the high level 2.34 and the peak at x = 2: red.
        const QColor high = at(2, 4.2);
        QVERIFY2(high.red() > high.blue() + 80 && high.red() > high.green() + 80, qPrintable(high.name()));
        // Between the curve (1) and the low level 1.26 near both ends: blue.
        for (double px : {0.4, 3.8}) {
            const QColor low = at(px, 1.15);
            QVERIFY2(low.blue() > low.red() + 60, qPrintable(low.name()));
        }
        // Under the peak below the high level, and above the low level where the
        // curve is low: nothing shaded.
        for (const auto& [px, py] : {std::pair{2.0, 1.6}, std::pair{3.5, 2.0}, std::pair{0.5, 3.0}})
            QCOMPARE(at(px, py), QColor(Qt::white));
        // The x range is the data's, the bottom axis hidden at first.
        QCOMPARE(chart->xRange(), QCPRange(0, 4));
        QVERIFY(!xAxis->visible());
    }

    void bandsAndTheirTicks()
    {
        // Bands are counted from the top and may come in either order.
        ChartControl chart;
        chart.resize(400, 300);
        for (int i = 0; i < 3; ++i)
            chart.addCustomAxis();
        chart.setAxisStartPosition(0, 0);
        chart.setAxisEndPosition(0, 50);
        chart.setAxisStartPosition(1, 100);
        chart.setAxisEndPosition(1, 50);
        chart.setAxisStartPosition(2, -20);  // clamped to the plot
        chart.setAxisEndPosition(2, 10);
        QImage image(400, 300, QImage::Format_RGB32);
        {
            QCPPainter painter(&image);
            chart.render(&painter, image.size());
        }
        const QRect top = chart.customAxis(0)->axisRect()->outerRect();
        const QRect bottom = chart.customAxis(1)->axisRect()->outerRect();
        const QRect clamped = chart.customAxis(2)->axisRect()->outerRect();
        QCOMPARE(top.top(), 0);
        QCOMPARE(top.bottom() + 1, bottom.top());
        QCOMPARE(bottom.bottom(), 299);
        QCOMPARE(clamped.top(), 0);
        QCOMPARE(clamped.height(), 30);

        // Tick values stay in the middle of the range, at least one of them.
        struct Probe : BandTicker {
            using BandTicker::createTickVector;
        } ticker;
        for (const QCPRange& range : {QCPRange(0, 100), QCPRange(9.7, 10.3), QCPRange(-1e-3, 2e-3)}) {
            const QVector<double> ticks = ticker.createTickVector(range.size() / 4, range);
            QVERIFY(!ticks.isEmpty());
            for (double t : ticks)
                QVERIFY2(t >= range.lower + range.size() * 0.2 - 1e-12 &&
                             t <= range.upper - range.size() * 0.2 + 1e-12,
                         qPrintable(QString::number(t)));
        }
    }

    void polarScaleLeavesRoomForTheMarks()
    {
        CDialog_PM dialog;
        dialog.DrawCircularChart({2, 4, 1, 8, 2, 4, 1, 8}, "x");
        PolarSeries* polar = dialog.chart()->polarSeries(0);
        QVERIFY(polar->radialMaximum() >= 8 * 1.15);
        QVERIFY(polar->radialMaximum() <= 12);
        // Zooming in shrinks the scale; a reset brings it back.
        QWheelEvent wheel(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        const double before = polar->radialMaximum();
        QApplication::sendEvent(dialog.chart(), &wheel);
        QVERIFY(polar->radialMaximum() < before);
        dialog.chart()->resetView();
        QCOMPARE(polar->radialMaximum(), before);
    }

    void picturesKeepAnOldFileOnFailure()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath("kept.png");
        {
            QFile f(kept);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        const auto paint = [](QCPPainter*) {};
        QVERIFY(
            WritePicture(dir.filePath("kept.gif"), QSize(10, 10), paint).contains("Unknown picture type"));
        QVERIFY(WritePicture(kept, QSize(0, 10), paint).contains("empty"));
        QCOMPARE(contents(kept), QByteArray("old"));
        QVERIFY(WritePicture(kept, QSize(10, 10), paint).isEmpty());
        QCOMPARE(QImage(kept).size(), QSize(10, 10));
        QCOMPARE(PictureFormatOf("a.JPEG"), QString("jpg"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.png"}));
    }

    void circularChartPutsItsPointsRound()
    {
        CDialog_PM dialog;
        ChartControl* chart = dialog.chart();
        QCOMPARE(chart->bannerTool(0)->text(), QString("4700Hz"));
        QVERIFY(dialog.DrawCircularChart({2, 4, 1, 8, 2, 4, 1, 8}, QString::fromUtf8("1000.0Hz\nβ=8.00")));
        const auto& points = chart->polarSeries(0)->points();
        QCOMPARE(points.size(), std::size_t(8));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(points[static_cast<std::size_t>(i)].angle, 45.0 * i);
        QCOMPARE(points[3].value, 8.0);
        QCOMPARE(chart->bannerTool(0)->text(), QString::fromUtf8("1000.0Hz\nβ=8.00"));
        QCOMPARE(chart->seriesColour(0), QColor(Qt::red));
        QCOMPARE(MarkText(2.5), QString("2.5"));
        QCOMPARE(MarkText(-0.0001), QString("0"));
    }

    void contextMenusAndEditPopup()
    {
        const auto items = [](QMenu* menu) {
            QStringList list;
            for (QAction* a : menu->actions())
                list << QStringLiteral("%1 %2 %3")
                            .arg(a->data().toInt())
                            .arg(a->text(), a->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"));
            delete menu;
            return list;
        };
        CDialog_PM circular;
        QCOMPARE(items(circular.createContextMenu(nullptr)),
                 QStringList({QString::fromUtf8("32790 重命名 off"), QString::fromUtf8("32775 属性 on")}));
        CDialog_PMPM profile;
        QCOMPARE(items(profile.createContextMenu(nullptr)),
                 QStringList({QString::fromUtf8("32783 属性 on")}));
        CVantrelView view;
        QCOMPARE(items(view.createEditMenu(nullptr)),
                 QStringList({QString::fromUtf8("57635 剪切(&T)\tCtrl+X off"),
                              QString::fromUtf8("57634 复制(&C)\tCtrl+C off"),
                              QString::fromUtf8("57637 粘贴(&P)\tCtrl+V off")}));
    }

    void viewLaysOutItsCharts()
    {
        CVantrelView circular;
        circular.SetUpGraph(GraphKind::Circular, 7, QString());
        QCOMPARE(circular.circularCount(), 7);
        const QList<QPoint> corners = {{0, 0},     {336, 0},   {672, 0}, {0, 336},
                                       {336, 336}, {672, 336}, {0, 672}};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(circular.circularDialog(i)->geometry(), QRect(corners[i], QSize(336, 336)));
        }
        QCOMPARE(circular.widget()->size(), QSize(1008, 1009));
        // Set up once: a second call changes nothing.
        circular.SetUpGraph(GraphKind::Vertical, 3, QString());
        QCOMPARE(circular.graphKind(), GraphKind::Circular);
        QVERIFY(!circular.profileDialog());

        CVantrelView none;
        none.SetUpGraph(GraphKind::Vertical, 0, QStringLiteral("t"));
        QCOMPARE(none.graphKind(), GraphKind::Vertical);
        QVERIFY(!none.profileDialog());
        none.resize(400, 300);  // nothing to resize, nothing breaks

        CVantrelView profile;
        profile.resize(600, 400);
        profile.SetUpGraph(GraphKind::Plane, 2, QStringLiteral("16HZ Plane Profile Graph"));
        QVERIFY(profile.profileDialog());
        QCOMPARE(profile.profileDialog()->chart()->title(), QStringLiteral("16HZ Plane Profile Graph"));
        profile.show();
        profile.resize(700, 500);
        QTRY_COMPARE(profile.profileDialog()->size(), profile.viewport()->size());
    }

    void zoomPanAndResetMoveAllBandsTogether()
    {
        CDialog_PMPM dialog;
        dialog.resize(600, 400);
        dialog.StackAxes(2);
        const float x[] = {0, 10, 20, 30, 40};
        const float y[] = {1, 2, 3, 2, 1};
        dialog.DrawProfileCurve(0, -10, x, y, 0.3f);
        dialog.DrawProfileCurve(1, -20, x, y, 0.3f);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        ChartControl* chart = dialog.chart();
        chart->replot();
        QVERIFY(chart->isHomeView());
        QCPAxisRect* band = chart->seriesGraph(0)->keyAxis()->axisRect();
        const QPointF middle = band->rect().center();

        QWheelEvent wheel(middle, chart->mapToGlobal(middle), QPoint(), QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(chart, &wheel);
        const QCPRange zoomed = chart->xRange();
        QVERIFY(zoomed.size() < 40);
        QCOMPARE(chart->seriesGraph(1)->keyAxis()->range(), zoomed);
        QVERIFY(!chart->isHomeView());

        QTest::mousePress(chart, Qt::LeftButton, {}, middle.toPoint());
        QTest::mouseMove(chart, middle.toPoint() + QPoint(50, 0));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, middle.toPoint() + QPoint(50, 0));
        QVERIFY(chart->xRange().lower < zoomed.lower);
        QCOMPARE(chart->seriesGraph(1)->keyAxis()->range(), chart->xRange());

        QTest::mouseDClick(chart, Qt::LeftButton, {}, middle.toPoint());
        QCOMPARE(chart->xRange(), QCPRange(0, 40));
        QVERIFY(chart->isHomeView());

        // The pointer text names x, the band and the curve's reading there.
        const QPoint at(static_cast<int>(chart->seriesGraph(0)->keyAxis()->coordToPixel(15)),
                        static_cast<int>(middle.y()));
        const QString text = chart->pointerText(at);
        QVERIFY2(QRegularExpression(QStringLiteral("^x=1[45](\\.\\d+)?  height=-10  reading=2\\.\\d+$"))
                     .match(text)
                     .hasMatch(),
                 qPrintable(text));
        QVERIFY(chart->pointerText(QPoint(-5, -5)).isEmpty());
    }

    void editorAppliesLiveAndCancelPutsBack()
    {
        CDialog_PMPM dialog;
        dialog.StackAxes(2);
        const float x[] = {0, 1, 2, 3, 4};
        const float y[] = {1, 1, 5, 1, 1};
        dialog.DrawProfileCurve(0, -1, x, y, 0.3f);
        dialog.SetChartTitle("before");
        ChartControl* chart = dialog.chart();
        const QCPRange range = chart->customAxis(0)->range();
        {
            ChartEditor editor(*chart);
            editor.titleEdit()->setText("after");
            editor.seriesVisibleBox(1)->setChecked(false);
            editor.seriesColourBox(0)->setCurrentIndex(editor.seriesColourBox(0)->findText("Blue"));
            editor.axisAutomaticBox(0)->setChecked(false);
            editor.axisMinimumBox(0)->setValue(-3);
            editor.axisMaximumBox(0)->setValue(9);
            editor.regionsBox()->setChecked(false);
            QCOMPARE(chart->title(), QString("after"));
            QVERIFY(!chart->seriesVisible(1));
            QCOMPARE(chart->seriesColour(0), QColor(Qt::blue));
            QCOMPARE(chart->customAxis(0)->range(), QCPRange(-3, 9));
            QVERIFY(!chart->regionTool(0)->visible());
            editor.reject();
        }
        QCOMPARE(chart->title(), QString("before"));
        QVERIFY(chart->seriesVisible(1));
        QCOMPARE(chart->seriesColour(0), QColor(0x7C, 0x7C, 0x7C));
        QVERIFY(chart->axisAutomatic(0));
        QCOMPARE(chart->customAxis(0)->range(), range);
        QVERIFY(chart->regionTool(0)->visible());
        {
            ChartEditor editor(*chart);
            editor.titleEdit()->setText("kept");
            editor.accept();
        }
        QCOMPARE(chart->title(), QString("kept"));
    }

    void graphCommandsDrawTheirWindows()
    {
        Shell s;
        LoadExample(*s.frame, true);
        s.run(cmd::ID_VERTICAL_GRAPH);
        CChildFrame* vertical = s.frame->activeChartWindow();
        QVERIFY(vertical);
        QCOMPARE(vertical->documentTitle(), QStringLiteral("File1 Vertical Profile Graph"));
        auto* view = qobject_cast<CVantrelView*>(vertical->view());
        QVERIFY(view && view->profileDialog());
        ChartControl* chart = view->profileDialog()->chart();
        QCOMPARE(chart->seriesCount(), 20);
        QCOMPARE(chart->title(), QStringLiteral("File1 Vertical Profile Graph"));
        for (int i = 0; i < chart->seriesCount(); ++i)
            QVERIFY(chart->pointCount(i) > 0);

        s.run(cmd::ID_ICHNOGRAPHY_GRAPH);
        CChildFrame* plane = s.frame->activeChartWindow();
        QCOMPARE(plane->documentTitle(), QStringLiteral("8000HZ Plane Profile Graph"));
        auto* planeView = qobject_cast<CVantrelView*>(plane->view());
        QCOMPARE(planeView->profileDialog()->chart()->seriesCount(),
                 static_cast<int>(s.frame->survey().m_tree.Files().size()));

        s.run(cmd::ID_ROUND_GRAPH);
        CChildFrame* round = s.frame->activeChartWindow();
        QCOMPARE(round->documentTitle(), QStringLiteral("File1 circular Graph"));
        auto* roundView = qobject_cast<CVantrelView*>(round->view());
        QCOMPARE(roundView->circularCount(), 20);
        QCOMPARE(roundView->circularDialog(4)->chart()->bannerTool(0)->text().left(9),
                 QStringLiteral("1000.0Hz\n"));
        QVERIFY(s.prompter.messages.isEmpty());

        // The plane profile's own checks speak through the prompter and leave
        // the window with its first title.
        s.frame->survey().m_tree.AddFrequency("99HZ");
        s.frame->survey().m_tree.SetCurrentFrequency(
            static_cast<int>(s.frame->survey().m_tree.Frequencies().size()) - 1);
        s.run(cmd::ID_ICHNOGRAPHY_GRAPH);
        QCOMPARE(s.prompter.messages, QStringList({"No valid processing variables were selected!"}));
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QString::fromUtf8("平面剖面图"));
    }

    void newProfileWindowIsDrawnOnce()
    {
        // A big profile takes a good part of a second to draw: the resizes of
        // a window being laid out and every curve added must not each draw it.
        Shell s;
        s.frame->resize(1200, 900);
        s.frame->show();
        LoadExample(*s.frame, true);
        s.run(cmd::ID_VERTICAL_GRAPH);
        auto* view = qobject_cast<CVantrelView*>(s.frame->activeChartWindow()->view());
        QVERIFY(view && view->profileDialog());
        ChartControl* chart = view->profileDialog()->chart();
        QSignalSpy replots(chart, &QCustomPlot::afterReplot);
        QTest::qWait(100);
        chart->repaint();
        QCOMPARE(replots.count(), 1);
        QVERIFY(chart->seriesGraph(0)->keyAxis()->axisRect()->rect().width() > 0);

        // Three wheel steps before the next turn of the event loop: one replot.
        replots.clear();
        const QPointF middle = chart->seriesGraph(0)->keyAxis()->axisRect()->rect().center();
        for (int i = 0; i < 3; ++i) {
            QWheelEvent e(middle, chart->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(chart, &e);
        }
        QTest::qWait(50);
        QCOMPARE(replots.count(), 1);
        QVERIFY(!chart->isHomeView());
    }

    void circularGraphOfTooFewRowsStaysEmpty()
    {
        Shell s;
        LoadExample(*s.frame, true);
        s.frame->survey().m_tables.Processing().Clear();
        s.run(cmd::ID_ROUND_GRAPH);
        auto* view = qobject_cast<CVantrelView*>(s.frame->activeChartWindow()->view());
        QVERIFY(view);
        QCOMPARE(view->circularCount(), 0);
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QString::fromUtf8("环形图"));
    }

    void documentPassesOpenAndSaveToTheFrame()
    {
        Shell s;
        s.frame->newChartWindow("chart");
        QCOMPARE(s.frame->router()->handlerLevel(cmd::ID_FILE_OPEN), int(CommandRouter::Level::Document));
        QCOMPARE(s.frame->router()->handlerLevel(cmd::ID_FILE_SAVE), int(CommandRouter::Level::Document));
        bool asked = false;
        s.prompter.onOpenFile = [&] { asked = true; };
        QVERIFY(s.run(cmd::ID_FILE_OPEN));
        QVERIFY(asked);
    }

    void closingAskedToSaveAProfileOnly()
    {
        Shell s;
        LoadExample(*s.frame, true);
        s.run(cmd::ID_VERTICAL_GRAPH);
        s.run(cmd::ID_ROUND_GRAPH);
        InTemporaryFolder folder;
        s.prompter.answers << true;
        s.prompter.pictures << PictureChoice{true, folder.dir.filePath("profile"), "png", QSize(300, 200)};
        for (CChildFrame* w : s.frame->chartWindows())
            w->destroyForShutdown();
        QCOMPARE(s.prompter.questions, QStringList({"Please save graph data!"}));
        QImage written(folder.dir.filePath("profile.png"));
        QVERIFY(!written.isNull());
    }
};

int main(int argc, char** argv)
{
    TestCharts test;
    return runGuiTest(&test, argc, argv, "charts");
}

#include "tst_charts.moc"
