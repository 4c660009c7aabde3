#pragma once

// Gamepads and joysticks, plugged in and out at any time. The game reads them
// as it reads held keys: each button is a key code of its own (isKeyHeld and
// the key events), each stick or trigger an axis.
namespace dh {

inline constexpr unsigned VK_PAD_A = 0x100, VK_PAD_B = 0x101, VK_PAD_X = 0x102, VK_PAD_Y = 0x103,
                          VK_PAD_START = 0x106, VK_PAD_RIGHTSHOULDER = 0x10A, VK_PAD_DPAD_UP = 0x10B,
                          VK_PAD_DPAD_DOWN = 0x10C, VK_PAD_DPAD_LEFT = 0x10D, VK_PAD_DPAD_RIGHT = 0x10E;

enum class PadAxis { LeftX, LeftY, LeftTrigger, RightTrigger };

// Whether any controller holds the button (one of the VK_PAD codes). A
// joystick without a gamepad layout offers its trigger as the right shoulder
// and its next three buttons as A, X and Y.
bool isPadButtonHeld(unsigned padKey);
// The strongest deflection among the controllers, -1 .. 1 (triggers 0 .. 1),
// 0 within the dead zone of 15 % around the rest position. Sticks are
// positive to the right and down. A joystick's first two axes are the left
// stick.
float padAxis(PadAxis axis);
bool isPadKey(unsigned key);

// Starts the controller subsystem and opens the controllers already there.
void openControllers();
void closeControllers();

// A controller made in software, for tests: a gamepad (with the gamepad
// layout) or a plain joystick with two axes and four buttons.
class VirtualController {
public:
    explicit VirtualController(bool gamepad);
    ~VirtualController();
    VirtualController(const VirtualController&) = delete;
    VirtualController& operator=(const VirtualController&) = delete;

    bool attached() const { return deviceIndex_ >= 0; }
    // Values as the game reads them (triggers 0 .. 32767). A joystick has the
    // left stick's axes and the buttons A, X, Y and the right shoulder only.
    void setAxis(PadAxis axis, short value);
    void setButton(unsigned padKey, bool held);
    void detach();

private:
    bool gamepad_;
    int deviceIndex_ = -1;
    void* joystick_ = nullptr;
};

}
