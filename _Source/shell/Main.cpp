#include "platform/PlatformEvents.h"
#include "platform/PlatformWindow.h"
#include "shell/GLWindow.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// Shows that the window is alive until the game's screens take over.
class TestPattern : public dh::GLWindowEventListener {
public:
    void onClose() override { dh::destroyWindow(); }
    void onPaint() override
    {
        const float t = static_cast<float>(dh::platformMilliseconds()) * 0.001f;
        dh::clearScreen();
        dh::setOrthoProjection();
        const float w = static_cast<float>(dh::clientWidth());
        const float h = static_cast<float>(dh::clientHeight());
        glBegin(GL_QUADS);
        for (int i = 0; i < 8; ++i) {
            const float x = std::fmod(i * w / 8.0f + t * 60.0f, w);
            glColor3f(0.2f + 0.1f * i, 0.3f, 0.8f - 0.08f * i);
            glVertex2f(x, h * 0.4f);
            glVertex2f(x + w / 16.0f, h * 0.4f);
            glVertex2f(x + w / 16.0f, h * 0.6f);
            glVertex2f(x, h * 0.6f);
        }
        glEnd();
        dh::swapBuffers();
    }
};

}

int main()
{
    dh::platformInit();
    dh::createGLWindow();
    TestPattern pattern;
    dh::g_listener = &pattern;
    while (dh::isWindowOpen()) {
        dh::invalidateWindow();
        dh::pumpMessages();
    }
    dh::platformQuit();
    return 0;
}
