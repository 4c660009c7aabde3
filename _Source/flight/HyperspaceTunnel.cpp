#include "flight/Game.h"

#include "flight/FlightDrawing.h"
#include "platform/PlatformEvents.h"
#include "rendering/TextureList.h"
#include "window/AccumulationBuffer.h"
#include "window/FullscreenEffect.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

namespace dh {

namespace {

constexpr float kTunnelSeconds = 1.5f;
constexpr float kTunnelRadius = 4.0f;
constexpr float kTunnelLength = 100000.0f;

// One textured pass over the eight sides of the tube, the texture scrolled along it.
void drawTube(Tex tex, float scroll, float repeats)
{
    bindOrUntextured(texture(tex));
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(0.0f, scroll, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    constexpr float kSector = std::numbers::pi_v<float> / 4.0f;
    glBegin(GL_QUADS);
    for (int k = 0; k < 8; ++k) {
        const float a0 = static_cast<float>(k) * kSector;
        const float a1 = static_cast<float>(k + 1) * kSector;
        const float x0 = kTunnelRadius * std::cos(a0);
        const float y0 = kTunnelRadius * std::sin(a0);
        const float x1 = kTunnelRadius * std::cos(a1);
        const float y1 = kTunnelRadius * std::sin(a1);
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(x0, y0, 0.0f);
        glTexCoord2f(repeats, 0.0f);
        glVertex3f(x0, y0, -kTunnelLength);
        glTexCoord2f(repeats, 1.0f);
        glVertex3f(x1, y1, -kTunnelLength);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(x1, y1, 0.0f);
    }
    glEnd();
}

}

void drawHyperspaceTunnelFrame(float remaining)
{
    const float p = remaining * 0.6666667f;
    glEnable(GL_TEXTURE_2D);
    for (const GLenum state : {GL_DEPTH_TEST, GL_LIGHTING, GL_BLEND, GL_FOG, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T,
                               GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q}) {
        glDisable(state);
    }
    glFlush();
    glClear(GL_COLOR_BUFFER_BIT);
    setPerspectiveProjection(1000000.0f);
    glTranslatef(0.0f, 0.0f, (1.0f - p) * 200.0f);
    const float repeats = 6250.0f - 2000.0f * (1.0f - p);

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    drawTube(Tex::hyperspace1, p * 8.0f, repeats);

    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    drawTube(Tex::hyperspace2, p * 12.0f, repeats);

    // The smear: each frame keeps (1 - p) of the last one, so the tunnel
    // streaks and sinks to black as p runs out.
    glReadBuffer(GL_BACK);
    if (remaining == kTunnelSeconds) {
        accumLoad(1.0f);
    } else {
        accumMultiply(1.0f - p);
        accumAdd(p);
        accumReturn(p);
    }
}

void playHyperspaceTunnel()
{
    if (!isWindowOpen()) {
        return;
    }
    const FullscreenEffect effect;

    float remaining = kTunnelSeconds;
    std::uint32_t last = platformMilliseconds();
    while (isWindowOpen() && remaining > 0.0f) {
        invalidateWindow();
        pumpMessages();
        if (!isWindowOpen()) {
            break;
        }
        drawHyperspaceTunnelFrame(remaining);
        swapBuffers();
        const std::uint32_t now = platformMilliseconds();
        remaining -= static_cast<float>(now - last) * 0.001f;
        last = now;
    }

    if (isWindowOpen()) {
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
    }
}

}
