// The pseudo-section: its command and window, the colour map options, and
// what the map paints, offscreen.

#include "chartsupport.h"

#include "charts/charteditor.h"
#include "charts/chartpicture.h"
#include "charts/colourgradients.h"
#include "charts/contourlayer.h"
#include "charts/sectionchart.h"
#include "charts/sectionfileselector.h"
#include "charts/sectionmapoptions.h"
#include "datafile/datatable.h"
#include "geo/sectionexport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalSpy>
#include <QTextStream>

using namespace vantrel;
using namespace vantrel::test;

namespace {

/// A survey line 0..300 m every 5 m over 12 frequencies, all reading 100,
/// but the four lowest frequencies (the deepest heights) read 10 from 150 to
/// 180 m; the deepest one has no reading at 0 m.
QString WriteLowDeepLine(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("lowdeep.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QTextStream out(&file);
    out << "FILE,INCREMENT";
    for (int f : {8000, 4000, 2000, 1000, 500, 250, 100, 50, 20, 10, 5, 2})
        out << ',' << f << "HZ";
    for (int x = 0; x <= 300; x += 5) {
        out << "\n1," << x;
        for (int k = 0; k < 12; ++k)
            out << ',' << (k == 11 && x == 0 ? "" : k >= 8 && x >= 150 && x <= 180 ? "10" : "100");
    }
    out << '\n';
    return path;
}

DataTable DepthTable(const std::vector<std::vector<std::string>>& rows)
{
    DataTable table;
    for (const char* t : {"FILE", "INCREMENT", "Height(H)", "Value(V)"})
        table.AddColumn(t);
    for (const auto& r : rows)
        table.AppendRow(std::span<const std::string>(r));
    return table;
}

bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 12;
}

}  // namespace

