#include "gui/DialogKey.h"

#include "platform/KeyState.h"
#include "window/InputQueue.h"

namespace dh {

DialogKey::DialogKey(unsigned virtualKey) : virtualKey_(virtualKey), armed_(!isKeyHeld(virtualKey)) {}

bool DialogKey::pressedBy(const PlatformEvent& event)
{
    if (event.key != virtualKey_)
        return false;
    if (event.type == PlatformEvent::Type::KeyUp)
        armed_ = true;
    return event.type == PlatformEvent::Type::KeyDown && armed_;
}

bool DialogKey::takePress(InputQueue& queue)
{
    PlatformEvent event;
    while (queue.take(event))
        if (pressedBy(event))
            return true;
    return false;
}

}
