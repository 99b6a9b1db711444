#pragma once

#include "platform.h"

#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>

namespace vantrel {

/// An allocator for the large arrays of the tables: blocks of 2 MiB and more
/// are whole 2 MiB pieces aligned to 2 MiB. They are not offered as
/// transparent huge pages: the kernel's zeroing and compaction of huge pages
/// for arrays that are filled once cost more than their fewer faults saved,
/// and grew faster than the rows (the pipeline on 2 000 000 rows took twice
/// as long with them).
///
/// Elements made without a value (`resize(n)`) are left uninitialised, so
/// the pages of a large array are first touched by whoever fills it (on
/// several threads, if it is filled so) and not zeroed twice.
template <typename T>
struct HugeAllocator {
    using value_type = T;
    HugeAllocator() = default;
    template <typename U>
    HugeAllocator(const HugeAllocator<U>&) noexcept
    {}

    static constexpr std::size_t kHuge = std::size_t{2} << 20;

    T* allocate(std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kHuge) {
            if (void* p = std::malloc(bytes ? bytes : 1))
                return static_cast<T*>(p);
            throw std::bad_alloc();
        }
        return static_cast<T*>(platform::AllocateHuge(bytes));
    }
    void deallocate(T* p, std::size_t n) noexcept
    {
        if (n * sizeof(T) < kHuge)
            std::free(p);
        else
            platform::FreeHuge(p, n * sizeof(T));
    }

    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        if constexpr (sizeof...(Args) == 0)
            ::new (static_cast<void*>(p)) U;
        else
            ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <typename U>
    bool operator==(const HugeAllocator<U>&) const noexcept
    {
        return true;
    }
};

}  // namespace vantrel
