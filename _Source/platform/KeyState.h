#pragma once

// The game keeps Windows virtual-key codes as its key codes; mouse buttons are
// the virtual keys 1 (left), 2 (right) and 4 (middle), controller buttons the
// codes from 256 on (platform/Controllers.h).
namespace dh {

inline constexpr unsigned VK_LBUTTON = 1, VK_RBUTTON = 2, VK_MBUTTON = 4;
inline constexpr unsigned VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
                          VK_MENU = 18, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34,
                          VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
                          VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 112, VK_F12 = 123;

// Keys the game has no code of their own for (media keys, the keys of
// Japanese and Korean boards) still count as a key press, under this code.
inline constexpr unsigned kUnnamedKey = 255;

// The virtual-key code of a keyboard scancode (USB HID usage numbering); 0
// only for scancode 0 and numbers beyond the keyboard's.
unsigned virtualKeyFromScancode(int scancode);

// Whether the key or mouse button is held right now (the asynchronous state).
bool isKeyHeld(unsigned virtualKey);

// Tests drive the polled controls by holding keys here; held keys add to the
// real keyboard and mouse state until released.
void injectKeyState(unsigned virtualKey, bool held);
void clearInjectedKeys();

}
