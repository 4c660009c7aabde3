#include "AllocationCount.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kKeptAddresses = 4096;

std::atomic<bool> s_counting{false};
std::atomic<std::uint64_t> s_calls{0};
std::array<std::atomic<const void*>, kKeptAddresses> s_addresses{};

void* counted(void* p)
{
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    if (s_counting.load(std::memory_order_relaxed)) {
        const std::uint64_t call = s_calls.fetch_add(1, std::memory_order_relaxed);
        if (call < kKeptAddresses) {
            s_addresses[call].store(p, std::memory_order_relaxed);
        }
    }
    return p;
}

void* allocate(std::size_t size)
{
    return counted(std::malloc(size == 0 ? 1 : size));
}

void* allocateAligned(std::size_t size, std::align_val_t alignment)
{
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
    return counted(std::aligned_alloc(align, rounded == 0 ? align : rounded));
}

}

namespace bench {

void startCountingNew()
{
    s_calls = 0;
    s_counting = true;
}

std::uint64_t stopCountingNew()
{
    s_counting = false;
    return s_calls;
}

bool allocatedWhileCounting(const void* p)
{
    const std::uint64_t kept = std::min<std::uint64_t>(s_calls, kKeptAddresses);
    for (std::uint64_t i = 0; i < kept; ++i) {
        if (s_addresses[i].load(std::memory_order_relaxed) == p) {
            return true;
        }
    }
    return false;
}

}

void* operator new(std::size_t size)
{
    return allocate(size);
}

void* operator new[](std::size_t size)
{
    return allocate(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new(std::size_t size, std::align_val_t alignment)
{
    return allocateAligned(size, alignment);
}

void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return allocateAligned(size, alignment);
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete[](void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::align_val_t) noexcept
{
    std::free(p);
}

void operator delete[](void* p, std::align_val_t) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}

void operator delete[](void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}
