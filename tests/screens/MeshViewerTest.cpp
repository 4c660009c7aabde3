#include "platform/PlatformEvents.h"
#include "screens/GuiMeshViewer.h"

#include <gtest/gtest.h>

namespace dh {
namespace {

TEST(MeshViewer, SpinsOneRadianPerSecondOfItsOwnTimeAcrossAClockWrap)
{
    std::uint32_t now = 0xFFFFFF00u;
    platformOverrideClock(&now);
    GuiMeshViewer first;
    now = 0xFFFFFF00u + 500;
    GuiMeshViewer second;
    second.spinX = false;
    second.angleX = 0.5f;
    now = 0x100;
    first.advanceSpin(now);
    second.advanceSpin(now);
    EXPECT_FLOAT_EQ(first.angleY, 0.512f);
    EXPECT_FLOAT_EQ(first.angleX, 0.512f);
    EXPECT_FLOAT_EQ(second.angleY, 0.012f);
    EXPECT_FLOAT_EQ(second.angleX, 0.5f);
    // Not painted for a while: the whole gap at once.
    first.advanceSpin(0x100 + 60000);
    EXPECT_FLOAT_EQ(first.angleY, 60.512f);
    platformOverrideClock(nullptr);
}

}
}
