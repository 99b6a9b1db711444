#pragma once

#include "charts/chartpane.h"
#include "graphs/sectiongraph.h"

class QMenu;

namespace vantrel {

class ChartControl;
class Prompter;

/// The pseudo-section chart: a survey line's readings as colours, the
/// position across and the height down, with a colour bar titled by the
/// reading. Positions and heights are unevenly spaced; each one's band
/// reaches halfway to its neighbours, and cells without a reading stay
/// empty. How the colours are laid (interpolation, scale, gradient, range)
/// is the chart's colour map options, which the chart editor changes.
class SectionChart : public ChartPane {
    Q_OBJECT
public:
    static constexpr int kPropertiesCommand = 32783;

    explicit SectionChart(QWidget* parent = nullptr);

    ChartControl* chart() const { return m_chart; }
    const SectionGraph& graph() const { return m_graph; }

    void SetChartTitle(const QString& text);
    /// Draws a section by the chart's colour map options. Their logarithmic
    /// default holds only when every reading is above 0; otherwise the scale
    /// is linear and the note says why.
    void setGraph(const SectionGraph& graph);
    /// What the status bar is told after drawing (why the scale is linear,
    /// or that nothing could be drawn); empty when all is as asked.
    QString note() const { return m_note; }
    /// The readings' scale and range as drawn now.
    const SectionColourScale& colourScale() const { return m_scale; }
    /// The pointer text at a position and height of the chart's axes.
    QString readout(double x, double y) const;

    /// The context menu's items: "Properties".
    QMenu* createContextMenu(QWidget* parent);
    /// Opens the chart editor over this chart (the Properties command).
    void OnProperties(Prompter& prompter);

    /// As the pane of a section window: the window's section, its one chart,
    /// and the read-out and the note for the status bar.
    bool draw(const Graph& graph) override;
    ChartControl* printableChart() const override { return m_chart; }
    void attach(CommandRouter& router, Prompter& prompter, const Popup& popup) override;

Q_SIGNALS:
    void pointerMoved(const QString& text);
    /// A right click on the chart, at this global position.
    void contextMenuWanted(const QPoint& at);
    void noteChanged(const QString& text);

private:
    void redraw();
    void fillMap(bool interpolate);

    ChartControl* m_chart;
    SectionGraph m_graph;
    SectionColourScale m_scale;
    bool m_drawn = false;
    bool m_mapInterpolated = false;
    QString m_note;
};

}  // namespace vantrel