class TestSection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandOpensAWindowThatPaintsTheReadings()
    {
        Shell s;
        s.run(cmd::ID_SECTION_GRAPH);
        QCOMPARE(s.prompter.messages, QStringList({"Please choose data!"}));
        QVERIFY(s.frame->chartWindows().isEmpty());
        s.prompter.messages.clear();

        InTemporaryFolder folder;
        LoadSurvey(*s.frame, WriteLowDeepLine(folder.dir));
        QVERIFY(s.run(cmd::ID_SECTION_GRAPH));
        QVERIFY(s.prompter.messages.isEmpty());
        CVantrelView* view = ActiveView(s);
        auto* section = view ? qobject_cast<SectionChart*>(view->pane()) : nullptr;
        QVERIFY(section);
        // Each reading's own cell, so the colours can be checked by band.
        ColourMapOptions cells = view->chart()->colourMapOptions();
        cells.gridMethod = geo::GridMethod::MeasuredCells;
        view->chart()->setColourMapOptions(cells);
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QStringLiteral("File1 Pseudo-section"));
        ChartControl* chart = view->chart();
        QCOMPARE(chart->colourScale()->axis()->label(), QStringLiteral("Value(V)"));
        // All readings above 0: logarithmic from the smallest to the largest.
        QCOMPARE(chart->colourMap()->dataScaleType(), QCPAxis::stLogarithmic);
        QCOMPARE(chart->colourMap()->dataRange(), QCPRange(10, 100));
        QCOMPARE(section->note(), QStringLiteral("Depth rows without a number are left out: 1."));

        // The x axis spans the outer positions' halves, and a reset goes back there.
        QCOMPARE(chart->xRange(), QCPRange(-2.5, 302.5));
        chart->resize(900, 600);
        chart->replot(QCustomPlot::rpImmediateRefresh);
        chart->customAxis(0)->axisRect()->axis(QCPAxis::atBottom)->setRange(100, 120);
        chart->resetView();
        QCOMPARE(chart->xRange(), QCPRange(-2.5, 302.5));

        // The low deep readings show the low colour there only.
        chart->replot(QCustomPlot::rpImmediateRefresh);
        const QImage image = Rendered(*chart);
        const SectionGraph& g = section->graph();
        const auto colour = [](double v) {
            return QColor::fromRgb(colourGradientAt(0).color(v, {10, 100}, true));
        };
        const QColor low = colour(10), high = colour(100);
        const auto pixel = [&](double x, double height) {
            return PixelOf(chart->customAxis(0)->axisRect()->axis(QCPAxis::atBottom), chart->customAxis(0), x,
                           -height);
        };
        const auto colourAt = [&](double x, double height) { return image.pixelColor(pixel(x, height)); };
        const double deep = g.heights[9];     // 10 Hz
        const double shallow = g.heights[2];  // 2000 Hz
        for (double x : {150.0, 165.0, 180.0})
            QVERIFY2(Near(colourAt(x, deep), low), qPrintable(colourAt(x, deep).name()));
        for (double x : {20.0, 140.0, 190.0, 290.0})
            QVERIFY2(Near(colourAt(x, deep), high), qPrintable(colourAt(x, deep).name()));
        QVERIFY(Near(colourAt(165, shallow), high));
        // The deepest height has no reading at 0 m: nothing is painted there
        // (beside the grid line at 0).
        QCOMPARE(colourAt(1.5, g.heights[11]), QColor(Qt::white));
        QVERIFY(Near(colourAt(5, g.heights[11]), high));

        // The read-out names the cell under the pointer.
        QCOMPARE(chart->pointerText(pixel(166, deep)),
                 QStringLiteral("x=165  depth=%1  reading=10").arg(static_cast<double>(g.depths[9])));
        QVERIFY(chart->pointerText(pixel(0, g.heights[11])).endsWith(QStringLiteral("reading=none")));
    }

    void zerosFallBackToLinearWithANoteAndPaintAPicture()
    {
        const DataTable depth =
            DepthTable({{"1", "0", "-10", "0"}, {"1", "5", "-10", "40"}, {"1", "0", "-30", "-2"}});
        // The view says the note for the status bar.
        Shell s;
        auto* view = new CVantrelView(*s.frame->router(), s.frame->prompter());
        QSignalSpy said(view, &CVantrelView::statusInfo);
        s.frame->newChartWindow("section")->setView(view);
        view->drawGraph(PseudoSection(depth));
        qobject_cast<SectionChart*>(view->pane())->settle();
        ChartControl* chart = view->chart();
        QCOMPARE(chart->colourMap()->dataScaleType(), QCPAxis::stLinear);
        QCOMPARE(chart->colourMap()->dataRange(), QCPRange(-2, 40));
        QVERIFY(!said.isEmpty());
        QCOMPARE(said.last().first().toString(),
                 QStringLiteral("Some readings are 0 or below: the colour scale is linear."));
        QVERIFY(chart->colourMapOptions().logarithmic);  // still asked for

        // A picture of a section without a window.
        QTemporaryDir dir;
        QCOMPARE(writeGraphPicture(PseudoSection(depth), dir.filePath("s.png"), QSize(500, 300)), QString());
        QCOMPARE(QImage(dir.filePath("s.png")).size(), QSize(500, 300));
    }

    void editorChangesTheMapLiveAndCancelPutsItBack()
    {
        SectionChart section;
        section.setGraph(PseudoSection(DepthTable({{"1", "0", "-10", "10"},
                                                   {"1", "5", "-10", "20"},
                                                   {"1", "0", "-1000", "1000"},
                                                   {"1", "5", "-1000", "2000"}})));
        ChartControl* chart = section.chart();
        ColourMapOptions cells = chart->colourMapOptions();
        cells.gridMethod = geo::GridMethod::MeasuredCells;
        chart->setColourMapOptions(cells);
        QCPColorMap* map = chart->colourMap();
        // The shallow band reaches down to 505 m, halfway to the deep one.
        const auto middleCell = [&] { return map->data()->data(0, 100); };
        QCOMPARE(middleCell(), 10.0);
        const ColourMapOptions before = chart->colourMapOptions();
        {
            ChartEditor editor(*chart);
            editor.colourSmoothBox()->setChecked(true);
            QVERIFY(std::abs(middleCell() - 505.0) < 15);  // halfway in log depth
            editor.colourGradientBox()->setCurrentIndex(2);
            QCOMPARE(map->gradient(), colourGradientAt(2));
            editor.colourAutomaticBox()->setChecked(false);
            editor.colourLowerBox()->setValue(50);
            editor.colourUpperBox()->setValue(500);
            editor.colourScaleBox()->setCurrentIndex(0);
            QCOMPARE(map->dataScaleType(), QCPAxis::stLinear);
            editor.colourUpperBox()->setValue(50);  // an empty range is not taken
            QCOMPARE(map->dataRange(), QCPRange(50, 500));
            editor.colourLowerBox()->setValue(-5);
            editor.colourScaleBox()->setCurrentIndex(1);
            QCOMPARE(map->dataScaleType(), QCPAxis::stLinear);  // the range reaches below 0
            QCOMPARE(section.note(),
                     QStringLiteral("The fixed range reaches 0 or below: the colour scale is linear."));
            editor.reject();
        }
        QCOMPARE(chart->colourMapOptions(), before);
        QCOMPARE(map->dataRange(), QCPRange(10, 2000));
        QCOMPARE(map->dataScaleType(), QCPAxis::stLogarithmic);
        QCOMPARE(middleCell(), 10.0);
        QVERIFY(section.note().isEmpty());
    }

    void everyFileRangeOfABigSurveyIsReadOffTheInterfaceThread()
    {
        // A million depth rows of one reading but the first.
        DataTable big = DepthTable({{"1", "0", "-10", "4000"}});
        const std::vector<DataTable::CellRef> row = {big.StoreText("1"), big.StoreText("5"),
                                                     big.StoreText("-10"), big.StoreText("3")};
        for (std::size_t i = 0; i < SectionChart::kBackgroundRangeRows; ++i)
            big.AppendRowRefs(row);
        SectionChart section;
        section.setGraph(PseudoSection(DepthTable({{"1", "0", "-10", "10"}, {"1", "5", "-10", "20"}})));
        section.setFiles({1, 2}, [&big] { return big; });
        ChartControl* chart = section.chart();
        ColourMapOptions o = chart->colourMapOptions();
        o.everyFileRange = true;
        chart->setColourMapOptions(o);
        QCOMPARE(section.note(), QStringLiteral("Reading the range of every file..."));
        section.settle();
        QCOMPARE(chart->colourMap()->dataRange(), QCPRange(3, 4000));

        // The files given again while a range is read: the late range is not drawn.
        section.setFiles({1, 2}, [&big] { return big; });
        QVERIFY(section.note().contains(QStringLiteral("Reading the range of every file...")));
        section.setFiles({1}, [] { return DepthTable({{"1", "0", "-10", "7"}, {"1", "5", "-10", "8"}}); });
        QCOMPARE(chart->colourMap()->dataRange(), QCPRange(7, 8));
        QTest::qWait(300);
        QCOMPARE(chart->colourMap()->dataRange(), QCPRange(7, 8));
        QVERIFY(!section.note().contains(QStringLiteral("Reading")));
    }

    // What a client's report takes from the section window of the example:
    // depths down from 0, labelled contours, any file, one range for all,
    // and the grid handed on to other programs as the window shows it.
    void sectionWindowForAReport()
    {
        Shell s;
        LoadSurvey(*s.frame);
        QVERIFY(s.run(cmd::ID_SECTION_GRAPH));
        CVantrelView* view = ActiveView(s);
        auto* section = qobject_cast<SectionChart*>(view->pane());
        QVERIFY(section);
        // Gridding never holds up the interface: the readings' cells show while a worker grids.
        QVERIFY(section->note().contains(QStringLiteral("Working out")));
        section->settle();
        ChartControl* chart = section->chart();
        chart->resize(1000, 640);
        QCPAxis* depth = chart->customAxis(0);
        QCOMPARE(depth->label(), QStringLiteral("Depth (m)"));
        QVERIFY(depth->rangeReversed());
        QCOMPARE(depth->range().lower, 0.0);
        QVERIFY(depth->range().upper >= section->graph().depths.back());

        ColourMapOptions o = chart->colourMapOptions();
        o.contours.mode = ContourChoice::Mode::Given;
        o.contours.levels = {30, 40, 50, 60, 80, 100};
        chart->setColourMapOptions(o);
        section->settle();
        QCOMPARE(section->levels(), o.contours.levels);
        QVERIFY(!section->contourLayer()->lines().empty());
        (void)Rendered(*chart);
        const auto& labels = section->contourLayer()->labels();
        QVERIFY(labels.size() >= 3);
        const QRectF plot = depth->axisRect()->rect();
        for (std::size_t i = 0; i < labels.size(); ++i) {
            QPainterPath a;
            a.addPolygon(labels[i].box);
            QVERIFY(plot.contains(a.boundingRect()));
            for (std::size_t k = i + 1; k < labels.size(); ++k) {
                QPainterPath b;
                b.addPolygon(labels[k].box);
                QVERIFY2(!a.intersects(b), qPrintable(labels[i].text + " / " + labels[k].text));
            }
        }

        // The selector draws another file, the title following; the chart's options stay.
        SectionFileSelector* files = section->fileSelector();
        QCOMPARE(files->box()->count(), 3);
        const std::vector<float> first = section->graph().values;
        Q_EMIT files->box()->activated(1);
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QStringLiteral("File2 Pseudo-section"));
        QCOMPARE(chart->title(), QStringLiteral("File2 Pseudo-section"));
        QCOMPARE(section->graph().file, 2);
        QVERIFY(section->graph().values != first);
        QCOMPARE(chart->colourMapOptions().contours.levels, o.contours.levels);

        // One range for every file: the same bar on file 2 and file 3.
        ChartEditor editor(*chart);
        editor.sectionOptions()->everyFileBox()->setChecked(true);
        const ReadingRange all = SectionReadingRange(s.frame->survey().m_tables.Depth());
        QCOMPARE(chart->colourMap()->dataRange(), QCPRange(all.lower, all.upper));
        section->settle();
        const std::vector<double> levels = section->levels();
        Q_EMIT files->box()->activated(2);
        section->settle();
        QCOMPARE(section->graph().file, 3);
        QCOMPARE(chart->colourMap()->dataRange(), QCPRange(all.lower, all.upper));
        QCOMPARE(section->levels(), levels);
        editor.accept();

        // Export: the window's grid, blanks where it shows none, written as
        // the grid export writes it (which reads back cell for cell).
        QVERIFY(s.enabled(cmd::ID_EXPORT_SECTION_GRID));
        QTemporaryDir dir, other;
        const QString tif = dir.filePath("file3.tif");
        s.prompter.files << FileChoice{true, tif, 3};
        QVERIFY(s.run(cmd::ID_EXPORT_SECTION_GRID));
        QVERIFY(s.prompter.messages.isEmpty());
        const auto grid = section->grid();
        QCPColorMapData* shown = chart->colourMap()->data();
        int blanks = 0;
        for (int r = 0; r < grid->rows; ++r)
            for (int c = 0; c < grid->columns; ++c) {
                const double cell = shown->cell(c, r);
                const float value = grid->values[static_cast<std::size_t>(r * grid->columns + c)];
                blanks += std::isnan(cell);
                QVERIFY(std::isnan(cell) ? !std::isfinite(value) : value == static_cast<float>(cell));
            }
        QVERIFY(blanks < grid->rows * grid->columns);
        const QString again = other.filePath("again.tif");
        QVERIFY(geo::ExportSectionGrid(*grid, again.toStdString()).ok);
        QCOMPARE(contents(tif), contents(again));

        // A folder that does not exist: the message names the file, nothing is written.
        const QString lost = dir.filePath("missing/file3.grd");
        s.prompter.files << FileChoice{true, lost, 0};
        s.run(cmd::ID_EXPORT_SECTION_GRID);
        QCOMPARE(s.prompter.messages.size(), 1);
        QVERIFY2(s.prompter.messages.first().contains(lost), qPrintable(s.prompter.messages.first()));
        QVERIFY(!QFileInfo::exists(lost));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList({"file3.tif"}));
        for (CChildFrame* w : s.frame->chartWindows())
            delete w;
        QVERIFY(!s.enabled(cmd::ID_EXPORT_SECTION_GRID));
    }
};

VANTREL_GUI_TEST_MAIN(TestSection, "section")
#include "tst_section.moc"
