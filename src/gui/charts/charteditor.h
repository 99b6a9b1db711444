#pragma once

#include <QColor>
#include <QDialog>
#include <QList>

#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace vantrel {

class ChartControl;

/// The chart's properties: title, the vertical axes' ranges (or automatic),
/// each series' colour and visibility, and whether the shaded regions show.
/// Every change shows on the chart at once; Cancel puts back what was there
/// when the editor opened.
class ChartEditor : public QDialog {
    Q_OBJECT
public:
    explicit ChartEditor(ChartControl& chart, QWidget* parent = nullptr);
    /// Runs the editor on `chart` as a dialog of the main frame (so tests can
    /// answer it), or modally when the chart is not in a main frame.
    static void Edit(ChartControl& chart, QWidget* parent);

    QLineEdit* titleEdit() const { return m_title; }
    QCheckBox* regionsBox() const { return m_regions; }
    QCheckBox* axisAutomaticBox(int axis) const { return m_axisRows.value(axis).automatic; }
    QDoubleSpinBox* axisMinimumBox(int axis) const { return m_axisRows.value(axis).minimum; }
    QDoubleSpinBox* axisMaximumBox(int axis) const { return m_axisRows.value(axis).maximum; }
    QCheckBox* seriesVisibleBox(int series) const { return m_seriesRows.value(series).visible; }
    QComboBox* seriesColourBox(int series) const { return m_seriesRows.value(series).colour; }

    /// The colours a series can take, by name.
    static QList<QPair<QString, QColor>> colourChoices();

public Q_SLOTS:
    void reject() override;

private:
    struct AxisRow {
        QCheckBox* automatic = nullptr;
        QDoubleSpinBox* minimum = nullptr;
        QDoubleSpinBox* maximum = nullptr;
    };
    struct SeriesRow {
        QCheckBox* visible = nullptr;
        QComboBox* colour = nullptr;
    };
    struct Saved {
        QString title;
        bool titleVisible = false;
        bool regionsVisible = true;
        struct Axis {
            bool automatic = false;
            double lower = 0;
            double upper = 1;
        };
        std::vector<Axis> axes;
        struct Series {
            QColor colour;
            bool visible = true;
        };
        std::vector<Series> series;
    };
    void applyAxis(int axis);
    void restore();

    ChartControl& m_chart;
    Saved m_saved;
    QLineEdit* m_title = nullptr;
    QCheckBox* m_regions = nullptr;
    QList<AxisRow> m_axisRows;
    QList<SeriesRow> m_seriesRows;
};

}  // namespace vantrel
