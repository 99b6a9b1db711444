// The chart layer, the chart windows and the graph commands, offscreen.

#include "chartsupport.h"

#include "charts/bandticker.h"
#include "charts/cdialog_pm.h"
#include "charts/cdialog_pmpm.h"
#include "charts/charteditor.h"
#include "charts/chartkinds.h"
#include "charts/chartpicture.h"
#include "charts/circulargridpane.h"
#include "charts/sectionchart.h"
#include "charts/polarseries.h"
#include "charts/seriesregion.h"
#include "common/commandrouter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWheelEvent>

using namespace vantrel;
using namespace vantrel::test;

namespace {

// A wheel step of `delta` at `at` on `widget`.
void Wheel(QWidget* widget, QPointF at, int delta = 120)
{
    QWheelEvent e(at, widget->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &e);
}

const float kX[] = {0, 1, 2, 3, 4};
const float kPeak[] = {1, 1, 5, 1, 1};

}  // namespace

class TestCharts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void chartIgnoresMissingParts()
    {
        ChartControl chart;
        for (int i = 0; i < 2; ++i) {
            chart.addSeries();
            chart.addCustomAxis();
        }
        chart.setSeriesAxis(1, 1);

        // Tools of both kinds share one numbering.
        RegionStyle region;
        region.series = 1;
        QCOMPARE(chart.addRegionTool(region), 0);
        QCOMPARE(chart.addBannerTool("4700Hz"), 1);
        QVERIFY(!chart.regionTool(1));
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
        QCOMPARE(chart.toolCount(), 2);
        QCOMPARE(chart.seriesAxis(0), -1);
        QCOMPARE(chart.bannerTool(1)->text(), QString("4700Hz"));
    }

    void profileCurvesTitlesRegionsAndShading()
    {
        CDialog_PMPM dialog;
        dialog.StackAxes(3);
        ChartControl* chart = dialog.chart();
        chart->resize(500, 1200);

        // Height 0 hides the axis title; a curve with no points still scales
        // its axis and adds no region.
        dialog.DrawProfileCurve(0, 0.0f, kX, kPeak, 0.3f);
        dialog.DrawProfileCurve(1, -0.5f, kX, kPeak, 0.3f);
        dialog.DrawProfileCurve(2, -15.6f, {}, {}, 0.3f);
        QVERIFY(!chart->axisTitleVisible(0));
        QCOMPARE(chart->axisTitle(2), QString("-15"));
        QVERIFY(chart->axisAutomatic(2));
        QCOMPARE(chart->toolCount(), 6);  // three regions per curve with points
        QCOMPARE(chart->xRange(), QCPRange(0, 4));

        // Rendered: shaded where the data says (the levels are 1.26 and 2.34).
        const QImage image = Rendered(*chart);
        const auto at = [&](double x, double y) {
            return image.pixelColor(
                PixelOf(chart->seriesGraph(1)->keyAxis(), chart->seriesGraph(1)->valueAxis(), x, y));
        };
        // Between the high level and the peak at x = 2: red.
        const QColor red = at(2, 4.2);
        QVERIFY2(red.red() > red.blue() + 80 && red.red() > red.green() + 80, qPrintable(red.name()));
        // Between the curve (1) and the low level near both ends: blue.
        for (double x : {0.4, 3.8})
            QVERIFY2(at(x, 1.15).blue() > at(x, 1.15).red() + 60, qPrintable(at(x, 1.15).name()));
        // Under the peak below the high level, and above the low level where the
        // curve is low: nothing shaded.
        for (const auto& [x, y] : {std::pair{2.0, 1.6}, std::pair{3.5, 2.0}, std::pair{0.5, 3.0}})
            QCOMPARE(at(x, y), QColor(Qt::white));
    }

    void bandsAndTheirTicks()
    {
        // Bands are counted from the top and may come in either order; one
        // reaching past the plot is clamped to it.
        ChartControl chart;
        chart.resize(400, 300);
        const std::pair<int, int> bands[] = {{0, 50}, {100, 50}, {-20, 10}};
        for (int i = 0; i < 3; ++i)
            chart.addCustomAxis();
        for (int i = 0; i < 3; ++i) {
            chart.setAxisStartPosition(i, bands[i].first);
            chart.setAxisEndPosition(i, bands[i].second);
        }
        Rendered(chart);
        const auto band = [&](int axis) { return chart.customAxis(axis)->axisRect()->outerRect(); };
        QCOMPARE(band(0).bottom() + 1, band(1).top());
        QCOMPARE(band(1).bottom(), 299);
        QCOMPARE(band(2), QRect(0, 0, band(2).width(), 30));

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

    void circularChartPointsScaleAndZoom()
    {
        CDialog_PM dialog;
        ChartControl* chart = dialog.chart();
        QVERIFY(dialog.DrawCircularChart({2, 4, 1, 8, 2, 4, 1, 8}, QString::fromUtf8("1000.0Hz\nβ=8.00")));
        const auto& points = chart->polarSeries(0)->points();
        QVERIFY(points.size() == 8 && points[3].angle == 135.0 && points[3].value == 8.0);
        QCOMPARE(chart->bannerTool(0)->text(), QString::fromUtf8("1000.0Hz\nβ=8.00"));
        QCOMPARE(markText(2.5), QString("2.5"));
        QCOMPARE(markText(-0.0001), QString("0"));

        // The scale leaves room for the marks; zooming in shrinks it, a reset
        // brings it back.
        PolarSeries* polar = chart->polarSeries(0);
        const double before = polar->radialMaximum();
        QVERIFY(before >= 8 * 1.15 && before <= 12);
        Wheel(chart, QPointF(100, 100));
        QVERIFY(polar->radialMaximum() < before);
        chart->resetView();
        QCOMPARE(polar->radialMaximum(), before);
    }

    void picturesKeepAnOldFileOnFailure()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath("kept.png");
        QFile old(kept);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        const auto paint = [](QCPPainter*) {};
        QVERIFY(
            writePicture(dir.filePath("kept.gif"), QSize(10, 10), paint).contains("Unknown picture type"));
        QVERIFY(writePicture(kept, QSize(0, 10), paint).contains("empty"));
        QCOMPARE(contents(kept), QByteArray("old"));
        QVERIFY(writePicture(kept, QSize(10, 10), paint).isEmpty());
        QCOMPARE(QImage(kept).size(), QSize(10, 10));
        QCOMPARE(pictureFormatOf("a.JPEG"), QString("jpg"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.png"}));
    }

    void viewsLayOutTheirChartsAndOfferTheirMenus()
    {
        CommandRouter router;
        ScriptedPrompter prompter;
        QStringList edited;
        prompter.onDialog = [&](QDialog& d) {
            edited << qobject_cast<ChartEditor*>(&d)->titleEdit()->text();
            return 0;
        };
        CVantrelView circular(router, prompter);
        QVERIFY(circular.drawGraph(Rings(7)));
        auto* rings = qobject_cast<CircularGridPane*>(circular.pane());
        // Three a row: the last starts the third row.
        QCOMPARE(rings->chartAt(6)->geometry().topLeft(), QPoint(0, 672));
        QVERIFY(!circular.widgetResizable() && !circular.chart());
        // Drawn once: a second graph changes nothing.
        ProfileGraph plane;
        plane.kind = GraphKind::Plane;
        plane.title = "16HZ Plane Profile Graph";
        plane.bands = 2;
        QVERIFY(!circular.drawGraph(plane));
        QCOMPARE(circular.chartKind()->kind, GraphKind::Circular);

        CVantrelView profile(router, prompter);
        QVERIFY(profile.drawGraph(plane));
        auto* bands = qobject_cast<CDialog_PMPM*>(profile.pane());
        QCOMPARE(profile.chart(), bands->chart());
        QCOMPARE(bands->chart()->title(), QStringLiteral("16HZ Plane Profile Graph"));
        profile.show();
        profile.resize(700, 500);
        QTRY_COMPARE(bands->size(), profile.viewport()->size());

        // The menus take the command road: an entry without a handler shows
        // disabled, Properties is the chart's own and opens its editor.
        const auto items = [&router](QMenu* menu, QWidget* owner) {
            router.addMenu(menu, owner);
            Q_EMIT menu->aboutToShow();
            QStringList list;
            for (QAction* a : menu->actions())
                list << QStringLiteral("%1 %2 %3")
                            .arg(a->data().toInt())
                            .arg(a->text(), a->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"));
            if (menu->actions().last()->isEnabled())
                menu->actions().last()->trigger();
            delete menu;
            return list;
        };
        CDialog_PM* ring = rings->chartAt(0);
        ring->chart()->setTitle("ring");
        QCOMPARE(items(ring->createContextMenu(nullptr), ring),
                 QStringList({QString::fromUtf8("32790 重命名 off"), QString::fromUtf8("32775 属性 on")}));
        QCOMPARE(items(bands->createContextMenu(nullptr), bands),
                 QStringList({QString::fromUtf8("32783 属性 on")}));
        QCOMPARE(edited, QStringList({"ring", "16HZ Plane Profile Graph"}));
        QCOMPARE(items(profile.createEditMenu(nullptr), &profile),
                 QStringList({QString::fromUtf8("57635 剪切(&T)\tCtrl+X off"),
                              QString::fromUtf8("57634 复制(&C)\tCtrl+C off"),
                              QString::fromUtf8("57637 粘贴(&P)\tCtrl+V off")}));
    }

    void zoomPanResetAndTheEditorOnAllBands()
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
        const QPointF middle = chart->seriesGraph(0)->keyAxis()->axisRect()->rect().center();
        const auto otherBand = [&] { return chart->seriesGraph(1)->keyAxis()->range(); };

        Wheel(chart, middle, 240);
        const QCPRange zoomed = chart->xRange();
        QVERIFY(zoomed.size() < 40 && !chart->isHomeView());
        QCOMPARE(otherBand(), zoomed);

        QTest::mousePress(chart, Qt::LeftButton, {}, middle.toPoint());
        QTest::mouseMove(chart, middle.toPoint() + QPoint(50, 0));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, middle.toPoint() + QPoint(50, 0));
        QVERIFY(chart->xRange().lower < zoomed.lower);
        QCOMPARE(otherBand(), chart->xRange());

        QTest::mouseDClick(chart, Qt::LeftButton, {}, middle.toPoint());
        QCOMPARE(chart->xRange(), QCPRange(0, 40));
        QVERIFY(chart->isHomeView());

        // The pointer text names x, the band and the curve's reading there.
        const QPoint at(static_cast<int>(chart->seriesGraph(0)->keyAxis()->coordToPixel(15)),
                        static_cast<int>(middle.y()));
        const QString text = chart->pointerText(at);
        QVERIFY2(text.contains(QRegularExpression("^x=1[45](\\.\\d+)?  height=-10  reading=2\\.\\d+$")),
                 qPrintable(text));
        QVERIFY(chart->pointerText(QPoint(-5, -5)).isEmpty());

        // The editor applies its changes at once; Cancel puts them back.
        dialog.SetChartTitle("before");
        const QCPRange range = chart->customAxis(0)->range();
        const QColor colour = chart->seriesColour(0);
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
        QCOMPARE(chart->seriesColour(0), colour);
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
        s.frame->resize(1200, 900);
        s.frame->show();
        LoadSurvey(*s.frame);
        s.run(cmd::ID_VERTICAL_GRAPH);
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(),
                 QStringLiteral("File1 Vertical Profile Graph"));
        ChartControl* chart = ActiveView(s)->chart();
        QCOMPARE(chart->seriesCount(), 20);
        for (int i = 0; i < chart->seriesCount(); ++i)
            QVERIFY(chart->pointCount(i) > 0);

        // A big profile takes a good part of a second to draw: the resizes of
        // a window being laid out and every curve added must not each draw it.
        QSignalSpy replots(chart, &QCustomPlot::afterReplot);
        QTest::qWait(100);
        chart->repaint();
        QCOMPARE(replots.count(), 1);
        const QRect band = chart->seriesGraph(0)->keyAxis()->axisRect()->rect();
        QVERIFY(band.width() > 0);
        // Three wheel steps before the next turn of the event loop: one replot.
        replots.clear();
        for (int i = 0; i < 3; ++i)
            Wheel(chart, band.center());
        QTest::qWait(50);
        QCOMPARE(replots.count(), 1);
        QVERIFY(!chart->isHomeView());

        s.run(cmd::ID_ICHNOGRAPHY_GRAPH);
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QStringLiteral("8000HZ Plane Profile Graph"));
        QCOMPARE(ActiveView(s)->chart()->seriesCount(),
                 static_cast<int>(s.frame->survey().m_tree.Files().size()));

        s.run(cmd::ID_ROUND_GRAPH);
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QStringLiteral("File1 circular Graph"));
        const auto* rings = qobject_cast<CircularGridPane*>(ActiveView(s)->pane());
        QCOMPARE(rings->count(), 20);
        QCOMPARE(rings->chartAt(4)->chart()->bannerTool(0)->text().left(9), QStringLiteral("1000.0Hz\n"));
        QVERIFY(s.prompter.messages.isEmpty());

        // The plane profile's own checks speak through the prompter and leave
        // the window with its first title.
        auto& tree = s.frame->survey().m_tree;
        tree.AddFrequency("99HZ");
        tree.SetCurrentFrequency(static_cast<int>(tree.Frequencies().size()) - 1);
        s.run(cmd::ID_ICHNOGRAPHY_GRAPH);
        QCOMPARE(s.prompter.messages, QStringList({"No valid processing variables were selected!"}));
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QString::fromUtf8("平面剖面图"));

        // A circular graph of too few rows stays empty.
        s.frame->survey().m_tables.Processing().Clear();
        s.run(cmd::ID_ROUND_GRAPH);
        QVERIFY(!ActiveView(s)->pane());
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QString::fromUtf8("环形图"));
    }

    void graphsTooLargeToLayOutAreRefused()
    {
        // 501 frequency columns once stacked 501 bands one by one (10 000 took
        // minutes); now no chart is laid out and the message says why.
        std::string text = "FILE,INCREMENT";
        for (int f = 0; f < 501; ++f)
            text += "," + std::to_string(9000 - f) + "HZ";
        for (int row = 0; row < 4; ++row) {
            text += "\n1," + std::to_string(row * 5);
            for (int f = 0; f < 501; ++f)
                text += "," + std::to_string(100 + (f + row) % 7);
        }
        QTemporaryDir dir;
        QFile file(dir.filePath("wide.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(text + "\n"));
        file.close();
        Shell s;
        LoadSurvey(*s.frame, file.fileName());
        s.run(cmd::ID_VERTICAL_GRAPH);
        QVERIFY(!ActiveView(s)->pane());
        s.run(cmd::ID_ROUND_GRAPH);
        QVERIFY(!ActiveView(s)->pane());
        const QString every = " The pseudo-section map shows every frequency.";
        QCOMPARE(
            s.prompter.messages,
            (QStringList{"The vertical profile stacks one band per frequency and draws at most 500; this "
                         "one has 501." +
                             every,
                         "The circular graph draws one chart per frequency and at most 150; this one has "
                         "501." +
                             every}));
    }

    void chartWindowsSayWhenTheSurveyMovedOn()
    {
        Shell s;
        Survey& survey = s.frame->survey();
        const auto open = [&] {
            s.prompter.files << FileChoice{true, QStringLiteral(VANTREL_EXAMPLES "/line1.dat"), 2};
            s.prompter.answers << true;  // close the open file, if any
            QVERIFY(s.run(cmd::ID_FILE_OPEN));
            for (int id = 1; id < survey.m_tree.NextRowId(); ++id)
                survey.m_tree.SetRowChecked(id, true);
            survey.m_tree.SetCurrentFrequency(0);
        };
        open();
        s.run(cmd::ID_CHOOSE_DATA);
        s.run(cmd::ID_DEPTH_DISPLAY);
        QList<CVantrelView*> views;  // section, vertical, plane
        for (int id : {cmd::ID_SECTION_GRAPH, cmd::ID_VERTICAL_GRAPH, cmd::ID_ICHNOGRAPHY_GRAPH}) {
            s.run(id);
            views << ActiveView(s);
        }
        const auto outOfDate = [&] {
            QList<bool> stale;
            for (CVantrelView* v : views)
                stale << v->isOutOfDate();
            return stale;
        };
        QCOMPARE(outOfDate(), (QList<bool>{false, false, false}));
        // Customised in the Properties editor: a redraw would lose it, so the
        // picture stays until the user asks.
        views[0]->chart()->setTitle(QStringLiteral("my section"));

        s.run(cmd::ID_EDIT_UNDO);  // the depth data goes
        QCOMPARE(outOfDate(), (QList<bool>{true, true, false}));
        QCOMPARE(
            views[0]->outOfDateText()->text(),
            QStringLiteral("The data this chart was drawn from has changed: the picture is out of date."));
        QCOMPARE(views[0]->chart()->title(), QStringLiteral("my section"));
        // Without depth data there is nothing to draw: Redraw keeps the picture and says so.
        QTest::mouseClick(views[0]->redrawButton(), Qt::LeftButton);
        QCOMPARE(views[0]->outOfDateText()->text(),
                 QStringLiteral("This chart cannot be drawn again: there is nothing to draw."));
        QCOMPARE(views[0]->chart()->title(), QStringLiteral("my section"));
        s.run(cmd::ID_EDIT_REDO);  // back to what they show
        QCOMPARE(outOfDate(), (QList<bool>{false, false, false}));

        // Every step undone: the survey can no longer give a section.
        s.run(cmd::ID_EDIT_UNDO);
        s.run(cmd::ID_EDIT_UNDO);
        QCOMPARE(outOfDate(), (QList<bool>{true, true, true}));
        QTest::mouseClick(views[0]->redrawButton(), Qt::LeftButton);
        QVERIFY(views[0]->isOutOfDate());
        QCOMPARE(views[0]->outOfDateText()->text(),
                 QStringLiteral("This chart cannot be drawn again: Please choose data!"));

        // A new step, then Redraw: the picture of the survey as it is now.
        s.run(cmd::ID_CHOOSE_DATA);
        s.run(cmd::ID_DEPTH_DISPLAY);
        QTest::mouseClick(views[0]->redrawButton(), Qt::LeftButton);
        QVERIFY(!views[0]->isOutOfDate());
        QCOMPARE(views[0]->chart()->title(), QStringLiteral("File1 Pseudo-section"));
        QVERIFY(qobject_cast<SectionChart*>(views[0]->pane()));

        // Another file (File Open, which the chart window's document passes on
        // to the main frame, as Save) puts every window out of date.
        QCOMPARE(s.frame->router()->handlerLevel(cmd::ID_FILE_SAVE), int(CommandRouter::Level::Document));
        QTest::mouseClick(views[1]->redrawButton(), Qt::LeftButton);
        QTest::mouseClick(views[2]->redrawButton(), Qt::LeftButton);
        QCOMPARE(outOfDate(), (QList<bool>{false, false, false}));
        open();
        QCOMPARE(outOfDate(), (QList<bool>{true, true, true}));
        QVERIFY(s.prompter.messages.isEmpty());
    }
};

VANTREL_GUI_TEST_MAIN(TestCharts, "charts")
#include "tst_charts.moc"
