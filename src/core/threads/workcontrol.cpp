#include "threads/workcontrol.h"

#include <algorithm>

namespace vantrel {

namespace {

thread_local WorkControl* t_control = nullptr;
thread_local int t_loopDepth = 0;  // loops running on this thread; 1 on a helper thread

}  // namespace

int WorkControl::Permille() const
{
    const std::size_t pieces = m_pieces.load(std::memory_order_relaxed);
    if (pieces == 0)
        return 0;
    const std::size_t done = std::min(pieces, m_done.load(std::memory_order_relaxed));
    return static_cast<int>(done * 1000 / pieces);
}

WorkControl* WorkControl::Current()
{
    return t_control;
}

WorkControl::Loop::Loop(std::size_t pieces) : m_control(t_control), m_counts(m_control && t_loopDepth == 0)
{
    ++t_loopDepth;
    if (m_counts) {
        m_control->m_done.store(0, std::memory_order_relaxed);
        m_control->m_pieces.store(pieces, std::memory_order_relaxed);
    }
}

WorkControl::Loop::~Loop()
{
    --t_loopDepth;
}

WorkScope::WorkScope(WorkControl* control, bool helper) : m_previous(t_control), m_previousDepth(t_loopDepth)
{
    t_control = control;
    t_loopDepth = helper ? 1 : 0;
}

WorkScope::~WorkScope()
{
    t_control = m_previous;
    t_loopDepth = m_previousDepth;
}

}  // namespace vantrel
