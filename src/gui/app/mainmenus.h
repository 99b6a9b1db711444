#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QStringList>

class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
class QToolBar;

namespace vantrel {

class CommandRouter;
class MainActions;

/// The main window's menu bar (File, View, Data Processing, Curving, Help)
/// and the chart views' edit menu, built from the main actions. Every menu is
/// watched by the router, so its entries show their state when it opens.
class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(QMainWindow& window, const MainActions& actions, CommandRouter& router);

    QMenu* fileMenu() const { return m_file; }
    /// View > "Toolbar and DockWindows(&T)".
    QMenu* toolbarsMenu() const { return m_toolbars; }
    /// The context menu of the chart views (cut, copy, paste).
    QMenu* editMenu() const { return m_edit; }

    /// Fills `menu` with the toolbars' and panes' show/hide toggles and the
    /// customization: the View menu's list and the frame's own context menu.
    void fillPaneMenu(QMenu* menu, const QList<QToolBar*>& toolbars, const QList<QDockWidget*>& panes) const;
    /// Shows the recent files on the File menu's four entries; without any,
    /// one disabled "Recent File" entry.
    void showRecentFiles(const QStringList& files) const;
    /// The text of recent-file entry `index` ("&1 ~/survey.dat"); long paths
    /// are shortened in the middle.
    static QString recentFileText(int index, const QString& path);

    /// The menus' titles with the commands found in them (sub-menus included),
    /// and the edit commands: the categories of the toolbar customization.
    QList<QPair<QString, QList<QAction*>>> commandCategories() const;

private:
    QMainWindow& m_window;
    const MainActions& m_actions;
    QMenu* m_file = nullptr;
    QMenu* m_toolbars = nullptr;
    QMenu* m_edit = nullptr;
};

}  // namespace vantrel
