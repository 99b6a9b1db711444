#pragma once

#include <cstddef>
#include <exception>
#include <thread>

namespace vantrel {

/// Calls fn(i) for every i in [0, count), the second half on another thread.
/// `fn` must only read shared data (or write to what belongs to its own i).
/// Small counts run on the calling thread. An exception thrown by fn is
/// thrown again here once both halves are done.
template <typename Fn>
void ForEachOnTwoThreads(std::size_t count, Fn&& fn)
{
    if (count < 4) {
        for (std::size_t i = 0; i < count; ++i)
            fn(i);
        return;
    }
    const std::size_t half = count / 2;
    std::exception_ptr failure;
    std::thread other([&] {
        try {
            for (std::size_t i = half; i < count; ++i)
                fn(i);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    std::exception_ptr mine;
    try {
        for (std::size_t i = 0; i < half; ++i)
            fn(i);
    } catch (...) {
        mine = std::current_exception();
    }
    other.join();
    if (mine)
        std::rethrow_exception(mine);
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace vantrel
