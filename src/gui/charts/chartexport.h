#pragma once

#include <QString>

namespace vantrel {

class ChartControl;
class Prompter;

/// The picture types a chart is written as, in the prompter's filter form.
QString ChartPictureFilters();

/// Asks for a file name and writes the chart there at its size on screen
/// (or 1200 x 800 when it has none); a failure is told through the prompter.
/// False when nothing was written.
bool ExportChartPicture(ChartControl& chart, Prompter& prompter);

/// The application's prompter, or nullptr outside the desktop program.
Prompter* ApplicationPrompter();

}  // namespace vantrel
