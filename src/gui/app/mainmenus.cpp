#include "app/mainmenus.h"

#include "common/commanddescriptor.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "app/customizedialog.h"
#include "app/mainactions.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <functional>

namespace vantrel {

MainMenus::MainMenus(QMainWindow& window, const MainActions& actions, CommandRouter& router)
    : QObject(&window), m_window(window), m_actions(actions)
{
    // The skeleton is built here; each menu's entries are the command table's rows.
    const auto fill = [&actions](QMenu* menu, CommandMenu which) {
        for (const CommandDescriptor* d : commandsInMenu(which)) {
            if (d->menuPlace.separatorBefore && !menu->isEmpty())
                menu->addSeparator();
            menu->addAction(actions.action(d->id));
        }
    };
    QMenuBar* bar = window.menuBar();
    bar->setNativeMenuBar(false);

    m_file = bar->addMenu(tr("File(&F)"));
    fill(m_file, CommandMenu::File);

    QMenu* view = bar->addMenu(tr("View(&V)"));
    m_toolbars = view->addMenu(tr("Toolbar and DockWindows(&T)"));
    m_toolbars->setObjectName(QStringLiteral("ToolbarsMenu"));
    fillPaneMenu(m_toolbars, {}, {});
    fill(view, CommandMenu::View);
    QMenu* looks = view->addMenu(tr("Software Pattern(&A)"));
    fill(looks, CommandMenu::Looks);
    QMenu* office = looks->addMenu(tr("Office 2007(&7)"));
    fill(office, CommandMenu::Office2007);

    QMenu* data = bar->addMenu(tr("Data Processing"));
    fill(data, CommandMenu::DataProcessing);
    QMenu* curving = bar->addMenu(tr("Curving"));
    fill(curving, CommandMenu::Curving);
    QMenu* help = bar->addMenu(tr("Help(&H)"));
    fill(help, CommandMenu::Help);

    m_edit = new QMenu(tr("Edit"), &window);
    fill(m_edit, CommandMenu::Edit);

    for (QMenu* m : {m_file, view, m_toolbars, looks, office, data, curving, help, m_edit})
        router.watchMenu(m);
}

void MainMenus::fillPaneMenu(QMenu* menu, const QList<QToolBar*>& toolbars,
                             const QList<QDockWidget*>& panes) const
{
    menu->clear();
    for (QToolBar* bar : toolbars)
        menu->addAction(bar->toggleViewAction());
    menu->addSeparator();
    for (QDockWidget* dock : panes)
        if (dock)
            menu->addAction(dock->toggleViewAction());
    menu->addSeparator();
    menu->addAction(m_actions.action(cmd::ID_VIEW_CUSTOMIZE));
}

QString MainMenus::recentFileText(int index, const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::homePath();
    if (shown.startsWith(home + QLatin1Char('/')))
        shown = QLatin1Char('~') + shown.mid(home.size());
    if (shown.size() > 60)
        shown = shown.left(20) + QStringLiteral("...") + shown.right(37);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

void MainMenus::showRecentFiles(const QStringList& files) const
{
    const QList<QAction*> entries = m_actions.recentFiles();
    for (int i = 0; i < entries.size(); ++i) {
        QAction* a = entries[i];
        if (files.isEmpty()) {
            a->setText(tr("Recent File"));
            a->setVisible(i == 0);
        } else {
            a->setVisible(i < files.size());
            if (i < files.size()) {
                a->setText(recentFileText(i, files[i]));
                a->setStatusTip(QDir::toNativeSeparators(files[i]));
            }
        }
    }
}

QList<QPair<QString, QList<QAction*>>> MainMenus::commandCategories() const
{
    QList<QPair<QString, QList<QAction*>>> categories;
    // Undo and Redo close the Data Processing menu but belong with the edit commands.
    const auto isEdit = [](const QAction* a) {
        return CommandRouter::idOf(a) == cmd::ID_EDIT_UNDO || CommandRouter::idOf(a) == cmd::ID_EDIT_REDO;
    };
    std::function<void(QMenu*, QList<QAction*>&)> scan = [&](QMenu* menu, QList<QAction*>& into) {
        for (QAction* a : menu->actions()) {
            if (a->menu())
                scan(a->menu(), into);
            else if (CommandRouter::idOf(a) != 0 && a->isVisible() && !isEdit(a))
                into << a;
        }
    };
    for (QAction* top : m_window.menuBar()->actions()) {
        if (!top->menu())
            continue;
        QList<QAction*> list;
        scan(top->menu(), list);
        // The instrument link has no menu entry but may go on a toolbar.
        if (list.contains(m_actions.action(cmd::ID_CHOOSE_DATA)))
            list << m_actions.action(cmd::ID_BLUETOOTH);
        categories.append({CustomizeDialog::plainText(top), list});
    }
    QList<QAction*> edit;
    for (int id : {cmd::ID_EDIT_UNDO, cmd::ID_EDIT_REDO, cmd::ID_EDIT_CUT, cmd::ID_EDIT_COPY,
                   cmd::ID_EDIT_PASTE, cmd::ID_FILE_NEW})
        edit << m_actions.action(id);
    categories.append({tr("Edit"), edit});
    return categories;
}

}  // namespace vantrel
