#pragma once
// The game objects a frame created: those listed after it that were not
// listed before it. Needs no memory of its own, so that it can run between
// frames whose allocations are being counted.
#include "flight/ObjectList.h"

#include <array>
#include <cstdint>

namespace bench {

class NewObjects {
public:
    void remember(const dh::ObjectList& objects);
    std::uint32_t countNew(const dh::ObjectList& objects) const;

private:
    std::array<const dh::GameObject*, dh::ObjectList::kMaxStatic + dh::ObjectList::kMaxMoving> seen_{};
    std::uint32_t count_ = 0;
};

}
