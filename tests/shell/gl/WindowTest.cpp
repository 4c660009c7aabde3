#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"
#include "platform/PlatformWindow.h"
#include "window/AccumulationBuffer.h"
#include "window/DisplayMode.h"
#include "window/GLWindow.h"
#include "shell/Startup.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Type = dh::PlatformEvent::Type;
using Calls = std::vector<std::string>;

struct Recorder : dh::GLWindowEventListener {
    Calls calls;
    int paints = 0;
    void log(const std::string& what, int x, int y, int b)
    {
        calls.push_back(what + " " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(b));
    }
    void onMouseMove(int x, int y) override { log("move", x, y, 0); }
    void onMouseDown(int x, int y, int b) override { log("down", x, y, b); }
    void onKeyDown(unsigned k) override { calls.push_back("keydown " + std::to_string(k)); }
    void onKeyUp(unsigned k) override { calls.push_back("keyup " + std::to_string(k)); }
    void onClose() override { calls.push_back("close"); }
    void onDestroy() override { calls.push_back("destroy"); }
    void onPaint() override { ++paints; }
};

std::array<unsigned char, 4> pixelAt(int x, int yFromTop)
{
    std::array<unsigned char, 4> rgba{};
    glReadBuffer(GL_BACK);
    glReadPixels(x, dh::clientHeight() - 1 - yFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

void post(Type type, int x = 0, int y = 0, int button = 0, unsigned key = 0)
{
    dh::platformPostEvent({type, x, y, button, key, 0});
    if (type == Type::Close)
        dh::pumpMessages();
}

// The game's window opened with no listener and its first messages handled.
class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        dh::g_listener = nullptr;
        dh::pumpMessages();
    }
    void TearDown() override { dh::g_listener = nullptr; }
};

}

TEST_F(Window, ClientAreaIs800x600AndOrthoProjectionMapsPixelsFromTheTopLeft)
{
    EXPECT_EQ(dh::clientWidth(), 800);
    EXPECT_EQ(dh::clientHeight(), 600);
    for (auto [w, h] : {std::pair{800, 600}, std::pair{1280, 720}}) {
        dh::setClientSize(w, h);
        dh::pumpMessages();
        // One buffer swap lets the GL drawable catch up with the X server's new size.
        dh::swapBuffers();
        ASSERT_EQ(dh::clientWidth(), w);
        dh::clearScreen();
        dh::setOrthoProjection();
        glDisable(GL_DEPTH_TEST);
        glColor3f(1, 0, 0);
        glRecti(0, 0, 1, 1);
        glColor3f(0, 1, 0);
        glRecti(w - 1, h - 1, w, h);
        glFinish();
        EXPECT_EQ(pixelAt(0, 0)[0], 255) << w;
        EXPECT_EQ(pixelAt(1, 0)[0], 0) << w;
        EXPECT_EQ(pixelAt(0, 1)[0], 0) << w;
        EXPECT_EQ(pixelAt(w - 1, h - 1)[1], 255) << w;
        EXPECT_EQ(pixelAt(w - 2, h - 1)[1], 0) << w;
    }
    dh::setClientSize(800, 600);
}

