#include "platform/PlatformWindow.h"
#include "window/DisplayMode.h"
#include "window/FrameBrightness.h"
#include "window/GLWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

// The left half of the back buffer grey `left`, the right half grey `right` (0..255).
void drawTwoGreys(int left, int right)
{
    const int w = dh::clientWidth();
    const int h = dh::clientHeight();
    glEnable(GL_SCISSOR_TEST);
    for (const auto& [x, grey] : {std::array<int, 2>{0, left}, std::array<int, 2>{w / 2, right}}) {
        glScissor(x, 0, w / 2, h);
        glClearColor(grey / 255.0f, grey / 255.0f, grey / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
}

// The red, green and blue of the middle of each half of the back buffer.
std::array<std::array<int, 3>, 2> readGreys()
{
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    std::array<std::array<int, 3>, 2> greys{};
    for (int half = 0; half < 2; ++half) {
        std::array<unsigned char, 3> pixel{};
        glReadPixels(dh::clientWidth() / 4 + half * dh::clientWidth() / 2, dh::clientHeight() / 2, 1, 1, GL_RGB,
                     GL_UNSIGNED_BYTE, pixel.data());
        greys[half] = {pixel[0], pixel[1], pixel[2]};
    }
    return greys;
}

void expectGreys(const std::array<std::array<int, 3>, 2>& greys, int left, int right, const char* what)
{
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_NEAR(greys[0][channel], left, 2) << what << ", left half, channel " << channel;
        EXPECT_NEAR(greys[1][channel], right, 2) << what << ", right half, channel " << channel;
    }
}

TEST(FrameBrightness, WhereTheRampIsRefusedTheShownFrameIsScaledOnceAndTheBackBufferKeepsTheFrameAsDrawn)
{
    dh::createGLWindow();
    ASSERT_TRUE(dh::isWindowOpen());
    std::array<unsigned short, 256> identity{};
    ASSERT_TRUE(dh::gammaRamp(1.0, identity));
    // Xvfb takes the ramp (and shows nothing of it), so the refusal is asked for.
    ::setenv("DRIFT_HAULER_NO_GAMMA_RAMP", "1", 1);
    ASSERT_FALSE(dh::platformSetGammaRamp(identity.data(), identity.data(), identity.data()));

    // The ramp's scale, min(255, g x grey), for greys 100 and 200.
    struct Case {
        double gamma;
        int dark;
        int light;
    };
    for (const Case& c : {Case{0.5, 50, 100}, Case{1.0, 100, 200}, Case{1.5, 150, 255}}) {
        SCOPED_TRACE(c.gamma);
        dh::setGamma(c.gamma);
        EXPECT_FLOAT_EQ(dh::frameBrightness(), static_cast<float>(c.gamma));
        drawTwoGreys(100, 200);
        // What the swap shows is the frame scaled just before it; the front
        // buffer of an X window cannot be read back, so the scaling is read
        // from the back buffer between the two halves of the swap.
        EXPECT_EQ(dh::scaleFrameBrightness(), c.gamma != 1.0);
        expectGreys(readGreys(), c.dark, c.light, "shown");
        if (c.gamma != 1.0)
            dh::restoreUnscaledFrame();
        expectGreys(readGreys(), 100, 200, "kept after showing");

        // The whole swap, then the same frame shown again without drawing, as
        // the dialogs show their frozen frame: scaled once, never twice.
        dh::swapBuffers();
        expectGreys(readGreys(), 100, 200, "back buffer after the swap");
        EXPECT_EQ(dh::scaleFrameBrightness(), c.gamma != 1.0);
        expectGreys(readGreys(), c.dark, c.light, "shown a second time");
        if (c.gamma != 1.0)
            dh::restoreUnscaledFrame();
    }

    dh::setGamma(2.5);
    EXPECT_FLOAT_EQ(dh::frameBrightness(), 1.5f) << "a gamma out of range is ignored";
    ::setenv("DRIFT_HAULER_NO_GAMMA_RAMP", "0", 1);
    dh::setGamma(0.5);
    EXPECT_FLOAT_EQ(dh::frameBrightness(), 1.0f) << "a ramp taken leaves the frame as drawn";
    dh::destroyGLWindow();
}

}
