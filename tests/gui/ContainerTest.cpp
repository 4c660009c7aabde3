#include <gtest/gtest.h>

#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "gui/GuiTestSupport.h"

#include <limits>

namespace dh {
namespace {

using guitest::LoggingWidget;
using Log = std::vector<std::string>;

std::unique_ptr<LoggingWidget> logging(Log& log, const char* name, int x, int y, int w, int h)
{
    auto widget = std::make_unique<LoggingWidget>(log, name);
    widget->x = x;
    widget->y = y;
    widget->width = w;
    widget->height = h;
    return widget;
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
    auto widget = std::make_unique<ClosingWidget>();
    widget->width = widget->height = 100;
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
    auto panel = std::make_unique<GuiPanel>();
    panel->x = 100;
    panel->y = 200;
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
    EXPECT_FLOAT_EQ(widget.colour.r, 0.0f);
    EXPECT_FLOAT_EQ(widget.colour.g, 0.25f);
    EXPECT_FLOAT_EQ(widget.colour.b, 1.0f);
    widget.setColour(std::numeric_limits<float>::quiet_NaN(), 1.0f, 0.0f);
    EXPECT_FLOAT_EQ(widget.colour.r, 0.0f);
}

}
}
