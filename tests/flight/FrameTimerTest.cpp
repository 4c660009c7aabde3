#include "flight/FrameTimer.h"
#include "platform/PlatformEvents.h"

#include <gtest/gtest.h>

TEST(FrameTimer, MeasuresMillisecondsAcrossTheClockWrap)
{
    std::uint32_t now = 1000;
    dh::platformOverrideClock(&now);
    dh::FrameTimer timer;
    EXPECT_EQ(timer.lastClock, 1000u);
    now = 1200;
    timer.tick();
    EXPECT_EQ(timer.deltaTicks, 200u);
    EXPECT_FLOAT_EQ(timer.deltaSeconds, 0.2f);

    now = 0xFFFFFFF0u;
    timer.reset();
    EXPECT_EQ(timer.deltaTicks, 0u);
    now = 0x10u;
    timer.tick();
    EXPECT_EQ(timer.deltaTicks, 0x20u);
    EXPECT_FLOAT_EQ(timer.deltaSeconds, 0.032f);
    dh::platformOverrideClock(nullptr);
}
