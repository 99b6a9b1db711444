#pragma once

#include "datafile/processingsettings.h"

#include <QDialog>

class QLineEdit;
class QLabel;
class QPushButton;

namespace vantrel {

/// The Config dialog: the five processing settings, three of them shown
/// (resistivity, Pthreshold, Vthreshold) and two present but hidden. Any text
/// is accepted: OK reads each edit as atof does, so "20m" gives 20 and "abc" 0.
class CDialog_Data_Set : public QDialog {
    Q_OBJECT
public:
    static constexpr int kEditIds[5] = {1008, 1009, 1010, 1011, 1012};

    explicit CDialog_Data_Set(const ProcessingSettings& values, QWidget* parent = nullptr);

    /// The dialog's copy: the values it was opened with until OK read the edits.
    const ProcessingSettings& values() const { return m_values; }
    /// Edit 1008 ... 1012 (nullptr for any other id).
    QLineEdit* edit(int id) const;
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    void accept() override;

    /// Each value as the edits show it: "%0.2f" in the C locale.
    static QString formatValue(float value);
    static float readValue(const QString& text);

private:
    QRect dialogUnits(int x, int y, int w, int h) const;

    ProcessingSettings m_values;
    QLineEdit* m_edits[5] = {};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace vantrel
