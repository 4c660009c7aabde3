#pragma once
#include <cstdint>

namespace dh {

// Wall-clock frame timer on the process clock in milliseconds.
class FrameTimer {
public:
    FrameTimer();

    // Measures the time since the last tick or reset.
    void tick();
    // Starts measuring from now, with no time elapsed.
    void reset();

    std::uint32_t ticksPerSecond = 1000;
    std::uint32_t lastClock = 0;
    std::uint32_t deltaTicks = 0;
    float deltaSeconds = 0.0f;
};

}
