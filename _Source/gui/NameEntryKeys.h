#pragma once
#include "gui/DialogKey.h"
#include "platform/Controllers.h"
#include "platform/KeyState.h"

namespace dh {

class CommanderName;
class InputQueue;

// The name entry's keyboard, read from the window's queued key events in the
// order they came: typed characters go into the name, Backspace takes one out,
// and Escape, Enter or a gamepad's A (the dialog's Ok) ends the entry,
// keeping the name.
class NameEntryKeys {
public:
    explicit NameEntryKeys(CommanderName& name);

    // Types every queued key into the name; true once a key ends the
    // entry, the keys after it left in the queue.
    bool typeFrom(InputQueue& queue);

private:
    CommanderName& name_;
    DialogKey escape_{VK_ESCAPE};
    DialogKey enter_{VK_RETURN};
    DialogKey padOk_{VK_PAD_A};
};

}
