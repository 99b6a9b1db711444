#pragma once

#include <QString>

namespace vantrel {

class ChartControl;
class Prompter;

/// Opens the picture export dialog for the chart (type, size starting at the
/// chart's size on screen, file name) and writes the picture there; the file
/// appears whole or not at all, and a failure is told through the prompter.
/// False when nothing was written.
bool exportChartPicture(ChartControl& chart, Prompter& prompter);

}  // namespace vantrel
