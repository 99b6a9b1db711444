#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

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
    {
    }

    T* allocate(std::size_t n)
    {
        constexpr std::size_t kHuge = std::size_t{2} << 20;
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kHuge) {
            if (void* p = std::malloc(bytes ? bytes : 1))
                return static_cast<T*>(p);
            throw std::bad_alloc();
        }
        const std::size_t rounded = (bytes + kHuge - 1) / kHuge * kHuge;
        void* p = std::aligned_alloc(kHuge, rounded);
        if (!p)
            throw std::bad_alloc();
        ::madvise(p, rounded, MADV_HUGEPAGE);
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }

    template <typename U>
    bool operator==(const HugeAllocator<U>&) const noexcept
    {
        return true;
    }
};

}  // namespace vantrel
