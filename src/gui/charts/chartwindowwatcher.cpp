#include "charts/chartwindowwatcher.h"

#include "charts/cchildframe.h"

#include <QChildEvent>
#include <QMdiArea>

namespace vantrel {

ChartWindowWatcher::ChartWindowWatcher(QMdiArea& area, std::function<void(CChildFrame&)> give)
    : QObject(&area), m_give(std::move(give))
{
    area.viewport()->installEventFilter(this);
    for (QMdiSubWindow* w : area.subWindowList())
        if (auto* window = qobject_cast<CChildFrame*>(w))
            m_give(*window);
}

bool ChartWindowWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded)
        if (auto* window = qobject_cast<CChildFrame*>(static_cast<QChildEvent*>(event)->child()))
            m_give(*window);
    return QObject::eventFilter(watched, event);
}

}  // namespace vantrel
