#include <gtest/gtest.h>

#include "gui/UiSpace.h"

namespace dh {
namespace {

TEST(UiSpace, ScaleFollowsHeightOnWideWindowsAndWidthOtherwise)
{
    EXPECT_FLOAT_EQ(uiScaleFor(800, 600), 1.0f);
    EXPECT_FLOAT_EQ(uiScaleFor(1280, 720), 1.2f);
    EXPECT_NEAR(1280.0f / uiScaleFor(1280, 720), 1066.67f, 0.01f);
    EXPECT_FLOAT_EQ(720.0f / uiScaleFor(1280, 720), 600.0f);
    // 5:4 is narrower than 4:3: the width decides.
    EXPECT_FLOAT_EQ(uiScaleFor(1280, 1024), 1.6f);
    EXPECT_FLOAT_EQ(uiScaleFor(0, 0), 1.0f);

    // Pointer positions truncate toward zero.
    int x = -1, y = -1;
    toVirtual(1279, 719, 1.2f, x, y);
    EXPECT_EQ(x, 1065);
    EXPECT_EQ(y, 599);
    toVirtual(11, 11, 1.2f, x, y);
    EXPECT_EQ(x, 9);
}

}
}
