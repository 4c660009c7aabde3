#include "platform/PlatformEvents.h"
#include "screens/GuiMeshViewer.h"

#include <gtest/gtest.h>

namespace dh {
namespace {

struct Clock {
    explicit Clock(std::uint32_t start) : now(start) { platformOverrideClock(&now); }
    ~Clock() { platformOverrideClock(nullptr); }
    std::uint32_t now;
};

TEST(MeshViewer, SpinsOneRadianPerSecondOfItsOwnTime)
{
    Clock clock(10000);
    GuiMeshViewer first;
    EXPECT_EQ(first.lastClock, 10000u);
    EXPECT_EQ(first.width, 100);
    EXPECT_EQ(first.height, 20);
    EXPECT_FLOAT_EQ(first.distance, 1.0f);
    EXPECT_EQ(first.mesh, nullptr);
    clock.now = 10500;
    GuiMeshViewer second;
    second.spinX = false;
    second.angleX = 0.5f;

    clock.now = 12000;
    first.advanceSpin(clock.now);
    second.advanceSpin(clock.now);
    EXPECT_EQ(first.deltaTicks, 2000u);
    EXPECT_FLOAT_EQ(first.angleY, 2.0f);
    EXPECT_FLOAT_EQ(first.angleX, 2.0f);
    EXPECT_EQ(second.deltaTicks, 1500u);
    EXPECT_FLOAT_EQ(second.angleY, 1.5f);
    EXPECT_FLOAT_EQ(second.angleX, 0.5f);

    // Not painted for a while: the whole gap at once.
    first.advanceSpin(72000);
    EXPECT_FLOAT_EQ(first.deltaSeconds, 60.0f);
    EXPECT_FLOAT_EQ(first.angleY, 62.0f);
}

TEST(MeshViewer, TheClockMayWrap)
{
    Clock clock(0xFFFFFF00u);
    GuiMeshViewer viewer;
    viewer.spinX = false;
    viewer.advanceSpin(0x100);
    EXPECT_EQ(viewer.deltaTicks, 0x200u);
    EXPECT_FLOAT_EQ(viewer.angleY, 0.512f);
    EXPECT_FLOAT_EQ(viewer.angleX, 0.0f);
}

}
}
