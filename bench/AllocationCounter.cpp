#include "bench/AllocationCounter.hpp"

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{

// Atomic: the GL driver's threads may allocate while the main thread draws.
std::atomic<std::size_t> counter{0};

void* countedAllocation(std::size_t size, std::size_t alignment = 0) noexcept
{
    counter.fetch_add(1, std::memory_order_relaxed);
    if (alignment == 0)
        return std::malloc(size == 0 ? 1 : size);
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    return std::aligned_alloc(alignment, rounded == 0 ? alignment : rounded);
}

void* countedAllocationOrThrow(std::size_t size, std::size_t alignment = 0)
{
    void* memory = countedAllocation(size, alignment);
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}

} // namespace

namespace bench
{

std::size_t allocations()
{
    return counter.load(std::memory_order_relaxed);
}

} // namespace bench

void* operator new(std::size_t size)
{
    return countedAllocationOrThrow(size);
}
void* operator new[](std::size_t size)
{
    return countedAllocationOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return countedAllocation(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return countedAllocation(size);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return countedAllocationOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return countedAllocationOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return countedAllocation(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return countedAllocation(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
