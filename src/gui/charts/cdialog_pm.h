#pragma once

#include <QWidget>

#include <array>

class QMenu;

namespace vantrel {

class ChartControl;
class Prompter;

/// The circular chart: one polar series of eight readings 45 degrees apart
/// (red pen, square red pointers, value marks with callouts), a text banner
/// at the top right (tool 0) and arrows on the two axes.
class CDialog_PM : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPropertiesCommand = 32775;
    static constexpr int kRenameCommand = 32790;
    static constexpr int kContextMenu = 312;
    static constexpr int kSide = 336;  ///< pixels of a chart in the grid

    explicit CDialog_PM(QWidget* parent = nullptr);

    ChartControl* chart() const { return m_chart; }

    /// Puts the eight values at 0, 45, ... 315 degrees and the label into the
    /// banner. False, drawing nothing, when the chart has no series.
    bool DrawCircularChart(const std::array<float, 8>& values, const QString& label);

    /// The context menu's items: "重命名" (Rename, no command behind it, so
    /// disabled) and "属性" (Properties).
    QMenu* createContextMenu(QWidget* parent);
    /// Opens the chart editor over this chart (the Properties command).
    void OnProperties(Prompter& prompter);

Q_SIGNALS:
    void pointerMoved(const QString& text);
    /// A right click on the chart, at this global position.
    void contextMenuWanted(const QPoint& at);

private:
    ChartControl* m_chart;
};

}  // namespace vantrel
