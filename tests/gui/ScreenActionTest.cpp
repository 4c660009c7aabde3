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
    class EventLeave : public GLWindowEventListener {
    public:
        explicit EventLeave(GuiScreen_Sample* screen) : screen_(screen) {}
        void onMouseUp(int, int, int button) override
        {
            if (button == 1)
                screen_->running = false;
        }

    private:
        GuiScreen_Sample* screen_;
    };

    class EventShow : public GLWindowEventListener {
    public:
        EventShow(GuiScreen_Sample* screen, GuiPanel* panel) : screen_(screen), panel_(panel) {}
        void onMouseUp(int, int, int button) override
        {
            if (button != 1)
                return;
            for (GuiPanel* panel : {screen_->first, screen_->second}) {
                panel->visible = panel == panel_;
                panel->enabled = panel == panel_;
            }
        }

    private:
        GuiScreen_Sample* screen_;
        GuiPanel* panel_;
    };

    GuiScreen_Sample()
    {
        first = addPanel(0);
        second = addPanel(1);
        eventLeave_ = std::make_unique<EventLeave>(this);
        eventShowSecond_ = std::make_unique<EventShow>(this, second);
        addButton(600, 500, eventLeave_.get());
        addButton(600, 450, eventShowSecond_.get());
    }

    GuiPanel* first;
    GuiPanel* second;

private:
    GuiPanel* addPanel(int index)
    {
        auto panel = std::make_unique<GuiPanel>();
        panel->x = 50;
        panel->y = 50;
        panel->visible = index == 0;
        panel->enabled = index == 0;
        return static_cast<GuiPanel*>(addWidget(std::move(panel)));
    }
    void addButton(int x, int y, GLWindowEventListener* action)
    {
        auto button = std::make_unique<GuiButton>();
        button->x = x;
        button->y = y;
        button->listener = action;
        addWidget(std::move(button));
    }

    std::unique_ptr<EventLeave> eventLeave_;
    std::unique_ptr<EventShow> eventShowSecond_;
};

TEST(GuiScreenActions, ActionsActOnALeftReleaseOnly)
{
    GuiScreen_Sample screen;
    screen.running = true;
    screen.onMouseDown(610, 505, 2);
    screen.onMouseUp(610, 505, 2);
    EXPECT_TRUE(screen.running);
    screen.onMouseDown(610, 505, 1);
    screen.onMouseUp(610, 505, 1);
    EXPECT_FALSE(screen.running);

    screen.onMouseDown(610, 455, 1);
    screen.onMouseUp(610, 455, 1);
    EXPECT_FALSE(screen.first->visible);
    EXPECT_FALSE(screen.first->enabled);
    EXPECT_TRUE(screen.second->visible);
    EXPECT_TRUE(screen.second->enabled);
}

}
}
