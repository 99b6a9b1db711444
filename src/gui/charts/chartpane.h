#pragma once

#include "common/commandrouter.h"
#include "graphs/buildgraph.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

#include <functional>

class QMenu;

namespace vantrel {

class ChartControl;
class CPrintFrame;
class Prompter;

/// What a chart window shows of one graph: the profile chart, the circular
/// grid, the section. A chart kind's row makes its pane (ChartKind::makePane);
/// the chart view holds one and asks it for everything that differs by kind,
/// and the offscreen pictures are painted by a pane made the same way, so a
/// window, its print-out and the command line's picture come from one path.
class ChartPane : public QWidget {
    Q_OBJECT
public:
    /// Shows a context menu of `owner` (one of the pane's charts) at `at`,
    /// runs the chosen entry and deletes the menu.
    using Popup = std::function<void(QMenu* menu, QWidget* owner, const QPoint& at)>;

    using QWidget::QWidget;

    /// Draws `graph`, which is of the pane's kind. False, drawing nothing,
    /// when the graph holds nothing a window would show (a circular graph
    /// without charts): the window then stays as it was.
    virtual bool draw(const Graph& graph) = 0;
    /// True when the pane fills the view as it is resized; false when it
    /// keeps its own size and the view scrolls.
    virtual bool fillsView() const { return true; }
    /// The one chart that print, Save Picture and the close question take;
    /// nullptr for a pane of several charts or a chart without anything drawn.
    virtual ChartControl* printableChart() const = 0;

    /// Joins a chart window, before anything is drawn: the Properties command
    /// of each chart becomes the chart's own, their context menus go through
    /// `popup`, and what the charts say for the status bar (the pointer
    /// read-out, a note on the drawing) comes out as statusText().
    virtual void attach(CommandRouter& router, Prompter& prompter, const Popup& popup) = 0;
    /// The close question: "Please save graph data!"; OK opens the picture
    /// export of the printable chart (when there is one).
    virtual void promptSave(Prompter& prompter);
    /// Print (32811): the printable chart through the print dialog, one page
    /// fitted to the printable area, or a message that there is none.
    virtual void print(CommandRouter& router, Prompter& prompter);
    /// The print preview while it is open (only a pane of several charts has one).
    virtual CPrintFrame* printFrame() const { return nullptr; }
    /// Writes the pane, drawn offscreen, as a picture of `size` (the pane's
    /// picture size when empty); the error text, empty when written.
    virtual QString writePicture(const QString& path, QSize size);

Q_SIGNALS:
    /// What lies under the pointer, or a note on the drawing, for the status
    /// bar; an empty text clears it.
    void statusText(const QString& text);

protected:
    /// The Properties command and the routed context menu of one chart of
    /// the pane (CDialog_PMPM, CDialog_PM, SectionChart).
    template <typename Chart>
    static void offerChartMenu(Chart* chart, CommandRouter& router, Prompter& prompter, const Popup& popup)
    {
        router.ownCommands(chart).add(Chart::kPropertiesCommand,
                                      [chart, &prompter] { chart->OnProperties(prompter); });
        connect(chart, &Chart::contextMenuWanted, chart,
                [chart, popup](const QPoint& at) { popup(chart->createContextMenu(chart), chart, at); });
    }
};

}  // namespace vantrel
