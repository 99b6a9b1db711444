#pragma once

#include "common/commandmap.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QPoint;

namespace vantrel {

/// The one road every command takes.
///
/// A command is an id (common/commandids.h). Every QAction that issues
/// a command carries its id in QAction::data() and is registered here with
/// addAction(); triggering it calls dispatch(id). The panes' toolbar and
/// context-menu actions are registered like the frame's.
///
/// dispatch() asks, in this order, whether they handle the id. While a chart
/// window is active:
///   1. its view                                (Level::View)
///   2. its document                            (Level::Document)
///   3. its child frame                         (Level::ChildFrame)
///   4. the application                         (Level::Application)
///   5. the main frame                          (Level::MainFrame)
/// Without an active chart window: the main frame, then the application.
/// An action of a widget's own menu or toolbar (a pane's or a chart's context
/// menu, the print preview's buttons) is registered with that widget as its
/// owner: the owner's own commands (Level::Widget, ownCommands()) come before
/// all of these. The first that has an entry for the id runs it (if its entry
/// says it is enabled); an id nobody handles shows disabled. The chart
/// window's maps belong to that window (CChildFrame::commands()) and come
/// from setChartWindowMaps().
///
/// Registering a handler is one line:
/// @code
///   frame->router()->addHandler(CommandRouter::Level::MainFrame, cmd::ID_CHOOSE_DATA,
///                               [this] { OnSelectData(); },
///                               [this] { return haveRows(); });   // optional
/// @endcode
/// The enabled-state function (optional) is asked whenever the actions are
/// refreshed (updateActions(): after every command, before a watched menu
/// opens, when the active chart window changes and when the survey notifier
/// says the survey changed).
/// A later addHandler() for the same level and id replaces the earlier one.
class CommandRouter : public QObject {
    Q_OBJECT
public:
    enum class Level { View, Document, ChildFrame, Application, MainFrame, Widget };

    /// Gives the maps of the active chart window's view, document and child
    /// frame, or nullptr for a level (or for all when no chart window is active).
    using ChartWindowMaps = std::function<CommandMap*(Level)>;

    explicit CommandRouter(QObject* parent = nullptr);

    /// Registers the handler of `id` on the application or the main frame;
    /// the actions of `id` take its enabled state at once.
    /// For the three chart-window levels, register on the window itself
    /// (CChildFrame::commands(level)); passing one of them here registers
    /// nothing and returns false.
    bool addHandler(Level level, int id, CommandMap::Run run, CommandMap::State enabled = {},
                    CommandMap::State checked = {});

    void setChartWindowMaps(ChartWindowMaps maps) { m_chartMaps = std::move(maps); }

    /// The commands `owner` answers itself for the actions registered with it
    /// as their owner; made on first use, dropped when the owner goes.
    CommandMap& ownCommands(QObject* owner);

    /// The level that handles `id` now for an action of `owner`, or -1 when
    /// nobody does.
    int handlerLevel(int id, const QObject* owner = nullptr) const;
    bool isHandled(int id, const QObject* owner = nullptr) const { return handlerLevel(id, owner) >= 0; }
    bool isEnabled(int id, const QObject* owner = nullptr) const;
    bool isChecked(int id, const QObject* owner = nullptr) const;
    /// Runs the command when it is handled and enabled; true when it ran.
    bool dispatch(int id, const QObject* owner = nullptr);

    /// Connects the action's trigger to dispatch(action id, owner) and keeps
    /// its enabled and checked state up to date. The id must be in data().
    void addAction(QAction* action, QObject* owner = nullptr);
    /// Registers the command entries of `menu` (those with an id) for
    /// `owner` and refreshes them whenever it opens.
    void addMenu(QMenu* menu, QObject* owner = nullptr);
    /// Shows `menu`, a context menu of `owner`, at the global position `at`
    /// and runs the entry chosen.
    void popup(QMenu* menu, QObject* owner, const QPoint& at);
    /// Refreshes the actions of `menu` before it opens (its sub-menus too).
    void watchMenu(QMenu* menu);
    /// Sets every registered action's enabled (and checked) state.
    void updateActions();
    QList<QAction*> actions() const;

    static int idOf(const QAction* action);
    /// The map of one level now (a chart-window level only while a chart
    /// window is active), or nullptr.
    const CommandMap* map(Level level) const;

private:
    struct Registered {
        QPointer<QAction> action;
        const QObject* owner;
    };
    const CommandMap::Entry* findEntry(int id, const QObject* owner, int* level = nullptr) const;

    std::array<CommandMap, 2> m_maps;  // Application, MainFrame
    ChartWindowMaps m_chartMaps;
    QHash<const QObject*, CommandMap> m_own;
    QList<Registered> m_actions;
};

}  // namespace vantrel
