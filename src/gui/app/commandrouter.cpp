#include "commandrouter.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

CommandRouter::CommandRouter(QObject* parent) : QObject(parent) {}

CommandMap* CommandRouter::map(Level level)
{
    switch (level) {
    case Level::Application:
        return &m_maps[0];
    case Level::MainFrame:
        return &m_maps[1];
    default:
        return nullptr;
    }
}

bool CommandRouter::addHandler(Level level, int id, CommandMap::Run run, CommandMap::State enabled,
                               CommandMap::State checked)
{
    CommandMap* m = map(level);
    if (!m)
        return false;
    m->add(id, std::move(run), std::move(enabled), std::move(checked));
    return true;
}

void CommandRouter::removeHandler(Level level, int id)
{
    if (CommandMap* m = map(level))
        m->remove(id);
}

const CommandMap::Entry* CommandRouter::findEntry(int id, int* level) const
{
    for (int l = 0; l < kLevelCount; ++l) {
        const auto lv = static_cast<Level>(l);
        const CommandMap* m = nullptr;
        if (lv == Level::Application)
            m = &m_maps[0];
        else if (lv == Level::MainFrame)
            m = &m_maps[1];
        else if (m_chartMaps)
            m = m_chartMaps(lv);
        if (!m)
            continue;
        if (const CommandMap::Entry* e = m->find(id)) {
            if (level)
                *level = l;
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
    Q_EMIT commandStarting(id);
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
