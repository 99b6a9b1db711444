#pragma once

#include <QToolBar>

namespace vantrel {

/// The output pane's toolbar: four buttons (154, 151, 152, 153) that no part
/// of the program answers, so they stay disabled.
class COutPutToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit COutPutToolBar(QWidget* parent = nullptr);
};

}  // namespace vantrel
