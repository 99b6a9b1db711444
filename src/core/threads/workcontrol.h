#pragma once

#include <atomic>
#include <cstddef>
#include <exception>

namespace vantrel {

/// Thrown at a stop point of work that was asked to stop.
struct WorkStopped : std::exception {
    const char* what() const noexcept override { return "the work was stopped"; }
};

/// Lets another thread follow long work and ask it to stop. The work runs
/// under a WorkScope on its thread; the loops of twothreads.h count their
/// pieces here and, once a stop was asked for, throw WorkStopped before their
/// next piece. Whatever the work had changed by then is half done: work that
/// may be stopped changes a copy, which its caller drops.
class WorkControl {
public:
    void RequestStop() { m_stop.store(true, std::memory_order_relaxed); }
    bool StopRequested() const { return m_stop.load(std::memory_order_relaxed); }
    /// Throws WorkStopped when a stop was asked for.
    void StopPoint() const
    {
        if (StopRequested())
            throw WorkStopped();
    }

    /// The share of the pieces done in the outermost loop running now, in
    /// thousandths; 0 before the first loop. A piece of work with several
    /// loops one after another starts again from 0 with each.
    int Permille() const;

    /// The share done of work that counts its own way (bytes read, say),
    /// in place of the loops' pieces.
    void SetDone(std::size_t done, std::size_t total)
    {
        m_done.store(done, std::memory_order_relaxed);
        m_pieces.store(total, std::memory_order_relaxed);
    }

    /// The control of the work running on this thread, nullptr outside any.
    static WorkControl* Current();

    /// Counts the pieces of one loop when it is the outermost on its thread;
    /// a loop inside another's piece counts nothing.
    class Loop {
    public:
        explicit Loop(std::size_t pieces);
        ~Loop();
        Loop(const Loop&) = delete;
        Loop& operator=(const Loop&) = delete;
        /// The stop point before a piece.
        void Before() const
        {
            if (m_control)
                m_control->StopPoint();
        }
        void Done()
        {
            if (m_counts)
                m_control->m_done.fetch_add(1, std::memory_order_relaxed);
        }

    private:
        WorkControl* m_control;
        bool m_counts;
    };

private:
    friend class WorkScope;

    std::atomic<bool> m_stop{false};
    std::atomic<std::size_t> m_pieces{0};
    std::atomic<std::size_t> m_done{0};
};

/// Makes `control` the current control of this thread for its lifetime (a
/// helper thread of the work takes its caller's, counting no loops of its own).
class WorkScope {
public:
    explicit WorkScope(WorkControl* control, bool helper = false);
    ~WorkScope();
    WorkScope(const WorkScope&) = delete;
    WorkScope& operator=(const WorkScope&) = delete;

private:
    WorkControl* m_previous;
    int m_previousDepth;
};

}  // namespace vantrel
