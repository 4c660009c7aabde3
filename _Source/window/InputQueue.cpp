#include "window/InputQueue.h"

namespace dh {

void InputQueue::push(const PlatformEvent& event)
{
    if (count_ == kCapacity)
        return;
    events_[(first_ + count_) % kCapacity] = event;
    ++count_;
}

bool InputQueue::take(PlatformEvent& event)
{
    if (count_ == 0)
        return false;
    event = events_[first_];
    first_ = (first_ + 1) % kCapacity;
    --count_;
    return true;
}

void InputQueue::clear()
{
    first_ = 0;
    count_ = 0;
}

}
