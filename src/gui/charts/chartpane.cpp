#include "charts/chartpane.h"

#include "charts/chartcontrol.h"
#include "charts/chartexport.h"
#include "common/prompter.h"

#include <QPrinter>

namespace vantrel {

void ChartPane::promptSave(Prompter& prompter)
{
    if (!prompter.question(tr("Please save graph data!")))
        return;
    if (ChartControl* chart = printableChart())
        exportChartPicture(*chart, prompter);
}

void ChartPane::print(CommandRouter&, Prompter& prompter)
{
    ChartControl* chart = printableChart();
    if (!chart) {
        prompter.message(tr("There is no picture to print at the current window!"));
        return;
    }
    // At the screen's resolution the chart's texts, sized in points, keep
    // their size against its lines; the page stays vectors all the same.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(chart->title());
    // A wide chart starts on a landscape page, so it gets the paper's length.
    printer.setPageOrientation(chart->width() > chart->height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    if (!prompter.print(printer, 1, 1))
        return;
    if (!chart->print(printer))
        prompter.message(tr("The graph could not be printed."));
}

QString ChartPane::writePicture(const QString& path, QSize size)
{
    if (size.isEmpty())
        size = QSize(1200, 800);
    // Offscreen the picture's size rules, not the room a window keeps for
    // the labels of its bands.
    setMinimumSize(0, 0);
    resize(size);
    ChartControl* chart = printableChart();
    if (!chart)
        return tr("There is nothing to draw.");
    return chart->exportPicture(path, size);
}

}  // namespace vantrel
