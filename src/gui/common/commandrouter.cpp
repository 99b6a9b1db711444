#include "common/commandrouter.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <span>

namespace vantrel {

CommandRouter::CommandRouter(QObject* parent) : QObject(parent) {}

const CommandMap* CommandRouter::map(Level level) const
{
    switch (level) {
    case Level::Application: return &m_maps[0];
    case Level::MainFrame: return &m_maps[1];
    default: return m_chartMaps ? m_chartMaps(level) : nullptr;
    }
}

bool CommandRouter::addHandler(Level level, int id, CommandMap::Run run, CommandMap::State enabled,
                               CommandMap::State checked)
{
    if (level != Level::Application && level != Level::MainFrame)
        return false;
    m_maps[level == Level::Application ? 0 : 1].add(id, std::move(run), std::move(enabled),
                                                    std::move(checked));
    // A handler plugged in later shows at once on the actions of its id.
    for (const Registered& r : std::as_const(m_actions))
        if (r.action && idOf(r.action) == id)
            r.action->setEnabled(isEnabled(id, r.owner));
    return true;
}

CommandMap& CommandRouter::ownCommands(QObject* owner)
{
    if (!m_own.contains(owner))
        connect(owner, &QObject::destroyed, this, [this, owner] { m_own.remove(owner); });
    return m_own[owner];
}

const CommandMap::Entry* CommandRouter::findEntry(int id, const QObject* owner, int* level) const
{
    using L = Level;
    if (owner) {
        const auto own = m_own.constFind(owner);
        if (const CommandMap::Entry* e = own != m_own.constEnd() ? own->find(id) : nullptr) {
            if (level)
                *level = static_cast<int>(L::Widget);
            return e;
        }
    }
    static constexpr L withChart[] = {L::View, L::Document, L::ChildFrame, L::Application, L::MainFrame};
    static constexpr L withoutChart[] = {L::MainFrame, L::Application};
    const bool chartActive = map(L::View) || map(L::Document) || map(L::ChildFrame);
    const std::span<const L> order =
        chartActive ? std::span<const L>(withChart) : std::span<const L>(withoutChart);
    for (const L l : order) {
        const CommandMap* m = map(l);
        if (const CommandMap::Entry* e = m ? m->find(id) : nullptr) {
            if (level)
                *level = static_cast<int>(l);
            return e;
        }
    }
    return nullptr;
}

int CommandRouter::handlerLevel(int id, const QObject* owner) const
{
    int level = -1;
    findEntry(id, owner, &level);
    return level;
}

bool CommandRouter::isEnabled(int id, const QObject* owner) const
{
    const CommandMap::Entry* e = findEntry(id, owner);
    return e && (!e->enabled || e->enabled());
}

bool CommandRouter::isChecked(int id, const QObject* owner) const
{
    const CommandMap::Entry* e = findEntry(id, owner);
    return e && e->checked && e->checked();
}

bool CommandRouter::dispatch(int id, const QObject* owner)
{
    const CommandMap::Entry* e = findEntry(id, owner);
    if (!e || (e->enabled && !e->enabled()) || !e->run)
        return false;
    // The handler may replace its own entry (or the chart window it lives in):
    // run a copy.
    const CommandMap::Run run = e->run;
    run();
    updateActions();
    return true;
}

int CommandRouter::idOf(const QAction* action)
{
    bool ok = false;
    const int id = action ? action->data().toInt(&ok) : 0;
    return ok ? id : 0;
}

void CommandRouter::addAction(QAction* action, QObject* owner)
{
    if (!action || std::any_of(m_actions.cbegin(), m_actions.cend(), [action](const Registered& r) {
            return r.action == action;
        }))
        return;
    m_actions << Registered{action, owner};
    connect(action, &QAction::triggered, this, [this, action, owner] {
        const int id = idOf(action);
        if (action->isCheckable())
            action->setChecked(isChecked(id, owner));  // the handler decides the mark
        dispatch(id, owner);
    });
    action->setEnabled(isEnabled(idOf(action), owner));
}

void CommandRouter::addMenu(QMenu* menu, QObject* owner)
{
    for (QAction* a : menu->actions())
        if (idOf(a) != 0)
            addAction(a, owner);
    watchMenu(menu);
}

void CommandRouter::popup(QMenu* menu, QObject* owner, const QPoint& at)
{
    addMenu(menu, owner);
    menu->exec(at);
}

void CommandRouter::watchMenu(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, &CommandRouter::updateActions);
}

void CommandRouter::updateActions()
{
    for (qsizetype i = m_actions.size() - 1; i >= 0; --i) {
        QAction* a = m_actions[i].action;
        if (!a) {
            m_actions.removeAt(i);
            continue;
        }
        const QObject* owner = m_actions[i].owner;
        const int id = idOf(a);
        const bool enabled = isEnabled(id, owner);
        if (a->isEnabled() != enabled)
            a->setEnabled(enabled);
        if (a->isCheckable()) {
            const bool checked = isChecked(id, owner);
            if (a->isChecked() != checked)
                a->setChecked(checked);
        }
    }
}

QList<QAction*> CommandRouter::actions() const
{
    QList<QAction*> list;
    for (const Registered& r : m_actions)
        if (r.action)
            list << r.action.data();
    return list;
}

}  // namespace vantrel
