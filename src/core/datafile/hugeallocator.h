#pragma once

#include "platform.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace vantrel {

/// An allocator for the large arrays of the tables: blocks of 2 MiB and more
/// are aligned to 2 MiB and offered to the kernel as transparent huge pages,
/// which cuts the page faults of filling them by a factor of 512.
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
            platform::FreeHuge(p);
    }

    template <typename U>
    bool operator==(const HugeAllocator<U>&) const noexcept
    {
        return true;
    }
};

}  // namespace vantrel
