#include "panes/chistorypane.h"

#include "common/commanddescriptor.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "panes/commandmenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QUndoView>

namespace vantrel {

namespace {

QString captionOf(int id)
{
    const CommandDescriptor* d = findCommand(id);
    return d ? d->translatedCaption() : QString();
}

}  // namespace

CHistoryPane::CHistoryPane(QUndoStack* stack, QWidget* parent)
    : QDockWidget(tr("History"), parent), m_view(new QUndoView(stack, this))
{
    setObjectName(QStringLiteral("HistoryPane"));
    m_view->setObjectName(QStringLiteral("HistoryView"));
    showFileOpen(false);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);  // the pane's own menu
    setWidget(m_view);
    m_menu =
        buildCommandMenu(this, QStringLiteral("HistoryMenu"),
                         {{cmd::ID_HISTORY_COPY_COMMAND_LINE, captionOf(cmd::ID_HISTORY_COPY_COMMAND_LINE)},
                          {cmd::ID_HISTORY_SAVE_RECIPE, captionOf(cmd::ID_HISTORY_SAVE_RECIPE)}});
}

void CHistoryPane::registerCommands(CommandRouter& router)
{
    for (QAction* a : m_menu->actions())
        if (!a->isSeparator())
            router.addAction(a, this);
    router.watchMenu(m_menu);
}

void CHistoryPane::showFileOpen(bool open)
{
    m_view->setEmptyLabel(open ? tr("The file as read") : tr("No file is open"));
}

void CHistoryPane::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() != QContextMenuEvent::Keyboard && !widget()->geometry().contains(event->pos())) {
        event->ignore();  // the title bar: the main window's menu of panes
        return;
    }
    m_menu->popup(event->reason() == QContextMenuEvent::Keyboard ? m_view->mapToGlobal(QPoint(0, 0))
                                                                 : event->globalPos());
    event->accept();
}

}  // namespace vantrel
