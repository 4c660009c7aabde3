#pragma once
// Replaces the global operator new of the test program that includes it (in
// exactly one source file): while a limit is set, any single allocation above
// it throws std::bad_alloc, as a machine out of memory would.
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>

namespace testsupport {

inline std::size_t g_allocationLimit = std::numeric_limits<std::size_t>::max();

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
    if (size > testsupport::g_allocationLimit) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
