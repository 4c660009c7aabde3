#include "flight/Controls.h"

#include "platform/Controllers.h"
#include "platform/KeyNames.h"
#include "platform/KeyState.h"

#include <algorithm>

namespace dh {

Controls g_controls;

namespace {

struct ActionInfo {
    const char* fileName;
    const char* caption;
    unsigned defaultInput;
};

constexpr std::array<ActionInfo, Controls::kActionCount> kActions{{
    {"throttle_up", "Throttle up", VK_RETURN},
    {"throttle_down", "Throttle down", VK_SHIFT},
    {"pitch_down", "Pitch down", 'W'},
    {"pitch_up", "Pitch up", 'S'},
    {"yaw_left", "Yaw left", 'A'},
    {"yaw_right", "Yaw right", 'D'},
    {"laser", "Laser", VK_SPACE},
    {"missile", "Missile", VK_BACK},
    {"emp_bomb", "EMP bomb", VK_DELETE},
    {"view_1", "Forward view", VK_F1},
    {"view_2", "Rear view", VK_F1 + 1},
    {"view_3", "Behind view", VK_F1 + 2},
    {"view_4", "Ahead view", VK_F1 + 3},
    {"view_5", "Left view", VK_F1 + 4},
    {"view_6", "Right view", VK_F1 + 5},
    {"view_7", "Above view", VK_F1 + 6},
    {"view_8", "Below view", VK_F1 + 7},
    {"menu", "Menu", VK_ESCAPE},
}};

bool isMouseButton(unsigned input)
{
    return input == VK_LBUTTON || input == VK_RBUTTON || input == VK_MBUTTON;
}

}

Controls::Controls()
{
    restoreDefaults();
}

bool Controls::bind(Action action, unsigned input)
{
    if (inputName(input).empty() || (action == Action::Menu && isMouseButton(input)))
        return false;
    unsigned& own = inputs_[index(action)];
    unsigned& menu = inputs_[index(Action::Menu)];
    if (menu == input && isMouseButton(own))
        return false;
    std::replace(inputs_.begin(), inputs_.end(), input, own);
    own = input;
    return true;
}

void Controls::restoreDefaults()
{
    for (std::size_t i = 0; i < kActionCount; ++i)
        inputs_[i] = kActions[i].defaultInput;
    mouseSensitivity_ = 1.0f;
    invertPitch = false;
}

bool Controls::held(Action action) const
{
    const unsigned pad = padButton(action);
    return isKeyHeld(input(action)) || (pad != 0 && isKeyHeld(pad));
}

// A gamepad button the player bound does only what it was bound to.
unsigned Controls::padButton(Action action) const
{
    return isBound(padInput(action)) ? 0 : padInput(action);
}

bool Controls::isBound(unsigned input) const
{
    return std::find(inputs_.begin(), inputs_.end(), input) != inputs_.end();
}

void Controls::setMouseSensitivity(float sensitivity)
{
    mouseSensitivity_ = std::clamp(sensitivity, kMinSensitivity, kMaxSensitivity);
}

float Controls::mouseYaw(int offsetX) const
{
    return static_cast<float>(-offsetX) * kMouseTurn * mouseSensitivity_;
}

float Controls::mousePitch(int offsetY) const
{
    const float turn = static_cast<float>(-offsetY) * kMouseTurn * mouseSensitivity_;
    return invertPitch ? -turn : turn;
}

const char* Controls::fileName(Action action)
{
    return kActions[index(action)].fileName;
}

const char* Controls::caption(Action action)
{
    return kActions[index(action)].caption;
}

unsigned Controls::padInput(Action action)
{
    switch (action) {
    case Action::Laser: return VK_PAD_RIGHTSHOULDER;
    case Action::Missile: return VK_PAD_A;
    case Action::Emp: return VK_PAD_X;
    case Action::Menu: return VK_PAD_START;
    default: return 0;
    }
}

unsigned Controls::defaultInput(Action action)
{
    return kActions[index(action)].defaultInput;
}

}
