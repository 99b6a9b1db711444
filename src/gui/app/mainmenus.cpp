#include "app/mainmenus.h"

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
    using namespace cmd;
    const auto add = [&actions](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids)
            menu->addAction(actions.action(id));
    };
    QMenuBar* bar = window.menuBar();
    bar->setNativeMenuBar(false);

    m_file = bar->addMenu(tr("File(&F)"));
    add(m_file, {ID_FILE_OPEN, ID_FILE_SAVE, ID_SAVE_DEPTH_DATA, ID_SAVE_PICTURE, ID_FILE_CLOSE});
    m_file->addSeparator();
    m_file->addAction(actions.action(ID_PRINT_PICTURE));
    for (QAction* a : actions.recentFiles())
        m_file->addAction(a);
    m_file->addSeparator();
    m_file->addAction(actions.action(ID_APP_EXIT));

    QMenu* view = bar->addMenu(tr("View(&V)"));
    m_toolbars = view->addMenu(tr("Toolbar and DockWindows(&T)"));
    m_toolbars->setObjectName(QStringLiteral("ToolbarsMenu"));
    fillPaneMenu(m_toolbars, {}, {});
    view->addAction(actions.action(ID_VIEW_STATUS_BAR));
    QMenu* looks = view->addMenu(tr("Software Pattern(&A)"));
    add(looks,
        {ID_VIEW_APPLOOK_WIN_2000, ID_VIEW_APPLOOK_OFF_XP, ID_VIEW_APPLOOK_WIN_XP, ID_VIEW_APPLOOK_OFF_2003,
         ID_VIEW_APPLOOK_VS_2005, ID_VIEW_APPLOOK_VS_2008});
    QMenu* office = looks->addMenu(tr("Office 2007(&7)"));
    add(office,
        {ID_VIEW_APPLOOK_OFF_2007_BLUE, ID_VIEW_APPLOOK_OFF_2007_BLACK, ID_VIEW_APPLOOK_OFF_2007_SILVER,
         ID_VIEW_APPLOOK_OFF_2007_AQUA});

    QMenu* data = bar->addMenu(tr("Data Processing"));
    add(data, {ID_CONFIG, ID_CHOOSE_DATA, ID_PROCESSED_DATA, ID_DEPTH_DISPLAY});
    data->addSeparator();
    add(data, {ID_EDIT_UNDO, ID_EDIT_REDO});

    QMenu* curving = bar->addMenu(tr("Curving"));
    add(curving, {ID_ICHNOGRAPHY_GRAPH, ID_VERTICAL_GRAPH, ID_ROUND_GRAPH, ID_SECTION_GRAPH});

    QMenu* help = bar->addMenu(tr("Help(&H)"));
    add(help, {ID_APP_ABOUT, ID_HELP_DOC, ID_ABOUT_COMPANY});

    m_edit = new QMenu(tr("Edit"), &window);
    add(m_edit, {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE});

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
