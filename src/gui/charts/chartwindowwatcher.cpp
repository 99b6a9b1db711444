#include "chartwindowwatcher.h"

#include "app/cchildframe.h"
#include "app/cmainframe.h"
#include "graphdrawing.h"

#include <QChildEvent>
#include <QMdiArea>

namespace vantrel {

ChartWindowWatcher::ChartWindowWatcher(CMainFrame& frame) : QObject(&frame), m_frame(frame)
{
    frame.mdiArea()->viewport()->installEventFilter(this);
    for (QMdiSubWindow* w : frame.mdiArea()->subWindowList())
        if (auto* window = qobject_cast<CChildFrame*>(w))
            ChartViewOf(*window, frame);
}

bool ChartWindowWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded)
        if (auto* window = qobject_cast<CChildFrame*>(static_cast<QChildEvent*>(event)->child()))
            ChartViewOf(*window, m_frame);
    return QObject::eventFilter(watched, event);
}

}  // namespace vantrel
