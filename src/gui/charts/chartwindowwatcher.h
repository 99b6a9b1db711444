#pragma once

#include <QObject>

#include <functional>

class QMdiArea;

namespace vantrel {

class CChildFrame;

/// Hands every chart window that enters a document area to `give` (which
/// gives it its chart view and document), whether or not the window is ever
/// activated; the windows already there too.
class ChartWindowWatcher : public QObject {
    Q_OBJECT
public:
    ChartWindowWatcher(QMdiArea& area, std::function<void(CChildFrame&)> give);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(CChildFrame&)> m_give;
};

}  // namespace vantrel
