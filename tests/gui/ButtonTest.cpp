#include <gtest/gtest.h>

#include "gui/GuiButton.h"
#include "gui/GuiScreen.h"
#include "gui/GuiTestSupport.h"

// Without a window the screen keeps the reference scale: client and virtual pixels are the same.
namespace dh {
namespace {

using guitest::CallLog;
using guitest::SoundCounter;
using Calls = std::vector<std::string>;

GuiButton* addButton(GuiScreen& screen, CallLog* log)
{
    auto button = std::make_unique<GuiButton>();
    button->x = 100;
    button->y = 50;
    button->listener = log;
    return static_cast<GuiButton*>(screen.addWidget(std::move(button)));
}

TEST(GuiButton, PressAndReleaseOnTheButtonReachTheListenerWithTheClickAtThePress)
{
    SoundCounter sounds;
    CallLog log;
    GuiScreen screen;
    GuiButton* button = addButton(screen, &log);
    screen.onMouseMove(110, 55);
    screen.onMouseDown(110, 55, 1);
    EXPECT_TRUE(button->pressed);
    SoundCounter::Counts atPress = sounds.take();
    EXPECT_EQ(atPress.click, 1);
    EXPECT_EQ(atPress.over, 1);
    screen.onMouseUp(112, 56, 1);
    EXPECT_FALSE(button->pressed);
    EXPECT_EQ(sounds.take().click, 0);
    EXPECT_EQ(log.calls, (Calls{"down 110 55 1", "up 112 56 1"}));

    // A release without a press does not reach the listener.
    log.calls.clear();
    screen.onMouseUp(110, 55, 1);
    EXPECT_TRUE(log.calls.empty());
}

TEST(GuiButton, APressThatLeavesTheButtonIsCancelled)
{
    CallLog log;
    GuiScreen screen;
    GuiButton* button = addButton(screen, &log);
    screen.onMouseMove(150, 60);
    screen.onMouseDown(150, 60, 1);
    screen.onMouseMove(250, 60);
    EXPECT_FALSE(button->pressed);
    screen.onMouseUp(250, 60, 1);
    // Pressed outside, released on it: no call either.
    screen.onMouseDown(250, 60, 1);
    screen.onMouseMove(150, 60);
    screen.onMouseUp(150, 60, 1);
    EXPECT_EQ(log.calls, (Calls{"down 150 60 1"}));
}

TEST(GuiButton, HoverSoundPlaysOncePerEntry)
{
    SoundCounter sounds;
    GuiScreen screen;
    GuiButton* button = addButton(screen, nullptr);
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

}
}