TEST_F(Window, EventsReachTheListenerWithOnePaintAfterThemAndUpdateTheGlobalsWithoutOne)
{
    Recorder recorder;
    dh::g_listener = &recorder;
    post(Type::MouseMove, 12, 34);
    post(Type::MouseDown, 15, 35, 2);
    post(Type::MouseDown, 17, 37, 4);
    post(Type::KeyDown, 0, 0, 0, dh::VK_F1 + 4);
    post(Type::KeyUp, 0, 0, 0, 13);
    dh::invalidateWindow();
    dh::invalidateWindow();
    dh::pumpMessages();
    dh::pumpMessages();
    EXPECT_EQ(recorder.paints, 1);
    const Calls expected{"move 12 34 0", "down 15 35 2", "down 17 37 4", "keydown 116", "keyup 13"};
    EXPECT_EQ(recorder.calls, expected);

    dh::g_listener = nullptr;
    dh::g_inputQueue.clear();
    post(Type::MouseMove, 321, 123);
    post(Type::KeyDown, 0, 0, 0, dh::VK_ESCAPE);
    dh::pumpMessages();
    EXPECT_EQ(dh::g_mouseX, 321);
    EXPECT_EQ(dh::g_mouseY, 123);
    dh::PlatformEvent key;
    ASSERT_TRUE(dh::g_inputQueue.take(key));
    EXPECT_EQ(key.type, Type::KeyDown);
    EXPECT_EQ(key.key, 27u);
    EXPECT_FALSE(dh::g_inputQueue.take(key));
    EXPECT_EQ(recorder.calls, expected);
}

// The tunnel's smear: buffer := 0.5 x the red frame + 0.25 x the white frame
// on screen, which stays there until the buffer is returned. (Loading and
// returning a frozen frame darkened is checked with the dialogs.)
TEST_F(Window, AccumulationScalesAddsAndReturns)
{
    dh::setOrthoProjection();
    glDisable(GL_BLEND);
    glColor3f(1, 0, 0);
    glRecti(0, 0, 800, 600);
    dh::accumLoad(1.0f);
    dh::accumMultiply(0.5f);
    glColor3f(1, 1, 1);
    glRecti(0, 0, 800, 600);
    dh::accumAdd(0.25f);
    glFinish();
    EXPECT_EQ(pixelAt(100, 300)[1], 255);
    dh::accumReturn(1.0f);
    glFinish();
    EXPECT_NEAR(pixelAt(100, 300)[0], 191.25, 1.5);
    EXPECT_NEAR(pixelAt(100, 300)[1], 63.75, 1.5);
}

TEST_F(Window, ListenerDecidesOnCloseAndNoListenerMeansDestroy)
{
    struct Closer : Recorder {
        void onClose() override
        {
            Recorder::onClose();
            dh::destroyWindow();
        }
    } closer;
    Recorder keeper;
    dh::g_listener = &keeper;
    post(Type::Close);
    EXPECT_TRUE(dh::isWindowOpen());
    EXPECT_EQ(keeper.calls, Calls{"close"});
    dh::g_listener = &closer;
    post(Type::Close);
    EXPECT_FALSE(dh::isWindowOpen());
    EXPECT_EQ(closer.calls, (Calls{"close", "destroy"}));
    EXPECT_EQ(dh::g_listener, nullptr);

    dh::createGLWindow();
    ASSERT_TRUE(dh::isWindowOpen());
    post(Type::Close);
    EXPECT_FALSE(dh::isWindowOpen());
}

// The virtual test display has one mode, its own size; full screen takes it
// when it is a preferred size, and windowed brings the 800 x 600 client back.
TEST_F(Window, FullscreenTakesThePreferredDisplaySizeAndWindowedComesBack)
{
    int width = 0, height = 0;
    dh::platformGetDesktopSize(width, height);
    bool preferred = false;
    for (const dh::ScreenSize& size : dh::kFullscreenPreference)
        preferred = preferred || (size.width == width && size.height == height);
    if (!preferred)
        GTEST_SKIP() << "the test display is " << width << " x " << height << ", not a preferred size";
    dh::chooseFullscreenMode();
    dh::pumpMessages();
    EXPECT_TRUE(dh::g_fullscreen);
    EXPECT_EQ(dh::clientWidth(), width);
    EXPECT_EQ(dh::clientHeight(), height);
    dh::setDisplayMode(800, 600, false);
    dh::pumpMessages();
    EXPECT_FALSE(dh::g_fullscreen);
    EXPECT_EQ(dh::clientWidth(), 800);
    EXPECT_EQ(dh::clientHeight(), 600);
}
