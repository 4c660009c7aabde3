#pragma once
#include "window/ListenerScope.h"

namespace dh {

// A full-screen effect that runs its own loop (the fade to black, the
// hyperspace tunnel) holds the listener off and keeps both matrices and the
// enables aside while it lives. At its end the kept GL state comes back while
// the window is still open, then the listener.
class FullscreenEffect {
public:
    FullscreenEffect();
    ~FullscreenEffect();
    FullscreenEffect(const FullscreenEffect&) = delete;
    FullscreenEffect& operator=(const FullscreenEffect&) = delete;

private:
    ListenerScope noListener_{nullptr};
};

}
