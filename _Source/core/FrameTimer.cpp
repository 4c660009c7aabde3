#include "core/FrameTimer.h"

#include "platform/PlatformEvents.h"

namespace dh {

FrameTimer::FrameTimer()
{
    reset();
}

void FrameTimer::tick()
{
    const std::uint32_t now = platformMilliseconds();
    deltaTicks = now - lastClock;
    lastClock = now;
    deltaSeconds = static_cast<float>(deltaTicks) / static_cast<float>(ticksPerSecond);
}

void FrameTimer::reset()
{
    lastClock = platformMilliseconds();
    deltaTicks = 0;
    deltaSeconds = 0.0f;
}

}
