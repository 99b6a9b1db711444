#pragma once

#include <QObject>

namespace vantrel {

class CMainFrame;

/// Gives every chart window that enters the frame's document area its chart
/// view and document, whether or not the window is ever activated.
class ChartWindowWatcher : public QObject {
    Q_OBJECT
public:
    explicit ChartWindowWatcher(CMainFrame& frame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CMainFrame& m_frame;
};

}  // namespace vantrel
