#include "gui/DialogKey.h"

#include "platform/KeyState.h"

namespace dh {

DialogKey::DialogKey(unsigned virtualKey) : virtualKey_(virtualKey) {}

bool DialogKey::down()
{
    if (!isKeyHeld(virtualKey_)) {
        armed_ = true;
        return false;
    }
    return armed_;
}

}
