#include <gtest/gtest.h>

#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"

namespace dh {
namespace {

// A screen in the shape the game's menus take: its buttons report to small
// action classes nested in it, which act on a left-button release only.
class GuiScreen_Sample : public GuiScreen {
public:
    class EventShow : public GLWindowEventListener {
    public:
        EventShow(GuiScreen_Sample* screen, GuiPanel* panel) : screen_(screen), panel_(panel) {}
        void onMouseUp(int, int, int button) override
        {
            if (button != 1)
                return;
            screen_->shown->visible = screen_->shown->enabled = false;
            panel_->visible = panel_->enabled = true;
            screen_->shown = panel_;
        }

    private:
        GuiScreen_Sample* screen_;
        GuiPanel* panel_;
    };

    GuiScreen_Sample()
    {
        first = static_cast<GuiPanel*>(addWidget(std::make_unique<GuiPanel>()));
        second = static_cast<GuiPanel*>(addWidget(std::make_unique<GuiPanel>()));
        second->visible = second->enabled = false;
        shown = first;
        eventShowSecond_ = std::make_unique<EventShow>(this, second);
        auto button = std::make_unique<GuiButton>();
        button->x = 600;
        button->y = 450;
        button->listener = eventShowSecond_.get();
        addWidget(std::move(button));
    }

    GuiPanel* first;
    GuiPanel* second;
    GuiPanel* shown;

private:
    std::unique_ptr<EventShow> eventShowSecond_;
};

TEST(GuiScreenActions, ActionsActOnALeftReleaseOnly)
{
    GuiScreen_Sample screen;
    screen.onMouseDown(610, 455, 2);
    screen.onMouseUp(610, 455, 2);
    EXPECT_TRUE(screen.first->visible);
    screen.onMouseDown(610, 455, 1);
    screen.onMouseUp(610, 455, 1);
    EXPECT_FALSE(screen.first->visible);
    EXPECT_FALSE(screen.first->enabled);
    EXPECT_TRUE(screen.second->visible);
    EXPECT_TRUE(screen.second->enabled);
}

}
}
