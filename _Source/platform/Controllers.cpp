#include "platform/Controllers.h"

#include "platform/ControllerEvents.h"
#include "platform/TestController.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace dh {

namespace {

constexpr float kDeadZone = 0.15f;
constexpr float kFullDeflection = 32767.0f;
constexpr int kJoystickAxes = 2;

struct Device {
    SDL_JoystickID id;
    SDL_GameController* pad;
    SDL_Joystick* stick;
};

std::vector<Device> s_devices;

// A joystick's buttons from the trigger on, as gamepad buttons.
constexpr std::array<SDL_GameControllerButton, 4> kJoystickButtons{
    SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y};

SDL_GameControllerAxis padAxisOf(PadAxis axis)
{
    switch (axis) {
    case PadAxis::LeftX: return SDL_CONTROLLER_AXIS_LEFTX;
    case PadAxis::LeftY: return SDL_CONTROLLER_AXIS_LEFTY;
    case PadAxis::LeftTrigger: return SDL_CONTROLLER_AXIS_TRIGGERLEFT;
    case PadAxis::RightTrigger: return SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
    }
    return SDL_CONTROLLER_AXIS_INVALID;
}

int joystickButtonOf(unsigned padKey)
{
    for (std::size_t i = 0; i < kJoystickButtons.size(); ++i)
        if (VK_PAD_A + static_cast<unsigned>(kJoystickButtons[i]) == padKey)
            return static_cast<int>(i);
    return -1;
}

int joystickAxisOf(PadAxis axis)
{
    return axis == PadAxis::LeftX ? 0 : axis == PadAxis::LeftY ? 1 : -1;
}

Sint16 rawAxis(const Device& device, PadAxis axis)
{
    if (device.pad)
        return SDL_GameControllerGetAxis(device.pad, padAxisOf(axis));
    const int index = joystickAxisOf(axis);
    return index < 0 ? 0 : SDL_JoystickGetAxis(device.stick, index);
}

bool buttonHeld(const Device& device, unsigned padKey)
{
    if (device.pad)
        return SDL_GameControllerGetButton(device.pad, static_cast<SDL_GameControllerButton>(padKey - VK_PAD_A));
    const int index = joystickButtonOf(padKey);
    return index >= 0 && SDL_JoystickGetButton(device.stick, index);
}

void openDevice(int deviceIndex)
{
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || std::any_of(s_devices.begin(), s_devices.end(), [id](const Device& d) { return d.id == id; }))
        return;
    if (SDL_IsGameController(deviceIndex)) {
        if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex))
            s_devices.push_back({id, pad, SDL_GameControllerGetJoystick(pad)});
    } else if (SDL_Joystick* stick = SDL_JoystickOpen(deviceIndex)) {
        s_devices.push_back({id, nullptr, stick});
    }
}

void closeDevice(const Device& device)
{
    if (device.pad)
        SDL_GameControllerClose(device.pad);
    else
        SDL_JoystickClose(device.stick);
}

void closeDevice(SDL_JoystickID id)
{
    const auto found = std::find_if(s_devices.begin(), s_devices.end(), [id](const Device& d) { return d.id == id; });
    if (found == s_devices.end())
        return;
    closeDevice(*found);
    s_devices.erase(found);
}

bool isPlainJoystick(SDL_JoystickID id)
{
    return std::any_of(s_devices.begin(), s_devices.end(), [id](const Device& d) { return d.id == id && !d.pad; });
}

bool keyEvent(bool down, unsigned key, PlatformEvent& event)
{
    event.type = down ? PlatformEvent::Type::KeyDown : PlatformEvent::Type::KeyUp;
    event.key = key;
    return true;
}

}

bool isPadKey(unsigned key)
{
    return key >= VK_PAD_A && key < VK_PAD_A + SDL_CONTROLLER_BUTTON_MAX;
}

bool isPadButtonHeld(unsigned padKey)
{
    if (!isPadKey(padKey))
        return false;
    return std::any_of(s_devices.begin(), s_devices.end(),
                       [padKey](const Device& device) { return buttonHeld(device, padKey); });
}

