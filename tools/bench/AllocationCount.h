#pragma once
// Counts the program's calls of operator new while counting is on, and keeps
// the first addresses they returned; the replacement operators live in
// AllocationCount.cpp, linked into the benchmark program only.
#include <cstdint>

namespace bench {

void startCountingNew();
// Stops counting and returns the calls since the start.
std::uint64_t stopCountingNew();
// Whether p was returned by one of the calls counted last (up to 4096 of them).
bool allocatedWhileCounting(const void* p);

}
