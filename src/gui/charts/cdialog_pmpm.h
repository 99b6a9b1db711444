#pragma once

#include "charts/chartpane.h"

#include <span>

class QMenu;

namespace vantrel {

class ChartControl;
class Prompter;
struct ProfileCurve;

/// The profile chart: curves stacked one above the other, each on its own
/// vertical axis in its own band, the stretches where a curve strays far
/// from its mean shaded (high red, low blue). Fills its parent's client area.
/// As the pane of a profile window it draws a `ProfileGraph`; its bands never
/// shrink below what keeps their labels apart, a small window scrolls instead.
class CDialog_PMPM : public ChartPane {
    Q_OBJECT
public:
    static constexpr int kPropertiesCommand = 32783;
    static constexpr int kContextMenu = 315;
    static constexpr unsigned kGrey = 0x7C7C7C;  ///< series and region pens, 0x00BBGGRR
    static constexpr int kMinimumBand = 36;      ///< pixels of a band at least in a window
    static constexpr int kTitleRoom = 40;

    explicit CDialog_PMPM(QWidget* parent = nullptr);

    ChartControl* chart() const { return m_chart; }

    /// Prepares n curves: n custom axes splitting the plot height into equal
    /// bands (0 to 1 until drawn, grid hidden) and one grey series on each.
    void StackAxes(int n);
    void SetChartTitle(const QString& text);
    /// Draws one curve into series s and shades its outlying stretches.
    void DrawProfileCurve(int s, float h, std::span<const float> x, std::span<const float> y, float f);
    /// The same with the curve worked out already (as the core's graph data gives it).
    void DrawProfileCurve(const ProfileCurve& curve);

    /// The context menu's items: "属性" (Properties).
    QMenu* createContextMenu(QWidget* parent);
    /// Opens the chart editor over this chart (the Properties command).
    void OnProperties(Prompter& prompter);
    bool draw(const Graph& graph) override;
    /// The chart once it has bands.
    ChartControl* printableChart() const override;
    void attach(CommandRouter& router, Prompter& prompter, const Popup& popup) override;

Q_SIGNALS:
    void pointerMoved(const QString& text);
    /// A right click on the chart, at this global position.
    void contextMenuWanted(const QPoint& at);

private:
    ChartControl* m_chart;
};

}  // namespace vantrel
