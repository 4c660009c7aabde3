#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "gui/Dialogs.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"
#include "rendering/GLFont.h"
#include "rendering/TextureList.h"
#include "shell/GLWindow.h"

// The window, fonts and textures for the drawing tests, read-back of what was
// shown, and a script that drives a dialog's polled input frame by frame.
namespace guigl {

using Rgb = std::array<int, 3>;

class GuiWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A test that closed the window leaves the fonts and textures of a
        // context that is gone; they are made again with the new window.
        if (!dh::isWindowOpen()) {
            dh::releaseFonts();
            dh::releaseTextures();
            dh::createGLWindow();
        }
        ASSERT_TRUE(dh::isWindowOpen());
        if (!dh::g_fontMain) {
            dh::loadFonts();
            dh::loadTextures();
        }
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

    static void resize(int width, int height)
    {
        dh::setClientSize(width, height);
        dh::pumpMessages();
        dh::swapBuffers();
        ASSERT_EQ(dh::clientWidth(), width);
        ASSERT_EQ(dh::clientHeight(), height);
    }
};

// The shown frame (after a buffer swap), top row first, RGB.
inline std::vector<unsigned char> readShownFrame()
{
    const int w = dh::clientWidth();
    const int h = dh::clientHeight();
    std::vector<unsigned char> bottomUp(static_cast<std::size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    glReadBuffer(GL_BACK);
    std::vector<unsigned char> topDown(bottomUp.size());
    const std::size_t row = static_cast<std::size_t>(w) * 3;
    for (int y = 0; y < h; ++y)
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>((h - 1 - y) * row), row,
                    topDown.begin() + static_cast<std::ptrdiff_t>(y * row));
    return topDown;
}

inline Rgb pixel(const std::vector<unsigned char>& frame, int x, int y)
{
    const std::size_t at = (static_cast<std::size_t>(y) * dh::clientWidth() + x) * 3;
    return {frame[at], frame[at + 1], frame[at + 2]};
}

// Writes the frame as a PPM picture under the build tree for looking at.
inline void saveFrame(const std::vector<unsigned char>& frame, const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / "test-output" / "gui";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / (name + ".ppm")).string();
    if (FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fprintf(out, "P6\n%d %d\n255\n", dh::clientWidth(), dh::clientHeight());
        std::fwrite(frame.data(), 1, frame.size(), out);
        std::fclose(out);
    }
}

inline void post(dh::PlatformEvent::Type type, int x, int y, unsigned key = 0, char text = 0)
{
    dh::PlatformEvent event;
    event.type = type;
    event.x = x;
    event.y = y;
    event.button = 1;
    event.key = key;
    event.text = text;
    dh::platformPostEvent(event);
}

inline void movePointer(int x, int y)
{
    post(dh::PlatformEvent::Type::MouseMove, x, y);
}

inline void typeKey(unsigned key, char text)
{
    post(dh::PlatformEvent::Type::KeyDown, 0, 0, key);
    if (text)
        post(dh::PlatformEvent::Type::Text, 0, 0, 0, text);
    post(dh::PlatformEvent::Type::KeyUp, 0, 0, key);
}

// Steps run at the start of the dialog loop's passes; a dialog still open
// after kMaxFrames passes fails the test instead of hanging it.
class DialogScript {
public:
    static constexpr int kMaxFrames = 400;

    DialogScript()
    {
        dh::g_dialogFrameHook = [this](int frame) {
            lastFrame = frame;
            if (auto found = steps.find(frame); found != steps.end())
                for (const std::function<void()>& step : found->second)
                    step();
            if (frame >= kMaxFrames)
                throw std::runtime_error("the dialog did not end");
        };
    }
    ~DialogScript()
    {
        dh::g_dialogFrameHook = nullptr;
        dh::clearInjectedKeys();
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    void at(int frame, std::function<void()> step) { steps[frame].push_back(std::move(step)); }
    void holdLeft(int frame, bool held)
    {
        at(frame, [held] { dh::injectKeyState(dh::VK_LBUTTON, held); });
    }

    std::map<int, std::vector<std::function<void()>>> steps;
    int lastFrame = -1;
};

}
