#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "threads/onethreadscope.h"
#include "threads/workcontrol.h"

namespace vantrel {

/// Calls fn(i) for every i in [0, count), the second half on another thread.
/// `fn` must only read shared data (or write to what belongs to its own i).
/// Small counts run on the calling thread. An exception thrown by fn is
/// thrown again here once both halves are done. Under a WorkScope every
/// index is a piece of the work and a stop point. Under a OneThreadScope
/// everything runs on the calling thread.
template <typename Fn>
void ForEachOnTwoThreads(std::size_t count, Fn&& fn)
{
    WorkControl::Loop loop(count);
    const auto piece = [&](std::size_t i) {
        loop.Before();
        fn(i);
        loop.Done();
    };
    if (count < 4 || OneThreadScope::Active()) {
        for (std::size_t i = 0; i < count; ++i)
            piece(i);
        return;
    }
    const std::size_t half = count / 2;
    std::exception_ptr failure;
    WorkControl* const control = WorkControl::Current();
    std::thread other([&] {
        const WorkScope scope(control, true);
        try {
            for (std::size_t i = half; i < count; ++i)
                piece(i);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    std::exception_ptr mine;
    try {
        for (std::size_t i = 0; i < half; ++i)
            piece(i);
    } catch (...) {
        mine = std::current_exception();
    }
    other.join();
    if (mine)
        std::rethrow_exception(mine);
    if (failure)
        std::rethrow_exception(failure);
}

/// Works out pieces 0 .. count-1 with produce(i, slot) on two threads and
/// hands each to consume(i, slot) on the calling thread, in order: the second
/// thread keeps producing while the calling thread consumes, so work that
/// must stay in order (storing texts, writing a file) overlaps the rest.
/// `produce` must only read shared data and write its slot; a slot is reused
/// once consumed, and at most a few pieces wait at any time. An exception
/// from either callback stops the work and is thrown again here. Under a
/// WorkScope every piece is a piece of the work and a stop point. Under a
/// OneThreadScope each piece is produced and consumed on the calling thread.
template <typename Slot, typename Produce, typename Consume>
void ProduceOnTwoThreadsInOrder(std::size_t count, Produce&& produce, Consume&& consume)
{
    WorkControl::Loop loop(count);
    if (count < 2 || OneThreadScope::Active()) {
        Slot slot{};
        for (std::size_t i = 0; i < count; ++i) {
            loop.Before();
            produce(i, slot);
            consume(i, slot);
            loop.Done();
        }
        return;
    }
    WorkControl* const control = WorkControl::Current();
    constexpr std::size_t kRing = 6;
    std::vector<Slot> slots(kRing);
    std::vector<char> ready(kRing, 0);
    std::size_t next = 0;      // the next piece to produce
    std::size_t consumed = 0;  // pieces consumed so far
    bool stop = false;
    std::exception_ptr failure;
    std::mutex mutex;
    std::condition_variable changed;
    const auto fail = [&] {
        std::lock_guard<std::mutex> lock(mutex);
        if (!failure)
            failure = std::current_exception();
        stop = true;
        changed.notify_all();
    };
    const auto produced = [&](std::size_t i) {
        std::lock_guard<std::mutex> lock(mutex);
        ready[i % kRing] = 1;
        changed.notify_all();
    };
    std::thread other([&] {
        const WorkScope scope(control, true);
        for (;;) {
            std::size_t i;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return stop || next >= count || next < consumed + kRing; });
                if (stop || next >= count)
                    return;
                i = next++;
            }
            try {
                loop.Before();
                produce(i, slots[i % kRing]);
            } catch (...) {
                fail();
                return;
            }
            produced(i);
        }
    });
    while (true) {
        std::size_t mine = count;
        {
            std::unique_lock<std::mutex> lock(mutex);
            if (stop || consumed == count)
                break;
            if (!ready[consumed % kRing]) {
                if (next < count && next < consumed + kRing) {
                    mine = next++;
                } else {
                    changed.wait(lock, [&] { return stop || ready[consumed % kRing]; });
                    continue;
                }
            }
        }
        try {
            if (mine < count) {
                loop.Before();
                produce(mine, slots[mine % kRing]);
                produced(mine);
                continue;
            }
            consume(consumed, slots[consumed % kRing]);
            loop.Done();
        } catch (...) {
            fail();
            break;
        }
        std::lock_guard<std::mutex> lock(mutex);
        ready[consumed % kRing] = 0;
        ++consumed;
        changed.notify_all();
    }
    other.join();
    if (failure)
        std::rethrow_exception(failure);
}

/// Fills slots one after another with fill(slot) on a second thread, which
/// returns true for the last one, while the calling thread hands each filled
/// slot to take(slot) in the same order: reading ahead of the work on what was
/// read. The `kSlots` slots are reused round a ring, so a slot keeps what it
/// held (its buffers) for the next fill. An exception from take stops the
/// filling; one from fill ends it after the slots filled before. Either is
/// thrown again here once the second thread is done. Under a OneThreadScope
/// fill and take take turns on the calling thread.
template <typename Slot, std::size_t kSlots = 3, typename Fill, typename Take>
void FillAheadInOrder(Fill&& fill, Take&& take)
{
    static_assert(kSlots >= 2);
    if (OneThreadScope::Active()) {
        Slot slot{};
        for (bool end = false; !end;) {
            end = fill(slot);
            take(slot);
        }
        return;
    }
    std::array<Slot, kSlots> slots{};
    std::size_t filled = 0, taken = 0;
    bool last = false, stop = false;
    std::exception_ptr failure;
    std::mutex mutex;
    std::condition_variable changed;
    std::thread other([&] {
        for (std::size_t i = 0;; ++i) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return stop || i < taken + kSlots; });
                if (stop)
                    return;
            }
            bool end = true;
            try {
                end = fill(slots[i % kSlots]);
            } catch (...) {
                std::lock_guard<std::mutex> lock(mutex);
                failure = std::current_exception();
            }
            {
                std::lock_guard<std::mutex> lock(mutex);
                filled += failure ? 0 : 1;
                last = end;
            }
            changed.notify_all();
            if (end)
                return;
        }
    });
    try {
        for (;;) {
            Slot* slot;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return taken < filled || last; });
                if (taken == filled)
                    break;
                slot = &slots[taken % kSlots];
            }
            take(*slot);
            {
                std::lock_guard<std::mutex> lock(mutex);
                ++taken;
            }
            changed.notify_all();
        }
    } catch (...) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stop = true;
        }
        changed.notify_all();
        other.join();
        throw;
    }
    other.join();
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace vantrel
