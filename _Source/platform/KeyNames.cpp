#include "platform/KeyNames.h"

#include "platform/Controllers.h"
#include "platform/KeyState.h"

#include <SDL.h>

#include <array>

namespace dh {

namespace {

struct MouseName {
    unsigned input;
    const char* name;
};

constexpr std::array<MouseName, 3> kMouseNames{{
    {VK_LBUTTON, "Left Mouse"},
    {VK_RBUTTON, "Right Mouse"},
    {VK_MBUTTON, "Middle Mouse"},
}};

const char* mouseName(unsigned input)
{
    for (const MouseName& mouse : kMouseNames)
        if (mouse.input == input)
            return mouse.name;
    return nullptr;
}

constexpr const char* kPadPrefix = "Pad ";

// A gamepad button by SDL's own name of it ("Pad a", "Pad rightshoulder").
const char* padName(unsigned input)
{
    if (!isPadKey(input))
        return nullptr;
    return SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(input - VK_PAD_A));
}

unsigned padFromName(const std::string& name)
{
    if (name.rfind(kPadPrefix, 0) != 0)
        return 0;
    const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name.c_str() + 4);
    return button == SDL_CONTROLLER_BUTTON_INVALID ? 0 : VK_PAD_A + static_cast<unsigned>(button);
}

// The first scancode with the code, so that Shift is the left Shift and
// Enter the main one.
SDL_Scancode scancodeOf(unsigned input)
{
    if (input == 0 || input == kUnnamedKey)
        return SDL_SCANCODE_UNKNOWN;
    for (int scancode = 1; scancode < SDL_NUM_SCANCODES; ++scancode)
        if (virtualKeyFromScancode(scancode) == input)
            return static_cast<SDL_Scancode>(scancode);
    return SDL_SCANCODE_UNKNOWN;
}

}

std::string inputName(unsigned input)
{
    if (const char* mouse = mouseName(input))
        return mouse;
    if (const char* pad = padName(input))
        return std::string(kPadPrefix) + pad;
    const SDL_Scancode scancode = scancodeOf(input);
    return scancode == SDL_SCANCODE_UNKNOWN ? std::string() : std::string(SDL_GetScancodeName(scancode));
}

unsigned inputFromName(const std::string& name)
{
    if (name.empty())
        return 0;
    for (const MouseName& mouse : kMouseNames)
        if (name == mouse.name)
            return mouse.input;
    if (const unsigned pad = padFromName(name))
        return pad;
    const unsigned input = virtualKeyFromScancode(SDL_GetScancodeFromName(name.c_str()));
    return input == kUnnamedKey ? 0 : input;
}

std::string inputLabel(unsigned input)
{
    if (const char* mouse = mouseName(input))
        return mouse;
    if (const char* pad = padName(input))
        return std::string(kPadPrefix) + pad;
    const SDL_Scancode scancode = scancodeOf(input);
    if (scancode == SDL_SCANCODE_UNKNOWN)
        return {};
    // Before the keyboard is set up there is no layout: the US label then.
    const SDL_Keycode key = SDL_GetKeyFromScancode(scancode);
    return key == SDLK_UNKNOWN ? SDL_GetScancodeName(scancode) : SDL_GetKeyName(key);
}

}
