#include <gtest/gtest.h>

#include <array>
#include <string>

#include "gui/CommanderName.h"
#include "gui/DialogKey.h"
#include "gui/DialogPolling.h"
#include "gui/Dialogs.h"
#include "gui/GuiTestSupport.h"
#include "gui/NameEntryKeys.h"
#include "platform/KeyState.h"
#include "window/InputQueue.h"

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

// The events a keyboard sends for text typed into the window: each key's
// press, its character and its release, with Shift around capitals.
void typeText(InputQueue& queue, const std::string& text)
{
    using Type = PlatformEvent::Type;
    for (char c : text) {
        const bool capital = c >= 'A' && c <= 'Z';
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        const unsigned key = c == '.' ? 190u : static_cast<unsigned>(upper);
        if (capital)
            queue.push({.type = Type::KeyDown, .key = VK_SHIFT});
        queue.push({.type = Type::KeyDown, .key = key});
        queue.push({.type = Type::Text, .text = c});
        queue.push({.type = Type::KeyUp, .key = key});
        if (capital)
            queue.push({.type = Type::KeyUp, .key = VK_SHIFT});
    }
}

void pressKey(InputQueue& queue, unsigned key)
{
    queue.push({.type = PlatformEvent::Type::KeyDown, .key = key});
    queue.push({.type = PlatformEvent::Type::KeyUp, .key = key});
}

// Everything typed between two frames reaches the name, in order: a whole
// name of capitals typed within one frame as much as single keys.
TEST(NameEntryKeys, EveryQueuedKeyIsTypedInOrderUpToThirtyTwoCharacters)
{
    CommanderName name;
    NameEntryKeys keys(name);
    InputQueue queue;
    pressKey(queue, VK_BACK);
    typeText(queue, " Jon Q. Doe-7");
    pressKey(queue, VK_BACK);
    typeText(queue, "x");
    EXPECT_FALSE(keys.typeFrom(queue));
    EXPECT_STREQ(name.text(), "Jon Q. Doex");
    EXPECT_EQ(queue.size(), 0u);

    name.clear();
    const std::string capitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFG";
    typeText(queue, capitals);
    EXPECT_FALSE(keys.typeFrom(queue));
    EXPECT_STREQ(name.text(), capitals.substr(0, 32).c_str());
}

TEST(NameEntryKeys, EnterEscapeOrPadAEndsTheEntryKeepingTheNameAndTheKeysAfterIt)
{
    CommanderName name;
    InputQueue queue;
    {
        NameEntryKeys keys(name);
        typeText(queue, "Vega");
        pressKey(queue, VK_RETURN);
        typeText(queue, "Lost");
        EXPECT_TRUE(keys.typeFrom(queue));
        EXPECT_STREQ(name.text(), "Vega");
        EXPECT_EQ(queue.size(), 15u) << "the Enter's release and the four keys after it";
    }
    queue.clear();
    name.clear();
    NameEntryKeys keys(name);
    typeText(queue, "Rook");
    pressKey(queue, VK_ESCAPE);
    EXPECT_TRUE(keys.typeFrom(queue));
    EXPECT_STREQ(name.text(), "Rook");

    name.clear();
    NameEntryKeys padKeys(name);
    typeText(queue, "Ash");
    pressKey(queue, VK_PAD_B);
    EXPECT_FALSE(padKeys.typeFrom(queue)) << "B is no answer to a name entry";
    pressKey(queue, VK_PAD_A);
    EXPECT_TRUE(padKeys.typeFrom(queue));
    EXPECT_STREQ(name.text(), "Ash");
}

// The Enter that ended one dialog is still down as the next opens: neither
// its repeats nor anything before its release answer the new one.
TEST(DialogKey, AKeyHeldAsTheDialogOpensCountsOnlyAfterItsRelease)
{
    using Type = PlatformEvent::Type;
    injectKeyState(VK_RETURN, true);
    DialogKey enter(VK_RETURN);
    injectKeyState(VK_RETURN, false);
    InputQueue queue;
    queue.push({.type = Type::KeyDown, .key = VK_RETURN});
    queue.push({.type = Type::KeyUp, .key = VK_ESCAPE});
    EXPECT_FALSE(enter.takePress(queue));
    queue.push({.type = Type::KeyUp, .key = VK_RETURN});
    queue.push({.type = Type::KeyDown, .key = VK_RETURN});
    queue.push({.type = Type::KeyUp, .key = VK_RETURN});
    EXPECT_TRUE(enter.takePress(queue));
    EXPECT_EQ(queue.size(), 1u);

    // A key up as the dialog opens counts at its first press.
    DialogKey escape(VK_ESCAPE);
    queue.push({.type = Type::KeyDown, .key = VK_ESCAPE});
    EXPECT_TRUE(escape.takePress(queue));
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
