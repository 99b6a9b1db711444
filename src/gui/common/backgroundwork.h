#pragma once

#include "threads/workcontrol.h"

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace vantrel {

/// Work started on a thread of its own under a WorkControl, so that the
/// interface thread stays free to show its progress and to stop it. The
/// work must not touch what the interface thread reads or changes meanwhile;
/// it works on a copy that its caller takes over once it has finished.
class BackgroundWork {
public:
    /// Starts `work` at once.
    explicit BackgroundWork(std::function<void()> work);
    /// Asks the work to stop and waits for its thread.
    ~BackgroundWork();
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    /// Waits at most `ms` milliseconds; true when the work has finished.
    bool waitFor(int ms);
    /// Waits until the work has finished.
    void wait();
    bool finished() const;
    /// The share done so far in thousandths (see WorkControl::Permille()).
    int permille() const { return m_control.Permille(); }
    /// Asks the work to stop at its next stop point; it is cancelled from
    /// now on, whether or not it had finished.
    void cancel();
    bool cancelled() const { return m_control.StopRequested(); }
    /// Once finished: throws again what the work threw (WorkStopped when it
    /// stopped at a stop point).
    void rethrow() const;

private:
    WorkControl m_control;
    mutable std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::exception_ptr m_failure;
    std::thread m_thread;
};

}  // namespace vantrel
