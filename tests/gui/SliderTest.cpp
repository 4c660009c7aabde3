#include <gtest/gtest.h>

#include "gui/GuiSlider.h"
#include "gui/GuiTestSupport.h"

namespace dh {
namespace {

TEST(GuiSlider, DragMovesTheKnobAndPinsItAtBothEnds)
{
    guitest::CallLog log;
    GuiSlider slider;
    slider.x = 200;
    slider.y = 40;
    slider.listener = &log;
    slider.onMouseDown(205, 45, 1);
    ASSERT_TRUE(slider.dragging);
    slider.onMouseMove(235, 45);
    EXPECT_EQ(slider.knobOffset, 30);
    // 150 wide: the knob stops at width - 13 = 137, where t = 1.
    slider.onMouseMove(349, 45);
    EXPECT_EQ(slider.knobOffset, 137);
    EXPECT_FLOAT_EQ(slider.position(), 1.0f);
    slider.onMouseMove(100, 45);
    EXPECT_EQ(slider.knobOffset, 0);
    EXPECT_FLOAT_EQ(slider.position(), 0.0f);
    slider.onMouseUp(100, 45, 1);
    slider.onMouseMove(300, 45);
    EXPECT_EQ(slider.knobOffset, 0);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"move 235 45", "move 349 45", "move 100 45"}));
}

TEST(GuiSlider, OnlyALeftPressOnTheKnobStartsADrag)
{
    GuiSlider slider;
    slider.x = 10;
    slider.knobOffset = 20;
    for (auto [x, button] : {std::pair{29, 1}, {43, 1}, {35, 2}}) {
        slider.onMouseDown(x, 5, button);
        EXPECT_FALSE(slider.dragging) << x << " " << button;
    }
    slider.onMouseDown(42, 5, 1);
    EXPECT_TRUE(slider.dragging);
    // Only the left button's release ends the drag; leaving ends it too.
    slider.onMouseUp(42, 5, 2);
    EXPECT_TRUE(slider.dragging);
    slider.onMouseLeave();
    EXPECT_FALSE(slider.dragging);
}

TEST(GuiSlider, ValueRunsFromMinimumToMaximum)
{
    GuiSlider slider;
    slider.minValue = 0.5f;
    slider.maxValue = 2.0f;
    slider.knobOffset = 137;
    EXPECT_FLOAT_EQ(slider.value(), 2.0f);
    slider.knobOffset = 68;
    EXPECT_FLOAT_EQ(slider.value(), 0.5f + 1.5f * (68.0f / 137.0f));
    // No room to move: the knob stays at the start instead of dividing by zero.
    slider.width = 13;
    slider.knobOffset = 0;
    EXPECT_FLOAT_EQ(slider.value(), 0.5f);
}

}
}
