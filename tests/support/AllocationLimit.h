#pragma once
// Replaces the global operator new of the test program that includes it (in
// exactly one source file): while a limit is set, any single allocation above
// it throws std::bad_alloc, as a machine out of memory would. Every call is
// counted, so that a test can check that some work allocates nothing.
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>

namespace testsupport {

inline std::size_t g_allocationLimit = std::numeric_limits<std::size_t>::max();
inline std::atomic<std::size_t> g_allocationCount{0};

// Sets the limit for its lifetime.
class AllocationLimit {
public:
    explicit AllocationLimit(std::size_t bytes) { g_allocationLimit = bytes; }
    ~AllocationLimit() { g_allocationLimit = std::numeric_limits<std::size_t>::max(); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;
};

}

void* operator new(std::size_t size)
{
    testsupport::g_allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (size > testsupport::g_allocationLimit) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

// Kept out of line: inlined, GCC would pair the callers' operator new with
// this free and warn of a mismatch.
[[gnu::noinline]] void operator delete(void* p) noexcept
{
    std::free(p);
}

[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
