#include "platform/KeyState.h"

#include "platform/Controllers.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <vector>

namespace dh {

namespace {

constexpr unsigned kKeyCount = 256;
constexpr int kScancodeCount = SDL_NUM_SCANCODES;
std::array<bool, kKeyCount> s_injected{};

unsigned mapRange(int scancode, int first, int last, unsigned firstKey)
{
    return scancode >= first && scancode <= last ? firstKey + static_cast<unsigned>(scancode - first) : 0;
}

// The generic Shift, Control and Alt codes stand for either side.
bool sideKeyHeld(unsigned virtualKey, const Uint8* keys)
{
    switch (virtualKey) {
    case 160: return keys[SDL_SCANCODE_LSHIFT];
    case 161: return keys[SDL_SCANCODE_RSHIFT];
    case 162: return keys[SDL_SCANCODE_LCTRL];
    case 163: return keys[SDL_SCANCODE_RCTRL];
    case 164: return keys[SDL_SCANCODE_LALT];
    case 165: return keys[SDL_SCANCODE_RALT];
    default: return false;
    }
}

bool mouseButtonHeld(unsigned virtualKey)
{
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    switch (virtualKey) {
    case VK_LBUTTON: return buttons & SDL_BUTTON(SDL_BUTTON_LEFT);
    case VK_RBUTTON: return buttons & SDL_BUTTON(SDL_BUTTON_RIGHT);
    case VK_MBUTTON: return buttons & SDL_BUTTON(SDL_BUTTON_MIDDLE);
    default: return false;
    }
}

}

namespace {

struct KeyScancode {
    unsigned key;
    int scancode;
};

bool byKey(const KeyScancode& a, const KeyScancode& b)
{
    return a.key < b.key;
}

// Every scancode with the key it stands for, in key order.
const std::vector<KeyScancode>& scancodesByKey()
{
    static const std::vector<KeyScancode> table = [] {
        std::vector<KeyScancode> pairs;
        for (int scancode = 0; scancode < kScancodeCount; ++scancode)
            pairs.push_back({virtualKeyFromScancode(scancode), scancode});
        std::stable_sort(pairs.begin(), pairs.end(), byKey);
        return pairs;
    }();
    return table;
}

}

unsigned virtualKeyFromScancode(int scancode)
{
    if (unsigned key = mapRange(scancode, 4, 29, 'A'))
        return key;
    if (unsigned key = mapRange(scancode, 30, 38, '1'))
        return key;
    if (unsigned key = mapRange(scancode, 58, 69, VK_F1))
        return key;
    if (unsigned key = mapRange(scancode, 89, 97, 97))
        return key;
    switch (scancode) {
    case 39: return '0';
    case 40: return VK_RETURN;
    case 41: return VK_ESCAPE;
    case 42: return VK_BACK;
    case 43: return VK_TAB;
    case 44: return VK_SPACE;
    case 45: return 189;
    case 46: return 187;
    case 47: return 219;
    case 48: return 221;
    case 49: case 50: return 220;
    case 51: return 186;
    case 52: return 222;
    case 53: return 192;
    case 54: return 188;
    case 55: return 190;
    case 56: return 191;
    case 57: return 20;
    case 70: return 44;
    case 71: return 145;
    case 72: return 19;
    case 73: return VK_INSERT;
    case 74: return VK_HOME;
    case 75: return VK_PRIOR;
    case 76: return VK_DELETE;
    case 77: return VK_END;
    case 78: return VK_NEXT;
    case 79: return VK_RIGHT;
    case 80: return VK_LEFT;
    case 81: return VK_DOWN;
    case 82: return VK_UP;
    case 83: return 144;
    case 84: return 111;
    case 85: return 106;
    case 86: return 109;
    case 87: return 107;
    case 88: return VK_RETURN;
    case 98: return 96;
    case 99: return 110;
    case 100: return 226;
    case 101: return 93;
    case 103: return 146;
    case 224: case 228: return VK_CONTROL;
    case 225: case 229: return VK_SHIFT;
    case 226: case 230: return VK_MENU;
    case 227: return 91;
    case 231: return 92;
    default: return scancode > 0 && scancode < kScancodeCount ? kUnnamedKey : 0;
    }
}

bool isKeyHeld(unsigned virtualKey)
{
    if (virtualKey < kKeyCount && s_injected[virtualKey])
        return true;
    if (virtualKey == VK_LBUTTON || virtualKey == VK_RBUTTON || virtualKey == VK_MBUTTON)
        return mouseButtonHeld(virtualKey);
    if (isPadKey(virtualKey))
        return isPadButtonHeld(virtualKey);
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    if (!keys)
        return false;
    if (sideKeyHeld(virtualKey, keys))
        return true;
    // Controls are polled many times a frame: only the scancodes that carry
    // this key are looked at, not the whole keyboard.
    const auto [first, last] = std::equal_range(scancodesByKey().begin(), scancodesByKey().end(),
                                                KeyScancode{virtualKey, 0}, byKey);
    for (auto it = first; it != last; ++it)
        if (it->scancode < count && keys[it->scancode])
            return true;
    return false;
}

void injectKeyState(unsigned virtualKey, bool held)
{
    if (virtualKey < kKeyCount)
        s_injected[virtualKey] = held;
}

void clearInjectedKeys()
{
    s_injected.fill(false);
}

}
