#pragma once
// The game objects a frame created: those listed after it whose memory was
// allocated while the frame's allocations were counted. Comparing the lists
// before and after would miss a new object placed where a deleted one was.
#include "flight/ObjectList.h"

#include <cstdint>

namespace bench {

std::uint32_t countNewObjects(const dh::ObjectList& objects);

}
