#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

#include "gui/Dialogs.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"
#include "window/GLWindow.h"
#include "support/DialogScript.h"
#include "support/GlWindowSupport.h"

// The window with fonts and textures for the drawing tests, read-back of what
// was shown, and posted input.
namespace guigl {

using Rgb = std::array<int, 3>;

class GuiWindow : public testsupport::GlWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testsupport::openWindowWith(testsupport::Art::FontsAndTextures));
        dh::g_listener = nullptr;
        dh::clearInjectedKeys();
        resize(800, 600);
    }
    void TearDown() override
    {
        dh::g_dialogFrameHook = nullptr;
        dh::clearInjectedKeys();
        dh::g_listener = nullptr;
    }
};

// The shown frame (after a buffer swap), top row first, RGB.
inline std::vector<unsigned char> readShownFrame() { return testsupport::readBackTopDown(GL_RGB, 3); }

// Keeps an RGB frame as <build>/test-output/<folder>/<name>.png to look at.
inline void keepFrame(const std::vector<unsigned char>& frame, const std::string& folder, const std::string& name)
{
    std::vector<std::uint8_t> rgba;
    for (std::size_t i = 0; i < frame.size(); i += 3)
        rgba.insert(rgba.end(), {frame[i], frame[i + 1], frame[i + 2], 255});
    testsupport::keepPicture(rgba, folder, name);
}

inline std::vector<unsigned char> keepShownFrame(const std::string& folder, const std::string& name)
{
    std::vector<unsigned char> frame = readShownFrame();
    keepFrame(frame, folder, name);
    return frame;
}

inline Rgb pixel(const std::vector<unsigned char>& frame, int x, int y)
{
    const std::size_t at = (static_cast<std::size_t>(y) * dh::clientWidth() + x) * 3;
    return {frame[at], frame[at + 1], frame[at + 2]};
}

inline bool near(const Rgb& a, const Rgb& b, int tolerance = 1)
{
    return std::abs(a[0] - b[0]) <= tolerance && std::abs(a[1] - b[1]) <= tolerance &&
           std::abs(a[2] - b[2]) <= tolerance;
}

inline void post(dh::PlatformEvent::Type type, int x, int y, unsigned key = 0, char text = 0)
{
    dh::platformPostEvent({.type = type, .x = x, .y = y, .button = 1, .key = key, .text = text});
}

inline void movePointer(int x, int y) { post(dh::PlatformEvent::Type::MouseMove, x, y); }

inline void typeKey(unsigned key, char text)
{
    post(dh::PlatformEvent::Type::KeyDown, 0, 0, key);
    if (text)
        post(dh::PlatformEvent::Type::Text, 0, 0, 0, text);
    post(dh::PlatformEvent::Type::KeyUp, 0, 0, key);
}

// A dialog script that can also hold a key or the left button, or click: onto
// (x, y) at pass f, pressed at f + 1, released at f + 2. The buttons of the
// boxes at 800 x 600 are centred on row 342.
class DialogScript : public testsupport::DialogScript {
public:
    void holdKey(int frame, unsigned key, bool held = true)
    {
        at(frame, [key, held] { testsupport::holdKey(key, held); });
    }
    void holdLeft(int frame, bool held)
    {
        at(frame, [held] { dh::injectKeyState(dh::VK_LBUTTON, held); });
    }
    void clickAt(int frame, int x, int y = 342)
    {
        at(frame, [x, y] { movePointer(x, y); });
        holdLeft(frame + 1, true);
        holdLeft(frame + 2, false);
    }
};

// Centres of "Ok", "Yes" and "No" at 800 x 600.
inline constexpr int kOkX = 400, kYesX = 305, kNoX = 495;

}
