#pragma once
#include <functional>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

#include "gui/Dialogs.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"

namespace testsupport {

// Presses or releases a key as the keyboard does: its held state for polling
// and, when that changes, the press or release event.
inline void holdKey(unsigned key, bool held)
{
    if (dh::isKeyHeld(key) == held)
        return;
    dh::injectKeyState(key, held);
    using Type = dh::PlatformEvent::Type;
    dh::platformPostEvent({.type = held ? Type::KeyDown : Type::KeyUp, .key = key});
}

// Steps run at the start of the dialog loop's passes; a dialog still open
// after kMaxFrames passes fails the test instead of hanging it.
class DialogScript {
public:
    static constexpr int kMaxFrames = 400;

    DialogScript()
    {
        dh::g_dialogFrameHook = [this](int frame) {
            lastFrame = frame;
            if (auto found = steps.find(frame); found != steps.end())
                for (const std::function<void()>& step : found->second)
                    step();
            if (frame >= kMaxFrames)
                throw std::runtime_error("the dialog did not end");
        };
    }
    ~DialogScript()
    {
        dh::g_dialogFrameHook = nullptr;
        dh::clearInjectedKeys();
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    void at(int frame, std::function<void()> step) { steps[frame].push_back(std::move(step)); }

    std::map<int, std::vector<std::function<void()>>> steps;
    int lastFrame = -1;
};

}
