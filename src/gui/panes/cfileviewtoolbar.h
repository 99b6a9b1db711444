#pragma once

#include <QToolBar>

namespace vantrel {

/// The file view's toolbar: choose data (136), field-source processing of the
/// chosen rows (32814) and depth calculation (32801). Its actions carry their
/// command ids; the file view puts them on the command road.
class CFileViewToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CFileViewToolBar(QWidget* parent = nullptr);

    /// The action of command `id`, or nullptr.
    QAction* action(int id) const;

    static constexpr int kButtonSize = 42;
    static constexpr int kImageSize = 32;
};

}  // namespace vantrel
