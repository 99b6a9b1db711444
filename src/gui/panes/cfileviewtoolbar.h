#pragma once

#include <QToolBar>

namespace vantrel {

/// The file view's toolbar: choose data (136), field-source processing of the
/// chosen rows (32814) and depth calculation (32801). Its commands go to the
/// pane (commandTriggered), not to the main frame, so they are always enabled.
class CFileViewToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CFileViewToolBar(QWidget* parent = nullptr);

    /// The action of command `id`, or nullptr.
    QAction* action(int id) const;

    static constexpr int kButtonSize = 42;
    static constexpr int kImageSize = 32;

Q_SIGNALS:
    void commandTriggered(int id);
};

}  // namespace vantrel
