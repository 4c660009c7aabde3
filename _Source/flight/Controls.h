#pragma once
#include <array>
#include <cstddef>

namespace dh {

// The human pilot's flight actions, in the order the controls list shows them.
enum class Action {
    ThrottleUp,
    ThrottleDown,
    PitchDown,
    PitchUp,
    YawLeft,
    YawRight,
    Laser,
    Missile,
    Emp,
    View1,
    View2,
    View3,
    View4,
    View5,
    View6,
    View7,
    View8,
    Menu,
};

// Which input each flight action answers to, and how the mouse steers. An
// input is a virtual-key code (mouse buttons are the codes 1, 2 and 4, gamepad
// buttons the VK_PAD codes); key codes follow the key's position, so W A S D
// stay under the fingers on any layout. No two actions share an input.
class Controls {
public:
    static constexpr std::size_t kActionCount = static_cast<std::size_t>(Action::Menu) + 1;
    static constexpr float kMinSensitivity = 0.25f;
    static constexpr float kMaxSensitivity = 4.0f;
    static constexpr float kMouseTurn = 0.003f;

    Controls();

    unsigned input(Action action) const { return inputs_[index(action)]; }
    // Binds the input; an action that had it takes this action's old input
    // instead. False, and nothing changes, for an input that cannot be bound
    // (no key, a key without a name, or a mouse button for the menu, which
    // opens on a key press).
    bool bind(Action action, unsigned input);
    void restoreDefaults();
    // Whether the action's input or its controller button is held right now.
    bool held(Action action) const;

    float mouseSensitivity() const { return mouseSensitivity_; }
    // Clamped to 0.25 .. 4.
    void setMouseSensitivity(float sensitivity);
    bool invertPitch = false;
    // The turns, in radians, for a pointer offset from the client centre in
    // pixels (right and down positive).
    float mouseYaw(int offsetX) const;
    float mousePitch(int offsetY) const;

    // The action's name in the controls file and its caption.
    static const char* fileName(Action action);
    static const char* caption(Action action);
    static unsigned defaultInput(Action action);
    // The controller button that also does the action, 0 for none: laser on
    // the right shoulder (a joystick's trigger), missile on A, EMP bomb on X,
    // the menu on Start, unless the player bound that button to an action.
    // The sticks and triggers turn and throttle.
    static unsigned padInput(Action action);
    // The same, or 0 while the player has bound that button to an action.
    unsigned padButton(Action action) const;
    bool isBound(unsigned input) const;

private:
    static std::size_t index(Action action) { return static_cast<std::size_t>(action); }

    std::array<unsigned, kActionCount> inputs_{};
    float mouseSensitivity_ = 1.0f;
};

// The controls the human pilot flies with.
extern Controls g_controls;

}
