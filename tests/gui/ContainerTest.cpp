#include <gtest/gtest.h>

#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "gui/GuiTestSupport.h"
#include "platform/KeyState.h"
#include "shell/GLWindow.h"

#include <limits>

namespace dh {
namespace {

using guitest::LoggingWidget;
using Log = std::vector<std::string>;

LoggingWidget* place(LoggingWidget* widget, int x, int y, int w, int h)
{
    widget->x = x;
    widget->y = y;
    widget->width = w;
    widget->height = h;
    return widget;
}

TEST(GuiScreen, OverlappingWidgetsTheLaterGetsTheClickBothGetHover)
{
    Log log;
    GuiScreen screen;
    screen.addWidget(std::unique_ptr<GuiWidget>(place(new LoggingWidget(log, "a"), 0, 0, 100, 100)));
    screen.addWidget(std::unique_ptr<GuiWidget>(place(new LoggingWidget(log, "b"), 50, 50, 100, 100)));
    EXPECT_TRUE(screen.widgets[127]);
    EXPECT_TRUE(screen.widgets[126]);

    screen.onMouseMove(60, 60);
    screen.onMouseDown(60, 60, 1);
    screen.onMouseUp(70, 70, 1);
    screen.onMouseMove(10, 10);
    screen.onMouseDown(10, 10, 4);
    EXPECT_EQ(log, (Log{"b enter 60 60", "b move 60 60", "a enter 60 60", "a move 60 60", "b down 60 60 1",
                        "b up 70 70 1", "b leave", "a move 10 10", "a down 10 10 4"}));
}

TEST(GuiScreen, DisabledWidgetsAreSkippedAndMissesReachNobody)
{
    Log log;
    GuiScreen screen;
    LoggingWidget* a = place(new LoggingWidget(log, "a"), 0, 0, 100, 100);
    LoggingWidget* b = place(new LoggingWidget(log, "b"), 0, 0, 100, 100);
    screen.addWidget(std::unique_ptr<GuiWidget>(a));
    screen.addWidget(std::unique_ptr<GuiWidget>(b));
    screen.onMouseMove(5, 5);
    log.clear();

    // A disabled widget keeps its hover flag and hears nothing.
    b->enabled = false;
    screen.onMouseMove(500, 5);
    screen.onMouseDown(5, 5, 1);
    screen.onMouseDown(500, 500, 1);
    EXPECT_TRUE(b->hovered);
    EXPECT_FALSE(a->hovered);
    EXPECT_EQ(log, (Log{"a leave", "a down 5 5 1"}));
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
        EXPECT_EQ(screen.widgets[0]->parent, nullptr);
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

TEST(GuiScreen, EscapeEndsTheScreenAndDestroyEmptiesIt)
{
    Log log;
    int destroyed = 0;
    GuiScreen screen;
    screen.addWidget(std::make_unique<LoggingWidget>(log, "w", &destroyed));
    screen.running = true;
    screen.onKeyDown(VK_RETURN);
    screen.onKeyDown(VK_SPACE);
    EXPECT_TRUE(screen.running);
    screen.onKeyDown(VK_ESCAPE);
    EXPECT_FALSE(screen.running);

    screen.onDestroy();
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(screen.widgets[127]);
    // A widget can be added again after the screen has been emptied.
    EXPECT_NE(screen.addWidget(std::make_unique<LoggingWidget>(log, "again")), nullptr);
    EXPECT_TRUE(screen.widgets[127]);
}

// A button's action can run a loop of its own in which the window is closed
// with this screen as the listener: the button must outlive its own handler.
TEST(GuiScreen, WindowClosedInsideAWidgetsHandlerReleasesItAfterwards)
{
    struct ClosingWidget : GuiWidget {
        GuiScreen* screen = nullptr;
        bool* handlerDone = nullptr;
        bool* destroyedAfterHandler = nullptr;
        ~ClosingWidget() override { *destroyedAfterHandler = *handlerDone; }
        void onMouseUp(int, int, int) override
        {
            screen->onDestroy();
            *handlerDone = true;
        }
    };
    bool handlerDone = false;
    bool destroyedAfterHandler = false;
    GuiScreen screen;
    auto widget = std::make_unique<ClosingWidget>();
    widget->width = widget->height = 100;
    widget->screen = &screen;
    widget->handlerDone = &handlerDone;
    widget->destroyedAfterHandler = &destroyedAfterHandler;
    screen.addWidget(std::move(widget));

    screen.onMouseUp(10, 10, 1);
    EXPECT_TRUE(destroyedAfterHandler);
    EXPECT_FALSE(screen.widgets[127]);
}

TEST(GuiScreen, RunWithoutAWindowReturnsAndRestoresTheListener)
{
    GLWindowEventListener previous;
    g_listener = &previous;
    GuiScreen screen;
    screen.run();
    EXPECT_EQ(g_listener, &previous);
    EXPECT_EQ(g_cursorMode, 1);
    g_listener = nullptr;
}

TEST(GuiPanel, ChildrenGetEventsInPanelCoordinatesLaterChildOnTop)
{
    Log log;
    GuiPanel panel;
    EXPECT_EQ(panel.width, 400);
    EXPECT_EQ(panel.height, 200);
    EXPECT_TRUE(panel.raised);
    panel.x = 100;
    panel.y = 200;
    panel.addWidget(std::unique_ptr<GuiWidget>(place(new LoggingWidget(log, "a"), 10, 10, 50, 50)));
    panel.addWidget(std::unique_ptr<GuiWidget>(place(new LoggingWidget(log, "b"), 30, 30, 50, 50)));
    ASSERT_TRUE(panel.children[127]);
    EXPECT_EQ(static_cast<LoggingWidget*>(panel.children[127].get())->name, "a");

    panel.onMouseMove(140, 240);
    panel.onMouseDown(140, 240, 1);
    panel.onMouseUp(115, 215, 1);
    panel.onMouseLeave();
    EXPECT_EQ(log, (Log{"b enter 40 40", "b move 40 40", "a enter 40 40", "a move 40 40", "b down 40 40 1",
                        "a up 15 15 1", "b leave", "a leave"}));
}

TEST(GuiPanel, APanelOnAScreenPassesTheScreensEventsOn)
{
    Log log;
    GuiScreen screen;
    auto panel = std::make_unique<GuiPanel>();
    panel->x = 300;
    panel->y = 100;
    LoggingWidget* child = place(new LoggingWidget(log, "c"), 20, 20, 40, 20);
    panel->addWidget(std::unique_ptr<GuiWidget>(child));
    screen.addWidget(std::move(panel));

    screen.onMouseMove(330, 125);
    screen.onMouseDown(330, 125, 1);
    // Leaving the panel's rectangle altogether leaves the child as well.
    screen.onMouseMove(750, 125);
    EXPECT_EQ(log, (Log{"c enter 30 25", "c move 30 25", "c down 30 25 1", "c leave"}));
    EXPECT_FALSE(child->hovered);
}

TEST(GuiWidget, ColoursAreClampedToTheUnitRange)
{
    GuiWidget widget;
    EXPECT_FLOAT_EQ(widget.colour.r, 1.0f);
    widget.setColour(-0.5f, 0.25f, 3.0f);
    EXPECT_FLOAT_EQ(widget.colour.r, 0.0f);
    EXPECT_FLOAT_EQ(widget.colour.g, 0.25f);
    EXPECT_FLOAT_EQ(widget.colour.b, 1.0f);
    widget.setColour(std::numeric_limits<float>::quiet_NaN(), 1.0f, 0.0f);
    EXPECT_FLOAT_EQ(widget.colour.r, 0.0f);
}

}
}
