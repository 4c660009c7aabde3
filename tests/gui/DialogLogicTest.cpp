#include <gtest/gtest.h>

#include <array>
#include <string>

#include "gui/CommanderName.h"
#include "gui/DialogKey.h"
#include "gui/DialogPolling.h"
#include "gui/Dialogs.h"
#include "gui/GuiTestSupport.h"
#include "platform/KeyState.h"

namespace dh {
namespace {

using guitest::SoundCounter;

struct OkButton {
    std::array<GuiButton, 1> buttons;
    OkButton()
    {
        buttons[0].x = 310;
        buttons[0].y = 325;
        buttons[0].width = 180;
        buttons[0].height = 35;
    }
    int poll(int x, int y, bool was, bool is) { return pollDialogButtons(buttons, x, y, was, is); }
};

TEST(DialogButtons, HoverSoundComesOnTheFrameAfterArrival)
{
    SoundCounter sounds;
    OkButton ok;
    ok.poll(400, 340, false, false);
    EXPECT_TRUE(ok.buttons[0].hovered);
    EXPECT_EQ(sounds.take().over, 0);
    ok.poll(400, 340, false, false);
    ok.poll(401, 340, false, false);
    EXPECT_EQ(sounds.take().over, 1);
    EXPECT_TRUE(ok.buttons[0].highlighted);
    ok.poll(100, 100, false, false);
    EXPECT_FALSE(ok.buttons[0].hovered);
    EXPECT_FALSE(ok.buttons[0].highlighted);
}

TEST(DialogButtons, AClickNeedsPressAndReleaseOnTheButton)
{
    SoundCounter sounds;
    OkButton ok;
    EXPECT_EQ(ok.poll(400, 340, false, false), -1);
    EXPECT_EQ(ok.poll(400, 340, false, true), -1);
    EXPECT_EQ(sounds.take().click, 1);
    EXPECT_TRUE(ok.buttons[0].pressed);
    // Moved off while held and released there: no click, the press is gone.
    EXPECT_EQ(ok.poll(100, 340, true, true), -1);
    EXPECT_FALSE(ok.buttons[0].pressed);
    EXPECT_EQ(ok.poll(100, 340, true, false), -1);
    // Back on it and released there is no click either.
    EXPECT_EQ(ok.poll(400, 340, false, true), -1);
    EXPECT_EQ(ok.poll(400, 340, true, true), -1);
    EXPECT_EQ(ok.poll(400, 340, true, false), 0);
}

TEST(DialogButtons, AButtonAlreadyHeldWhenTheBoxOpenedDoesNotClick)
{
    OkButton ok;
    EXPECT_EQ(ok.poll(400, 340, true, true), -1);
    EXPECT_EQ(ok.poll(400, 340, true, false), -1);
    EXPECT_EQ(ok.poll(400, 340, false, true), -1);
    EXPECT_EQ(ok.poll(400, 340, true, false), 0);
}

TEST(DialogButtons, TheSecondButtonAnswersWithItsIndex)
{
    std::array<GuiButton, 2> buttons;
    buttons[0].x = 215;
    buttons[1].x = 405;
    for (GuiButton& b : buttons) {
        b.y = 325;
        b.width = 180;
        b.height = 35;
    }
    pollDialogButtons(buttons, 500, 330, false, true);
    EXPECT_FALSE(buttons[0].pressed);
    EXPECT_EQ(pollDialogButtons(buttons, 500, 330, true, false), 1);
}

TEST(CommanderName, KeepsLettersDigitsFullStopsAndInnerSpaces)
{
    CommanderName name;
    name.clear();
    for (char c : std::string(" Jo-hn_ Q. Public 7!"))
        name.type(c);
    EXPECT_STREQ(name.text(), "John Q. Public 7");
    EXPECT_EQ(name.length(), 16u);
    name.type(CommanderName::kBackspace);
    name.type(CommanderName::kBackspace);
    EXPECT_STREQ(name.text(), "John Q. Public");
    name.clear();
    EXPECT_STREQ(name.text(), "");
    name.type(CommanderName::kBackspace);
    EXPECT_EQ(name.length(), 0u);
    name.type(' ');
    EXPECT_EQ(name.length(), 0u);
}

TEST(CommanderName, AThirtyThirdCharacterIsIgnored)
{
    CommanderName name;
    const std::string full = "abcdefghijklmnopqrstuvwxyzABCDEF";
    ASSERT_EQ(full.size(), 32u);
    for (char c : full)
        name.type(c);
    name.type('G');
    EXPECT_EQ(std::string(name.text()), full);
    name.type(CommanderName::kBackspace);
    name.type('G');
    EXPECT_EQ(std::string(name.text()), full.substr(0, 31) + "G");
}

TEST(DialogKey, AKeyHeldWhenTheDialogOpenedCountsOnlyAfterARelease)
{
    clearInjectedKeys();
    injectKeyState(VK_RETURN, true);
    DialogKey enter(VK_RETURN);
    EXPECT_FALSE(enter.down());
    EXPECT_FALSE(enter.down());
    injectKeyState(VK_RETURN, false);
    EXPECT_FALSE(enter.down());
    injectKeyState(VK_RETURN, true);
    EXPECT_TRUE(enter.down());
    clearInjectedKeys();
}

TEST(Dialogs, WithoutAWindowTheyReturnAtOnce)
{
    EXPECT_FALSE(askYesNo("Confirm quit", "Any unsaved progress will be lost.",
                          "Are you sure you want to quit the game ?"));
    EXPECT_STREQ(askCommanderName(), "");
    showMessage("Save game", "Save successful.");
}

}
}
