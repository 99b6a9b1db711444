#pragma once

#include "graphs/buildgraph.h"

#include <QString>

#include <functional>
#include <memory>

namespace vantrel {

class CChildFrame;
class CVantrelView;
class Prompter;
class SectionChart;
class SurveyNotifier;

/// Gives the section window's file selector the files of the Depth table:
/// choosing one draws that file in the same chart (its options kept), the
/// window's title "File%d Pseudo-section" following, and `options` remembers
/// it for Redraw.
void offerSectionFiles(CVantrelView& view, CChildFrame& window, SurveyNotifier& notifier,
                       std::shared_ptr<GraphOptions> options);

/// File > Export Section Grid...: the grid the section chart shows, written
/// through the prompter's save dialog in the format its extension names (or
/// the chosen type's, whose extension a bare name is given). A failure is a
/// message naming the file and why; nothing half-written is left. The text
/// for the status bar when written, else empty.
QString exportSectionGrid(SectionChart& chart, Prompter& prompter);

/// The save dialog's filters of the grid formats.
QString sectionGridFilters();

}  // namespace vantrel
