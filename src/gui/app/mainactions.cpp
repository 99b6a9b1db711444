#include "app/mainactions.h"

#include "common/commanddescriptor.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/commandtexts.h"
#include "app/customizedialog.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QWidget>

namespace vantrel {

MainActions::MainActions(QWidget& window, CommandRouter& router)
    : QObject(&window), m_window(window), m_router(router)
{
    m_looks = new QActionGroup(&window);
    m_looks->setExclusive(true);
    for (const CommandDescriptor& d : commandDescriptors())
        if (d.caption)
            make(d);
    for (int i = 0; i < kRecentFileCount; ++i)
        m_recent << action(cmd::ID_FILE_MRU_FILE1 + i);
    m_undoCaption = action(cmd::ID_EDIT_UNDO)->text();
    m_redoCaption = action(cmd::ID_EDIT_REDO)->text();
}

void MainActions::showStepNames(const QString& undoStep, const QString& redoStep)
{
    action(cmd::ID_EDIT_UNDO)->setText(undoStep.isEmpty() ? m_undoCaption : tr("Undo %1").arg(undoStep));
    action(cmd::ID_EDIT_REDO)->setText(redoStep.isEmpty() ? m_redoCaption : tr("Redo %1").arg(redoStep));
}

void MainActions::make(const CommandDescriptor& d)
{
    auto* a = new QAction(d.translatedCaption(), &m_window);
    a->setData(d.id);
    a->setObjectName(QStringLiteral("action%1").arg(d.id));
    if (d.icon)
        a->setIcon(QIcon(QString::fromLatin1(d.icon)));
    a->setShortcuts(d.shortcuts());
    a->setCheckable(d.flags & (CommandDescriptor::Checkable | CommandDescriptor::Look));
    if (d.flags & CommandDescriptor::Look)
        m_looks->addAction(a);
    const QString tip = CommandTexts::toolTip(d.id);
    a->setStatusTip(CommandTexts::prompt(d.id));
    a->setToolTip(!tip.isEmpty() ? tip : CustomizeDialog::plainText(a));
    m_actions.insert(d.id, a);
    m_window.addAction(a);
    m_router.addAction(a);
}

}  // namespace vantrel
