#pragma once

#include <QColor>
#include <QDialog>
#include <QList>

#include "charts/chartcontrol.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QVBoxLayout;

namespace vantrel {

class Prompter;
class SectionMapOptions;

/// The chart's properties: title, the vertical axes' ranges (or automatic),
/// each series' colour and visibility, whether the shaded regions show, and
/// for a chart with a colour map its options (smoothing, scale, gradient,
/// range).
/// Every change shows on the chart at once; Cancel puts back what was there
/// when the editor opened.
class ChartEditor : public QDialog {
    Q_OBJECT
public:
    explicit ChartEditor(ChartControl& chart, QWidget* parent = nullptr);
    /// Runs the editor on `chart` through the prompter.
    static void edit(ChartControl& chart, QWidget* parent, Prompter& prompter);
    /// The caption of the charts' Properties entry.
    static QString propertiesText();

    QLineEdit* titleEdit() const { return m_title; }
    QCheckBox* regionsBox() const { return m_regions; }
    QCheckBox* axisAutomaticBox(int axis) const { return m_axisRows.value(axis).automatic; }
    QDoubleSpinBox* axisMinimumBox(int axis) const { return m_axisRows.value(axis).minimum; }
    QDoubleSpinBox* axisMaximumBox(int axis) const { return m_axisRows.value(axis).maximum; }
    QCheckBox* seriesVisibleBox(int series) const { return m_seriesRows.value(series).visible; }
    QComboBox* seriesColourBox(int series) const { return m_seriesRows.value(series).colour; }
    QCheckBox* colourSmoothBox() const { return m_colour.smooth; }
    QComboBox* colourScaleBox() const { return m_colour.scale; }  ///< 0 linear, 1 logarithmic
    QComboBox* colourGradientBox() const { return m_colour.gradient; }
    QCheckBox* colourAutomaticBox() const { return m_colour.automatic; }
    QDoubleSpinBox* colourLowerBox() const { return m_colour.lower; }
    QDoubleSpinBox* colourUpperBox() const { return m_colour.upper; }
    /// The section's range shared by every file, gridding and contours.
    SectionMapOptions* sectionOptions() const { return m_colour.section; }

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
    struct ColourRow {
        QCheckBox* smooth = nullptr;
        QComboBox* scale = nullptr;
        QComboBox* gradient = nullptr;
        QCheckBox* automatic = nullptr;
        QDoubleSpinBox* lower = nullptr;
        QDoubleSpinBox* upper = nullptr;
        SectionMapOptions* section = nullptr;
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
        ColourMapOptions colourMap;
    };
    void applyAxis(int axis);
    void addColourMapGroup(QVBoxLayout* column);
    void applyColourMap();
    void restore();

    ChartControl& m_chart;
    Saved m_saved;
    QLineEdit* m_title = nullptr;
    QCheckBox* m_regions = nullptr;
    QList<AxisRow> m_axisRows;
    QList<SeriesRow> m_seriesRows;
    ColourRow m_colour;
};

}  // namespace vantrel
