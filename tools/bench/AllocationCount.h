#pragma once
// Counts the program's calls of operator new while counting is on; the
// replacement operators live in AllocationCount.cpp, linked into the
// benchmark program only.
#include <cstdint>

namespace bench {

void startCountingNew();
// Stops counting and returns the calls since the start.
std::uint64_t stopCountingNew();

}
