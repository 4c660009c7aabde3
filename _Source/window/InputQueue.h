#pragma once
#include <array>
#include <cstddef>

#include "platform/PlatformEvents.h"

namespace dh {

// The window's key presses, key releases and typed characters in the order
// they came, for the dialogs, which take them once a frame, so that no key
// typed between two frames is lost. 256 events hold a whole 32-character name
// typed within one frame, five events a character with Shift. When full, a
// new event is dropped: what was typed first is kept, in order. A dialog
// empties the queue as it opens, so keys meant for something else never reach
// it.
class InputQueue {
public:
    static constexpr std::size_t kCapacity = 256;

    void push(const PlatformEvent& event);
    // The oldest event, removed from the queue; false when there is none.
    bool take(PlatformEvent& event);
    void clear();
    std::size_t size() const { return count_; }

private:
    std::array<PlatformEvent, kCapacity> events_{};
    std::size_t first_ = 0;
    std::size_t count_ = 0;
};

}
