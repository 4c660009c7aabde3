#include "gui/NameEntryKeys.h"

#include "gui/CommanderName.h"
#include "window/InputQueue.h"

namespace dh {

NameEntryKeys::NameEntryKeys(CommanderName& name) : name_(name) {}

bool NameEntryKeys::typeFrom(InputQueue& queue)
{
    PlatformEvent event;
    while (queue.take(event)) {
        if (escape_.pressedBy(event) || enter_.pressedBy(event) || padOk_.pressedBy(event))
            return true;
        if (event.type == PlatformEvent::Type::Text)
            name_.type(event.text);
        else if (event.type == PlatformEvent::Type::KeyDown && event.key == VK_BACK)
            name_.type(CommanderName::kBackspace);
    }
    return false;
}

}
