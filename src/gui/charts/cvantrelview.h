#pragma once

#include "charts/chartpane.h"
#include "common/surveynotifier.h"
#include "graphs/buildgraph.h"

#include <QPointer>
#include <QScrollArea>

#include <functional>

class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace vantrel {

class ChartControl;
class CommandRouter;
class CPrintFrame;
class Prompter;
struct ChartKind;

/// The view of a chart window: the pane of its graph (ChartPane), made by
/// the graph's chart kind, filling it or scrolling. What lies under the mouse
/// goes to the main window's status bar. The context menus of the view and
/// its charts take the command road, each chart's own commands (Properties)
/// first; questions and dialogs go through the prompter.
struct ColourMapOptions;

class CVantrelView : public QScrollArea {
    Q_OBJECT
public:
    CVantrelView(CommandRouter& router, Prompter& prompter, QWidget* parent = nullptr);
    ~CVantrelView() override;

    /// Draws a graph into a view that has none: its kind's pane joins the
    /// window and draws it. A graph that holds nothing to show (a circular
    /// graph without charts) leaves the view empty: false. A view with a
    /// graph keeps it (ClearGraph first). A chart with a colour map is drawn
    /// by `colours` when given, else by its defaults.
    bool drawGraph(const Graph& graph, const ColourMapOptions* colours = nullptr);

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

    /// The kind of the graph drawn, nullptr before.
    const ChartKind* chartKind() const { return m_kind; }
    /// The pane of the graph drawn, nullptr before.
    ChartPane* pane() const { return m_pane; }
    /// The chart that printing and pictures take (ChartPane::printableChart).
    ChartControl* chart() const;

    /// The edit popup: Cut, Copy, Paste, none of them handled here.
    QMenu* createEditMenu(QWidget* parent);
    /// Shows `menu`, the context menu of `owner` (this view or one of its
    /// charts), at `at`, runs the chosen entry and deletes the menu.
    void popup(QMenu* menu, QWidget* owner, const QPoint& at);
    /// The close question (ChartPane::promptSave); a window without a graph
    /// asks it too, with nothing to offer.
    void PromptSaveGraph();

    /// Print (32811) by the pane (ChartPane::print); a window whose graph was
    /// never drawn does nothing.
    void PrintGraph();
    /// The print preview of this window while it is open.
    CPrintFrame* printFrame() const;

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
    /// The parts of the survey's numbers that the graph drawn is made of.
    SurveyRevision sourceOf(const SurveyRevision& revision) const;
    void checkSource();
    void placeBar();

    CommandRouter& m_router;
    Prompter& m_prompter;
    const ChartKind* m_kind = nullptr;
    QPointer<ChartPane> m_pane;
    QPointer<SurveyNotifier> m_notifier;
    SurveyRevision m_drawnFrom;
    std::function<void()> m_redrawGraph;
    QFrame* m_staleBar = nullptr;
    QLabel* m_staleText = nullptr;
    QPushButton* m_redraw = nullptr;
};

}  // namespace vantrel
