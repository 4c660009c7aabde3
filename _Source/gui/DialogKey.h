#pragma once
#include "platform/PlatformEvents.h"

namespace dh {

class InputQueue;

// A key a dialog answers to, read from the window's queued key events. A press
// counts only when the key was up as the dialog opened or has been released
// since, so the Enter that closed one dialog, still held or repeating, cannot
// answer the next one.
class DialogKey {
public:
    explicit DialogKey(unsigned virtualKey);

    // Whether the event is a press of this key that counts.
    bool pressedBy(const PlatformEvent& event);
    // Takes the queued events up to the first press that counts; true when
    // there was one.
    bool takePress(InputQueue& queue);

private:
    unsigned virtualKey_;
    bool armed_;
};

}
