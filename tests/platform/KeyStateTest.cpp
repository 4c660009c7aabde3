#include "platform/KeyState.h"

#include <gtest/gtest.h>

// Scancodes are USB HID keyboard usage numbers; the expected codes are the
// Windows virtual-key codes the game's controls are written against.
TEST(KeyState, ScancodesMapToVirtualKeysAndInjectedKeysAreHeldUntilReleased)
{
    const std::pair<int, unsigned> keys[] = {
        {4, 65},   {29, 90},  {30, 49},  {39, 48},  {40, 13},   {88, 13},  {41, 27}, {42, 8}, {44, 32},
        {76, 46},  {55, 190}, {58, 112}, {65, 119}, {225, 16},  {229, 16}, {0, 0},   {512, 0}};
    for (auto [scancode, key] : keys)
        EXPECT_EQ(dh::virtualKeyFromScancode(scancode), key) << scancode;

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

// ISO "<>" (100), non-US "#" (50), the menu key (101) and keypad "=" (103)
// have Windows codes of their own; every other key the keyboard can report
// still arrives as a key, so it skips the intro and ends "any key" waits.
TEST(KeyState, EveryKeyOfTheKeyboardArrivesAsAKey)
{
    EXPECT_EQ(dh::virtualKeyFromScancode(100), 226u);
    EXPECT_EQ(dh::virtualKeyFromScancode(50), 220u);
    EXPECT_EQ(dh::virtualKeyFromScancode(101), 93u);
    EXPECT_EQ(dh::virtualKeyFromScancode(103), 146u);
    EXPECT_EQ(dh::virtualKeyFromScancode(227), 91u);
    EXPECT_EQ(dh::virtualKeyFromScancode(231), 92u);
    EXPECT_EQ(dh::virtualKeyFromScancode(129), dh::kUnnamedKey);
    EXPECT_EQ(dh::virtualKeyFromScancode(137), dh::kUnnamedKey);
    for (int scancode = 1; scancode < 512; ++scancode)
        EXPECT_NE(dh::virtualKeyFromScancode(scancode), 0u) << scancode;
}
