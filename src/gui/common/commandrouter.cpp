#include "commandrouter.h"

#include <QAction>
#include <QMenu>

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
    for (const auto& a : std::as_const(m_actions))
        if (a && idOf(a) == id)
            a->setEnabled(isEnabled(id));
    return true;
}

const CommandMap::Entry* CommandRouter::findEntry(int id, int* level) const
{
    using L = Level;
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

int CommandRouter::handlerLevel(int id) const
{
    int level = -1;
    findEntry(id, &level);
    return level;
}

bool CommandRouter::isEnabled(int id) const
{
    const CommandMap::Entry* e = findEntry(id);
    return e && (!e->enabled || e->enabled());
}

bool CommandRouter::isChecked(int id) const
{
    const CommandMap::Entry* e = findEntry(id);
    return e && e->checked && e->checked();
}

bool CommandRouter::dispatch(int id)
{
    const CommandMap::Entry* e = findEntry(id);
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

void CommandRouter::addAction(QAction* action)
{
    if (!action || m_actions.contains(action))
        return;
    m_actions << action;
    connect(action, &QAction::triggered, this, [this, action] {
        const int id = idOf(action);
        if (action->isCheckable())
            action->setChecked(isChecked(id));  // the handler decides the mark
        dispatch(id);
    });
    const int id = idOf(action);
    action->setEnabled(isEnabled(id));
}

void CommandRouter::watchMenu(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, &CommandRouter::updateActions);
}

void CommandRouter::updateActions()
{
    for (qsizetype i = m_actions.size() - 1; i >= 0; --i) {
        QAction* a = m_actions[i];
        if (!a) {
            m_actions.removeAt(i);
            continue;
        }
        const int id = idOf(a);
        const bool enabled = isEnabled(id);
        if (a->isEnabled() != enabled)
            a->setEnabled(enabled);
        if (a->isCheckable()) {
            const bool checked = isChecked(id);
            if (a->isChecked() != checked)
                a->setChecked(checked);
        }
    }
}

QList<QAction*> CommandRouter::actions() const
{
    QList<QAction*> list;
    for (const auto& a : m_actions)
        if (a)
            list << a.data();
    return list;
}

}  // namespace vantrel
