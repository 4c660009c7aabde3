#include <gtest/gtest.h>

#include <array>
#include <string>

#include "gui/CommanderName.h"
#include "gui/DialogPolling.h"
#include "gui/Dialogs.h"
#include "gui/GuiTestSupport.h"

namespace dh {
namespace {

using guitest::SoundCounter;

// "Yes" and "No" as the question places them; a message box's "Ok" polls the
// same way. Whole clicks through the real boxes are in the dialog drawing tests.
struct TwoButtons {
    std::array<GuiButton, 2> buttons;
    TwoButtons()
    {
        for (std::size_t i = 0; i < 2; ++i) {
            buttons[i].x = i == 0 ? 215 : 405;
            buttons[i].y = 325;
            buttons[i].width = 180;
            buttons[i].height = 35;
        }
    }
    int poll(int x, bool was, bool is) { return pollDialogButtons(buttons, x, 340, was, is); }
};

TEST(DialogButtons, HoverSoundOnTheFrameAfterArrivalAndAClickNeedsPressAndReleaseOnTheButton)
{
    SoundCounter sounds;
    TwoButtons box;
    box.poll(300, false, false);
    EXPECT_TRUE(box.buttons[0].hovered);
    EXPECT_EQ(sounds.take().over, 0);
    box.poll(300, false, false);
    box.poll(301, false, false);
    EXPECT_EQ(sounds.take().over, 1);
    EXPECT_TRUE(box.buttons[0].highlighted);
    box.poll(100, false, false);
    EXPECT_FALSE(box.buttons[0].highlighted);

    // The click sounds at the press; moving off while held drops the press.
    EXPECT_EQ(box.poll(300, false, true), -1);
    EXPECT_EQ(sounds.take().click, 1);
    EXPECT_EQ(box.poll(100, true, true), -1);
    EXPECT_FALSE(box.buttons[0].pressed);
    EXPECT_EQ(box.poll(300, true, false), -1);
    box.poll(500, false, true);
    EXPECT_EQ(box.poll(500, true, false), 1);
}

// What is typed is filtered in the name entry's dialog tests; here Backspace.
TEST(CommanderName, BackspaceTakesTheLastCharacterAndNothingFromAnEmptyName)
{
    CommanderName name;
    name.type(CommanderName::kBackspace);
    EXPECT_EQ(name.length(), 0u);
    for (char c : std::string("Jo 7"))
        name.type(c);
    name.type(CommanderName::kBackspace);
    name.type(CommanderName::kBackspace);
    EXPECT_STREQ(name.text(), "Jo");
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
