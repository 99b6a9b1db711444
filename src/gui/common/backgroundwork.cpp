#include "common/backgroundwork.h"

#include <chrono>

namespace vantrel {

BackgroundWork::BackgroundWork(std::function<void()> work)
    : m_thread([this, work = std::move(work)] {
          std::exception_ptr failure;
          {
              const WorkScope scope(&m_control);
              try {
                  work();
              } catch (...) {
                  failure = std::current_exception();
              }
          }
          const std::lock_guard<std::mutex> lock(m_mutex);
          m_failure = failure;
          m_done = true;
          m_finished.notify_all();
      })
{}

BackgroundWork::~BackgroundWork()
{
    cancel();
    m_thread.join();
}

bool BackgroundWork::waitFor(int ms)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_finished.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_done; });
}

void BackgroundWork::wait()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_finished.wait(lock, [this] { return m_done; });
}

bool BackgroundWork::finished() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_done;
}

void BackgroundWork::cancel()
{
    m_control.RequestStop();
}

void BackgroundWork::rethrow() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_failure)
        std::rethrow_exception(m_failure);
}

}  // namespace vantrel
