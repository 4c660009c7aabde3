#include "window/GLWindow.h"

#include "platform/PlatformEvents.h"
#include "window/AccumulationBuffer.h"
#include "window/FullscreenEffect.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace dh {

void setOrthoProjection()
{
    const float w = static_cast<float>(clientWidth());
    const float h = static_cast<float>(clientHeight());
    glViewport(0, 0, clientWidth(), clientHeight());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (w > 0 && h > 0) {
        glScalef(2.0f / w, -2.0f / h, 1.0f);
        glTranslatef(-w / 2.0f, -h / 2.0f, 0.0f);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void setPerspectiveProjection(float farPlane)
{
    const int w = clientWidth();
    const int h = clientHeight();
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(90.0, h > 0 ? static_cast<double>(w) / h : 1.0, 1.0, farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void fadeScreenToBlack(float seconds)
{
    const FullscreenEffect effect;

    glReadBuffer(GL_BACK);
    accumLoad(1.0f);
    glDrawBuffer(GL_BACK);
    setOrthoProjection();
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    float remaining = seconds;
    std::uint32_t last = platformMilliseconds();
    while (isWindowOpen()) {
        pumpMessages();
        if (!isWindowOpen())
            break;
        accumReturn(1.0f);
        const float w = static_cast<float>(clientWidth());
        const float h = static_cast<float>(clientHeight());
        glColor4f(0.0f, 0.0f, 0.0f, 1.0f - remaining / seconds);
        glBegin(GL_QUADS);
        glVertex2f(0, 0);
        glVertex2f(w, 0);
        glVertex2f(w, h);
        glVertex2f(0, h);
        glEnd();
        swapBuffers();
        const std::uint32_t now = platformMilliseconds();
        remaining -= static_cast<float>(now - last) * 0.001f;
        last = now;
        if (remaining <= 0.0f)
            break;
    }
}

}
