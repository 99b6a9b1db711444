#pragma once

#include <QHash>

#include <functional>

namespace vantrel {

/// The commands one object answers: for each id the operation to run and,
/// optionally, whether it is enabled and whether it shows a check mark. An
/// object that has an entry for an id handles it, even while the entry says
/// it is disabled (the command then shows disabled and routing stops there).
class CommandMap {
public:
    using Run = std::function<void()>;
    using State = std::function<bool()>;

    struct Entry {
        Run run;
        State enabled;  ///< empty: always enabled
        State checked;  ///< empty: never checked
    };

    /// Adds or replaces the entry of `id`.
    void add(int id, Run run, State enabled = {}, State checked = {})
    {
        m_entries.insert(id, Entry{std::move(run), std::move(enabled), std::move(checked)});
    }
    const Entry* find(int id) const
    {
        auto it = m_entries.constFind(id);
        return it == m_entries.constEnd() ? nullptr : &it.value();
    }

private:
    QHash<int, Entry> m_entries;
};

}  // namespace vantrel
