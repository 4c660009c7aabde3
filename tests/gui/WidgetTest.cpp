#include <gtest/gtest.h>

#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTestSupport.h"
#include "platform/Controllers.h"
#include "platform/KeyState.h"
#include "window/GLWindow.h"
#include "window/UiSpace.h"

#include <array>
#include <limits>

// Without a window the screen keeps the reference scale: client and virtual pixels are the same.
namespace dh {
namespace {

using guitest::LoggingWidget;
using guitest::SoundCounter;
using Log = std::vector<std::string>;

template <class W>
std::unique_ptr<W> placed(std::unique_ptr<W> widget, int x, int y, int w, int h)
{
    widget->x = x;
    widget->y = y;
    widget->width = w;
    widget->height = h;
    return widget;
}

std::unique_ptr<LoggingWidget> logging(Log& log, const char* name, int x, int y, int w, int h)
{
    return placed(std::make_unique<LoggingWidget>(log, name), x, y, w, h);
}

GuiButton* addButton(GuiScreen& screen, int x, int y, int& runs)
{
    auto* button = static_cast<GuiButton*>(screen.addWidget(placed(std::make_unique<GuiButton>(), x, y, 100, 20)));
    button->action = [&runs] { ++runs; };
    return button;
}

TEST(GuiButton, PressAndReleaseRunTheActionClickAtThePressHoverOncePerEntry)
{
    SoundCounter sounds;
    int runs = 0;
    GuiScreen screen;
    GuiButton* button = addButton(screen, 100, 50, runs);
    screen.onMouseMove(110, 55);
    screen.onMouseDown(110, 55, 1);
    EXPECT_TRUE(button->pressed);
    EXPECT_EQ(runs, 0);
    const SoundCounter::Counts atPress = sounds.take();
    EXPECT_EQ(atPress.click, 1);
    EXPECT_EQ(atPress.over, 1);
    screen.onMouseUp(112, 56, 1);
    EXPECT_FALSE(button->pressed);
    EXPECT_EQ(sounds.take().click, 0);
    EXPECT_EQ(runs, 1);

    // A release without a press does not run the action.
    screen.onMouseUp(110, 55, 1);
    EXPECT_EQ(runs, 1);

    // A press that leaves the button is cancelled; pressed outside and
    // released on it, no action either.
    screen.onMouseDown(150, 60, 1);
    screen.onMouseMove(250, 60);
    EXPECT_FALSE(button->pressed);
    screen.onMouseUp(250, 60, 1);
    screen.onMouseDown(250, 60, 1);
    screen.onMouseMove(150, 60);
    screen.onMouseUp(150, 60, 1);
    EXPECT_EQ(runs, 1);

    // The hover sound plays once per entry.
    screen.onMouseMove(300, 55);
    sounds.take();
    screen.onMouseMove(99, 55);
    EXPECT_EQ(sounds.take().over, 0);
    screen.onMouseMove(100, 55);
    screen.onMouseMove(199, 69);
    EXPECT_EQ(sounds.take().over, 1);
    // The rectangle is half-open: x + width and y + height are outside.
    screen.onMouseMove(200, 60);
    EXPECT_FALSE(button->highlighted);
    screen.onMouseMove(150, 70);
    screen.onMouseMove(150, 69);
    EXPECT_EQ(sounds.take().over, 1);
}

TEST(GuiButton, OnlyTheLeftButtonsReleaseOverThePressedButtonRunsItsAction)
{
    int leftRuns = 0;
    int rightRuns = 0;
    GuiScreen screen;
    GuiButton* left = addButton(screen, 100, 50, leftRuns);
    addButton(screen, 200, 50, rightRuns);

    // The right and middle buttons click but run nothing, and their release
    // ends the press: a left release after it finds nothing pressed.
    for (int other : {2, 4}) {
        screen.onMouseMove(110, 55);
        screen.onMouseDown(110, 55, other);
        EXPECT_TRUE(left->pressed) << other;
        screen.onMouseUp(110, 55, other);
        EXPECT_FALSE(left->pressed) << other;
        screen.onMouseUp(110, 55, 1);
    }
    screen.onMouseDown(110, 55, 1);
    screen.onMouseUp(110, 55, 4);
    screen.onMouseUp(110, 55, 1);
    EXPECT_EQ(leftRuns, 0);

    // Any button's press arms it; the left button's release over it runs it.
    screen.onMouseDown(110, 55, 2);
    screen.onMouseUp(199, 69, 1);
    EXPECT_EQ(leftRuns, 1);

    // Pressed on one button and released on its neighbour: neither runs.
    screen.onMouseDown(150, 60, 1);
    screen.onMouseMove(250, 60);
    screen.onMouseUp(250, 60, 1);
    // Released beside both buttons after leaving: nothing either.
    screen.onMouseDown(250, 60, 1);
    screen.onMouseMove(250, 75);
    screen.onMouseUp(250, 75, 1);
    EXPECT_EQ(leftRuns, 1);
    EXPECT_EQ(rightRuns, 0);
}

TEST(GuiScreen, OverlappingWidgetsTheLaterGetsTheClickBothGetHoverDisabledOnesNothing)
{
    Log log;
    GuiScreen screen;
    screen.addWidget(logging(log, "a", 0, 0, 100, 100));
    auto* b = static_cast<LoggingWidget*>(screen.addWidget(logging(log, "b", 50, 50, 100, 100)));
    screen.onMouseMove(60, 60);
    screen.onMouseDown(60, 60, 1);
    screen.onMouseUp(70, 70, 1);
    screen.onMouseMove(10, 10);
    screen.onMouseDown(10, 10, 4);
    EXPECT_EQ(log, (Log{"b enter 60 60", "b move 60 60", "a enter 60 60", "a move 60 60", "b down 60 60 1",
                        "b up 70 70 1", "b leave", "a move 10 10", "a down 10 10 4"}));

    // A disabled widget keeps its hover flag and hears nothing; misses reach nobody.
    screen.onMouseMove(60, 60);
    log.clear();
    b->enabled = false;
    screen.onMouseMove(500, 5);
    screen.onMouseDown(60, 60, 1);
    screen.onMouseDown(500, 500, 1);
    EXPECT_TRUE(b->hovered);
    EXPECT_EQ(log, (Log{"a leave", "a down 60 60 1"}));
}

TEST(GuiScreen, AHundredAndTwentyNinthWidgetIsDeleted)
{
    Log log;
    int destroyed = 0;
    {
        GuiScreen screen;
        for (int i = 0; i < 128; ++i)
            ASSERT_NE(screen.addWidget(std::make_unique<LoggingWidget>(log, "w", &destroyed)), nullptr);
        EXPECT_EQ(screen.addWidget(std::make_unique<LoggingWidget>(log, "extra", &destroyed)), nullptr);
        EXPECT_EQ(destroyed, 1);
    }
    EXPECT_EQ(destroyed, 129);

    GuiPanel panel;
    destroyed = 0;
    for (int i = 0; i < 128; ++i)
        panel.addWidget(std::make_unique<LoggingWidget>(log, "w", &destroyed));
    EXPECT_EQ(panel.children[0]->parent, &panel);
    EXPECT_EQ(panel.addWidget(std::make_unique<LoggingWidget>(log, "extra", &destroyed)), nullptr);
    EXPECT_EQ(destroyed, 1);
}

// A button's action can run a loop of its own in which the window is closed
// with this screen as the listener: the button must outlive its own handler.
TEST(GuiScreen, WindowClosedInsideAWidgetsHandlerReleasesItAfterwards)
{
    struct ClosingWidget : GuiWidget {
        GuiScreen* screen = nullptr;
        bool handlerDone = false;
        bool* destroyedAfterHandler = nullptr;
        ~ClosingWidget() override { *destroyedAfterHandler = handlerDone; }
        void onMouseUp(int, int, int) override
        {
            screen->onDestroy();
            handlerDone = true;
        }
    };
    bool destroyedAfterHandler = false;
    GuiScreen screen;
    auto widget = placed(std::make_unique<ClosingWidget>(), 0, 0, 100, 100);
    widget->screen = &screen;
    widget->destroyedAfterHandler = &destroyedAfterHandler;
    screen.addWidget(std::move(widget));
    screen.onMouseUp(10, 10, 1);
    EXPECT_TRUE(destroyedAfterHandler);
    EXPECT_FALSE(screen.widgets[127]);
}

TEST(GuiPanel, ChildrenGetEventsInPanelCoordinatesLaterChildOnTop)
{
    Log log;
    GuiScreen screen;
    auto panel = placed(std::make_unique<GuiPanel>(), 100, 200, 400, 200);
    panel->addWidget(logging(log, "a", 10, 10, 50, 50));
    panel->addWidget(logging(log, "b", 30, 30, 50, 50));
    screen.addWidget(std::move(panel));
    screen.onMouseMove(140, 240);
    screen.onMouseDown(140, 240, 1);
    screen.onMouseUp(115, 215, 1);
    // Leaving the panel's rectangle altogether leaves the children as well.
    screen.onMouseMove(750, 240);
    EXPECT_EQ(log, (Log{"b enter 40 40", "b move 40 40", "a enter 40 40", "a move 40 40", "b down 40 40 1",
                        "a up 15 15 1", "b leave", "a leave"}));
}

TEST(GuiWidget, ColoursAreClampedToTheUnitRange)
{
    GuiWidget widget;
    widget.setColour(-0.5f, 0.25f, 3.0f);
    EXPECT_EQ((std::array{widget.colour.r, widget.colour.g, widget.colour.b}), (std::array{0.0f, 0.25f, 1.0f}));
    widget.setColour(std::numeric_limits<float>::quiet_NaN(), 1.0f, 0.0f);
    EXPECT_EQ(widget.colour.r, 0.0f);
}

TEST(GuiSlider, DragMovesTheKnobAndPinsItAtBothEnds)
{
    std::vector<int> reported;
    GuiSlider slider;
    slider.x = 200;
    slider.y = 40;
    slider.onKnobMoved = [&] { reported.push_back(slider.knobOffset); };
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
    // Each move while dragging is reported once the knob has moved.
    EXPECT_EQ(reported, (std::vector<int>{30, 137, 0}));

    // Only a left press on the knob starts a drag.
    slider.x = 10;
    slider.y = 0;
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
    for (const auto& [offset, value] : {std::pair{137, 2.0f}, {68, 0.5f + 1.5f * (68.0f / 137.0f)}}) {
        slider.knobOffset = offset;
        EXPECT_FLOAT_EQ(slider.value(), value);
    }
    // No room to move: the knob stays at the start instead of dividing by zero.
    slider.width = 13;
    slider.knobOffset = 0;
    EXPECT_FLOAT_EQ(slider.value(), 0.5f);
}

// Pointer positions through the window are checked in the drawing tests.
TEST(UiSpace, ScaleFollowsHeightOnWideWindowsAndWidthOtherwise)
{
    EXPECT_FLOAT_EQ(uiScaleFor(800, 600), 1.0f);
    EXPECT_FLOAT_EQ(uiScaleFor(1280, 720), 1.2f);
    // 5:4 is narrower than 4:3: the width decides.
    EXPECT_FLOAT_EQ(uiScaleFor(1280, 1024), 1.6f);
    // A window without a client area keeps the reference scale.
    EXPECT_FLOAT_EQ(uiScaleFor(0, 0), 1.0f);
}

TEST(GuiScreen, EscapeOrAGamepadsBEndsTheScreenAndItsAClicksWhereThePointerIs)
{
    for (unsigned key : {VK_ESCAPE, VK_PAD_B}) {
        GuiScreen screen;
        screen.running = true;
        screen.onKeyDown(VK_RETURN);
        screen.onKeyDown(VK_PAD_A);
        EXPECT_TRUE(screen.running);
        screen.onKeyDown(key);
        EXPECT_FALSE(screen.running) << key;
    }
    int runs = 0;
    GuiScreen screen;
    addButton(screen, 100, 50, runs);
    g_mouseX = 110;
    g_mouseY = 55;
    screen.onKeyDown(VK_PAD_A);
    EXPECT_EQ(runs, 0);
    screen.onKeyUp(VK_PAD_A);
    EXPECT_EQ(runs, 1);
    g_mouseX = 300;
    screen.onKeyDown(VK_PAD_A);
    screen.onKeyUp(VK_PAD_A);
    EXPECT_EQ(runs, 1);
}

}
}
