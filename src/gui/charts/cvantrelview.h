#pragma once

#include "charts/cdialog_pmpm.h"
#include "graphs/graphkind.h"
#include "charts/sectionchart.h"
#include "common/surveynotifier.h"

#include <QPointer>
#include <QScrollArea>

#include <cstdint>
#include <functional>
#include <map>

class QCPPainter;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace vantrel {

class CDialog_PM;
class CDialog_PMPM;
class ChartControl;
class CommandRouter;
class CPrintFrame;
class Prompter;

/// The view of a chart window: one profile chart filling it (vertical and
/// plane profiles), one pseudo-section chart filling it, or the circular charts in a scrolling grid of three
/// columns of 336 x 336 pixels. What lies under the mouse goes to the main
/// window's status bar. The context menus of the view and its charts take the
/// command road, each chart's own commands (Properties) first; questions and
/// dialogs go through the prompter.
class CVantrelView : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int kMinimumBand = 36;  ///< pixels of a profile band at least
    static constexpr int kTitleRoom = 40;

    CVantrelView(CommandRouter& router, Prompter& prompter, QWidget* parent = nullptr);
    ~CVantrelView() override;

    /// Makes the charts of a graph, once, before anything is drawn: for a
    /// profile (count > 0) the profile chart with `count` bands and the title;
    /// for the pseudo-section (count > 0) the section chart with the title;
    /// for the circular graph `count` charts in the grid. Count 0 makes
    /// nothing. The kind is kept in every case.
    void SetUpGraph(GraphKind kind, std::uint32_t count, const QString& title);

    /// Takes the graph away (before it is drawn again): the window is as new.
    void ClearGraph();

    /// The graph was drawn from the notifier's survey as it stands now. From
    /// then on, when a table or the settings the graph is made of change
    /// (a step, Undo, Redo, another file), the window keeps its picture, the
    /// user's customisations included, and says plainly above it that the
    /// picture is out of date, with a Redraw button that runs `redraw`.
    void followSurvey(SurveyNotifier& notifier, std::function<void()> redraw);
    /// The survey's numbers the picture stands for are the ones of now again.
    void markDrawn();
    /// Shows the out-of-date bar with `text` (the reason it cannot be drawn again, say).
    void showOutOfDate(const QString& text);
    bool isOutOfDate() const;
    /// The bar above the picture: its text and its Redraw button.
    QLabel* outOfDateText() const { return m_staleText; }
    QPushButton* redrawButton() const { return m_redraw; }

    GraphKind graphKind() const { return m_kind; }
    CDialog_PMPM* profileDialog() const { return m_profile; }
    SectionChart* sectionChart() const { return m_section; }
    /// The chart that printing and pictures take: the profile's or the
    /// section's; none for the circular graph's grid.
    ChartControl* chart() const;
    int circularCount() const { return static_cast<int>(m_circular.size()); }
    CDialog_PM* circularDialog(int graph) const;

    /// The edit popup: Cut, Copy, Paste, none of them handled here.
    QMenu* createEditMenu(QWidget* parent);
    /// Shows `menu`, the context menu of `owner` (this view or one of its
    /// charts), at `at`, runs the chosen entry and deletes the menu.
    void popup(QMenu* menu, QWidget* owner, const QPoint& at);
    /// The close question of a window with one chart (or none yet): "Please
    /// save graph data!"; OK opens the picture export of its chart. Circular
    /// graphs ask nothing.
    void PromptSaveGraph();

    /// Print (32811): one chart is printed through the print dialog, one page
    /// fitted to the printable area; the circular grid opens its print
    /// preview (or brings the open one forward). A graph without a picture
    /// (no chart) says so; a window whose graph was never set up does nothing.
    void PrintGraph();
    /// The print preview of this window while it is open.
    CPrintFrame* printFrame() const;
    /// Paints the circular charts of page `page` (from 1), six a page in two
    /// columns by three rows, each straight from its chart, into a printable
    /// area of `area` pixels.
    void DrawCircularPrintPage(QCPPainter& painter, const QSize& area, int page);

    /// Save Picture (32812): the picture export of the window's one chart;
    /// nothing for the circular grid or a window without a chart.
    void OnSavePicture();

Q_SIGNALS:
    /// What lies under the pointer (or the section's note) for the status
    /// bar; an empty text clears it.
    void statusInfo(const QString& text, int timeout);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPointer(const QString& text);
    /// The parts of the survey's numbers that the graph of m_kind is made of.
    SurveyRevision sourceOf(const SurveyRevision& revision) const;
    void checkSource();
    void placeBar();
    /// Routes the chart's context menu and gives it its Properties command.
    template <typename Chart>
    void offerMenu(Chart* chart);

    CommandRouter& m_router;
    Prompter& m_prompter;
    GraphKind m_kind = GraphKind::None;
    QPointer<CDialog_PMPM> m_profile;
    QPointer<SectionChart> m_section;
    std::map<int, CDialog_PM*> m_circular;
    QPointer<CPrintFrame> m_printFrame;
    QPointer<SurveyNotifier> m_notifier;
    SurveyRevision m_drawnFrom;
    std::function<void()> m_redrawGraph;
    QFrame* m_staleBar = nullptr;
    QLabel* m_staleText = nullptr;
    QPushButton* m_redraw = nullptr;
};

}  // namespace vantrel
