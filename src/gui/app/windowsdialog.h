#pragma once

#include <QDialog>

class QListWidget;
class QMdiArea;
class QPushButton;

namespace vantrel {

/// The windows dialog (command 131): lists the chart windows, activates one
/// or closes the selected ones.
class WindowsDialog : public QDialog {
    Q_OBJECT
public:
    explicit WindowsDialog(QMdiArea* area, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    void activateSelected();
    void closeSelected();

private:
    void fill();
    void updateButtons();

    QMdiArea* m_area;
    QListWidget* m_list = nullptr;
    QPushButton* m_activate = nullptr;
    QPushButton* m_close = nullptr;
};

}  // namespace vantrel
