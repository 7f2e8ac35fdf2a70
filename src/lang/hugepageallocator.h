#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// An allocator for large arrays that asks the system for transparent huge
// pages: an index of tens of megabytes then costs a few dozen page faults
// instead of thousands, which matters most on virtual machines. Small
// arrays come from the heap as usual.
template <typename T> struct HugePageAllocator
{
    using value_type = T;

    HugePageAllocator() = default;
    template <typename U> HugePageAllocator(const HugePageAllocator<U> &) noexcept { }

    T *allocate(std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < HugePage)
            return static_cast<T *>(checked(std::malloc(bytes)));
        const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
        void *p = checked(std::aligned_alloc(HugePage, rounded));
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        madvise(p, rounded, MADV_HUGEPAGE);
#endif
        return static_cast<T *>(p);
    }

    void deallocate(T *p, std::size_t) noexcept
    {
        std::free(p);
    }

    template <typename U> bool operator==(const HugePageAllocator<U> &) const noexcept
    {
        return true;
    }
    template <typename U> bool operator!=(const HugePageAllocator<U> &) const noexcept
    {
        return false;
    }

private:
    static constexpr std::size_t HugePage = std::size_t(2) << 20;

    static void *checked(void *p)
    {
        if (!p)
            throw std::bad_alloc();
        return p;
    }
};
