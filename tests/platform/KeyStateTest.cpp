#include "platform/KeyState.h"

#include <gtest/gtest.h>

// Scancodes are USB HID keyboard usage numbers; the expected codes are the
// Windows virtual-key codes the game's controls are written against.
TEST(KeyState, ScancodesMapToVirtualKeys)
{
    EXPECT_EQ(dh::virtualKeyFromScancode(4), 65u);    // A
    EXPECT_EQ(dh::virtualKeyFromScancode(29), 90u);   // Z
    EXPECT_EQ(dh::virtualKeyFromScancode(30), 49u);   // 1
    EXPECT_EQ(dh::virtualKeyFromScancode(38), 57u);   // 9
    EXPECT_EQ(dh::virtualKeyFromScancode(39), 48u);   // 0
    EXPECT_EQ(dh::virtualKeyFromScancode(40), 13u);   // Enter
    EXPECT_EQ(dh::virtualKeyFromScancode(88), 13u);   // keypad Enter
    EXPECT_EQ(dh::virtualKeyFromScancode(41), 27u);   // Escape
    EXPECT_EQ(dh::virtualKeyFromScancode(42), 8u);    // Backspace
    EXPECT_EQ(dh::virtualKeyFromScancode(43), 9u);    // Tab
    EXPECT_EQ(dh::virtualKeyFromScancode(44), 32u);   // Space
    EXPECT_EQ(dh::virtualKeyFromScancode(76), 46u);   // Delete
    EXPECT_EQ(dh::virtualKeyFromScancode(55), 190u);  // full stop
    EXPECT_EQ(dh::virtualKeyFromScancode(58), 112u);  // F1
    EXPECT_EQ(dh::virtualKeyFromScancode(65), 119u);  // F8
    EXPECT_EQ(dh::virtualKeyFromScancode(82), 38u);   // Up
    EXPECT_EQ(dh::virtualKeyFromScancode(80), 37u);   // Left
    EXPECT_EQ(dh::virtualKeyFromScancode(225), 16u);  // left Shift
    EXPECT_EQ(dh::virtualKeyFromScancode(229), 16u);  // right Shift
    EXPECT_EQ(dh::virtualKeyFromScancode(224), 17u);  // left Control
    EXPECT_EQ(dh::virtualKeyFromScancode(89), 97u);   // keypad 1
    EXPECT_EQ(dh::virtualKeyFromScancode(98), 96u);   // keypad 0
    EXPECT_EQ(dh::virtualKeyFromScancode(0), 0u);
    EXPECT_EQ(dh::virtualKeyFromScancode(100), 0u);
}

TEST(KeyState, InjectedKeysAreHeldUntilReleased)
{
    EXPECT_FALSE(dh::isKeyHeld('W'));
    dh::injectKeyState('W', true);
    dh::injectKeyState(dh::VK_LBUTTON, true);
    EXPECT_TRUE(dh::isKeyHeld('W'));
    EXPECT_TRUE(dh::isKeyHeld(dh::VK_LBUTTON));
    EXPECT_FALSE(dh::isKeyHeld('S'));
    dh::injectKeyState('W', false);
    EXPECT_FALSE(dh::isKeyHeld('W'));
    dh::clearInjectedKeys();
    EXPECT_FALSE(dh::isKeyHeld(dh::VK_LBUTTON));
    dh::injectKeyState(100000, true);
    EXPECT_FALSE(dh::isKeyHeld(100000));
}
