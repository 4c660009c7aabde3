#include <gtest/gtest.h>

#include "gui/GuiButton.h"
#include "gui/GuiScreen.h"
#include "gui/GuiTestSupport.h"

// Without a window the client area is empty and the screen keeps the
// reference scale, so client pixels and virtual pixels are the same here.
namespace dh {
namespace {

using guitest::CallLog;
using guitest::SoundCounter;

GuiButton* addButton(GuiScreen& screen, CallLog* log, int x, int y)
{
    auto button = std::make_unique<GuiButton>();
    button->x = x;
    button->y = y;
    button->listener = log;
    return static_cast<GuiButton*>(screen.addWidget(std::move(button)));
}

TEST(GuiButton, PressAndReleaseOnTheButtonReachTheListenerWithTheClickAtThePress)
{
    SoundCounter sounds;
    CallLog log;
    GuiScreen screen;
    GuiButton* button = addButton(screen, &log, 100, 50);

    screen.onMouseMove(110, 55);
    EXPECT_EQ(sounds.take().over, 1);
    screen.onMouseDown(110, 55, 1);
    EXPECT_TRUE(button->pressed);
    SoundCounter::Counts atPress = sounds.take();
    EXPECT_EQ(atPress.click, 1);
    EXPECT_EQ(atPress.over, 0);
    screen.onMouseUp(112, 56, 1);
    EXPECT_FALSE(button->pressed);
    EXPECT_EQ(sounds.take().click, 0);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"down 110 55 1", "up 112 56 1"}));

    // The right button presses too; the screen's actions ignore it.
    log.calls.clear();
    screen.onMouseDown(110, 55, 2);
    screen.onMouseUp(110, 55, 2);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"down 110 55 2", "up 110 55 2"}));
    EXPECT_EQ(sounds.take().click, 1);
}

TEST(GuiButton, APressThatLeavesTheButtonIsCancelled)
{
    SoundCounter sounds;
    CallLog log;
    GuiScreen screen;
    GuiButton* button = addButton(screen, &log, 100, 50);

    screen.onMouseMove(150, 60);
    screen.onMouseDown(150, 60, 1);
    screen.onMouseMove(250, 60);
    EXPECT_FALSE(button->pressed);
    EXPECT_FALSE(button->highlighted);
    screen.onMouseUp(250, 60, 1);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"down 150 60 1"}));

    // Coming back and releasing there does not complete the old press either.
    screen.onMouseDown(250, 60, 1);
    screen.onMouseMove(150, 60);
    screen.onMouseUp(150, 60, 1);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"down 150 60 1"}));
}

TEST(GuiButton, HoverSoundPlaysOncePerEntry)
{
    SoundCounter sounds;
    GuiScreen screen;
    GuiButton* button = addButton(screen, nullptr, 100, 50);

    screen.onMouseMove(99, 55);
    EXPECT_EQ(sounds.take().over, 0);
    screen.onMouseMove(100, 55);
    screen.onMouseMove(150, 60);
    screen.onMouseMove(199, 69);
    EXPECT_EQ(sounds.take().over, 1);
    EXPECT_TRUE(button->highlighted);
    // The rectangle is half-open: x + width and y + height are outside.
    screen.onMouseMove(200, 60);
    EXPECT_FALSE(button->highlighted);
    screen.onMouseMove(150, 70);
    screen.onMouseMove(150, 69);
    EXPECT_EQ(sounds.take().over, 1);
}

TEST(GuiButton, AReleaseWithoutAPressDoesNotReachTheListener)
{
    CallLog log;
    GuiButton button;
    button.listener = &log;
    button.onMouseUp(5, 5, 1);
    EXPECT_TRUE(log.calls.empty());
}

}
}
