#pragma once

namespace vantrel {

/// While one lives on a thread, the two-thread helpers run that thread's work
/// on it alone. For callers that already keep every core busy: a batch runs
/// one input per core, and a second thread per input would only add hand-overs.
class OneThreadScope
{
public:
    OneThreadScope() : m_was(t_active) { t_active = true; }
    ~OneThreadScope() { t_active = m_was; }
    OneThreadScope(const OneThreadScope&) = delete;
    OneThreadScope& operator=(const OneThreadScope&) = delete;

    static bool Active() { return t_active; }

private:
    bool m_was;
    inline static thread_local bool t_active = false;
};

}  // namespace vantrel