float padAxis(PadAxis axis)
{
    float strongest = 0.0f;
    for (const Device& device : s_devices) {
        const float value = std::clamp(static_cast<float>(rawAxis(device, axis)) / kFullDeflection, -1.0f, 1.0f);
        if (std::fabs(value) > std::fabs(strongest))
            strongest = value;
    }
    return std::fabs(strongest) < kDeadZone ? 0.0f : strongest;
}

void openControllers()
{
    if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER) && SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        return;
    attachTestController();
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        openDevice(i);
}

void closeControllers()
{
    for (const Device& device : s_devices)
        closeDevice(device);
    s_devices.clear();
    detachTestController();
}

bool translateControllerEvent(const SDL_Event& sdl, PlatformEvent& event)
{
    switch (sdl.type) {
    case SDL_JOYDEVICEADDED:
        openDevice(sdl.jdevice.which);
        return false;
    case SDL_JOYDEVICEREMOVED:
        closeDevice(sdl.jdevice.which);
        return false;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        return keyEvent(sdl.type == SDL_CONTROLLERBUTTONDOWN, VK_PAD_A + sdl.cbutton.button, event);
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        if (!isPlainJoystick(sdl.jbutton.which) || sdl.jbutton.button >= kJoystickButtons.size())
            return false;
        return keyEvent(sdl.type == SDL_JOYBUTTONDOWN, VK_PAD_A + kJoystickButtons[sdl.jbutton.button], event);
    default:
        return false;
    }
}

VirtualController::VirtualController(bool gamepad) : gamepad_(gamepad)
{
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = gamepad ? SDL_JOYSTICK_TYPE_GAMECONTROLLER : SDL_JOYSTICK_TYPE_FLIGHT_STICK;
    const int axes = gamepad ? static_cast<int>(SDL_CONTROLLER_AXIS_MAX) : kJoystickAxes;
    const int buttons = gamepad ? static_cast<int>(SDL_CONTROLLER_BUTTON_MAX) : static_cast<int>(kJoystickButtons.size());
    desc.naxes = static_cast<Uint16>(axes);
    desc.nbuttons = static_cast<Uint16>(buttons);
    desc.name = gamepad ? "Drift Hauler test gamepad" : "Drift Hauler test joystick";
    deviceIndex_ = SDL_JoystickAttachVirtualEx(&desc);
    if (deviceIndex_ >= 0)
        joystick_ = SDL_JoystickOpen(deviceIndex_);
}

VirtualController::~VirtualController()
{
    detach();
}

void VirtualController::setAxis(PadAxis axis, short value)
{
    const int index = gamepad_ ? static_cast<int>(padAxisOf(axis)) : joystickAxisOf(axis);
    const bool trigger = axis == PadAxis::LeftTrigger || axis == PadAxis::RightTrigger;
    // A trigger's own axis runs from released at the bottom of the range to
    // fully pulled at the top.
    const int raw = trigger ? value * 2 - 32768 : value;
    if (joystick_ && index >= 0)
        SDL_JoystickSetVirtualAxis(static_cast<SDL_Joystick*>(joystick_), index, static_cast<Sint16>(raw));
}

void VirtualController::setButton(unsigned padKey, bool held)
{
    const int index = gamepad_ ? static_cast<int>(padKey - VK_PAD_A) : joystickButtonOf(padKey);
    if (joystick_ && index >= 0)
        SDL_JoystickSetVirtualButton(static_cast<SDL_Joystick*>(joystick_), index, held ? 1 : 0);
}

void VirtualController::detach()
{
    if (deviceIndex_ < 0)
        return;
    // Other devices coming and going renumber the device indices.
    int index = deviceIndex_;
    if (joystick_) {
        const SDL_JoystickID id = SDL_JoystickInstanceID(static_cast<SDL_Joystick*>(joystick_));
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                index = i;
        SDL_JoystickClose(static_cast<SDL_Joystick*>(joystick_));
        joystick_ = nullptr;
    }
    SDL_JoystickDetachVirtual(index);
    deviceIndex_ = -1;
}

}
