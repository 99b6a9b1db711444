#pragma once

#include <QDialog>

#include <chrono>

class QLabel;
class QPushButton;
class QTimer;

namespace vantrel {

/// "Waiting for the instrument..." with the time left and Cancel. It does not
/// block: the main window stays usable while it is open. Cancel, Escape and
/// the close box all reject it.
class InstrumentWaitDialog : public QDialog {
    Q_OBJECT
public:
    InstrumentWaitDialog(std::chrono::milliseconds timeout, QWidget* parent = nullptr);

    /// An instrument connected: the dialog says it is reading now.
    void showReading();

    QString text() const;
    QPushButton* cancelButton() const { return m_cancel; }

private:
    void updateTimeLeft();

    QLabel* m_text = nullptr;
    QLabel* m_timeLeft = nullptr;
    QPushButton* m_cancel = nullptr;
    QTimer* m_clock = nullptr;
    std::chrono::steady_clock::time_point m_deadline;
};

}  // namespace vantrel
