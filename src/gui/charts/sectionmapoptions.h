#pragma once

#include "charts/chartcontrol.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vantrel {

/// The section's part of the chart editor's "Colour map" group: the range
/// shared by every file, the gridding method and the contour lines (on or
/// off; automatic levels, a number of them, or the user's own list).
class SectionMapOptions : public QWidget {
    Q_OBJECT
public:
    explicit SectionMapOptions(const ColourMapOptions& options, QWidget* parent = nullptr);

    /// Puts what the boxes say into `options`; a list of levels that is not
    /// understood keeps the levels `options` had (and the box says why).
    void applyTo(ColourMapOptions& options) const;
    /// The shared range is a kind of automatic range: off with a fixed one.
    void setAutomaticRange(bool automatic);

    QCheckBox* everyFileBox() const { return m_everyFile; }
    QComboBox* gridMethodBox() const { return m_method; }  ///< in GridMethods() order
    QCheckBox* contoursBox() const { return m_contours; }
    QComboBox* levelModeBox() const { return m_levelMode; }  ///< automatic, count, given
    QSpinBox* levelCountBox() const { return m_count; }
    QLineEdit* levelListEdit() const { return m_list; }
    QLabel* levelProblem() const { return m_problem; }

Q_SIGNALS:
    void changed();

private:
    void updateStates();

    QCheckBox* m_everyFile;
    QComboBox* m_method;
    QCheckBox* m_contours;
    QComboBox* m_levelMode;
    QSpinBox* m_count;
    QLineEdit* m_list;
    QLabel* m_problem;
};

}  // namespace vantrel
