#include "window/FrameBrightness.h"

#include "window/GLWindow.h"

#include <GL/gl.h>

#include <algorithm>
#include <initializer_list>

namespace dh {

namespace {

float s_brightness = 1.0f;

struct KeptFrame {
    GLuint texture = 0;
    int width = 0;
    int height = 0;
};
KeptFrame s_kept;

// Everything a frame may have left set is saved, and the whole client area
// becomes the drawing space for one flat quad in normalised coordinates.
class FullScreenPass {
public:
    FullScreenPass()
    {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        for (GLenum matrix : {GL_TEXTURE, GL_PROJECTION, GL_MODELVIEW}) {
            glMatrixMode(matrix);
            glPushMatrix();
            glLoadIdentity();
        }
        glViewport(0, 0, clientWidth(), clientHeight());
        for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING, GL_CULL_FACE, GL_FOG, GL_ALPHA_TEST, GL_STENCIL_TEST,
                           GL_SCISSOR_TEST, GL_CLIP_PLANE0, GL_CLIP_PLANE1, GL_CLIP_PLANE2, GL_CLIP_PLANE3,
                           GL_TEXTURE_2D, GL_BLEND, GL_COLOR_MATERIAL})
            glDisable(cap);
        glReadBuffer(GL_BACK);
        glDrawBuffer(GL_BACK);
    }
    ~FullScreenPass()
    {
        for (GLenum matrix : {GL_TEXTURE, GL_PROJECTION, GL_MODELVIEW}) {
            glMatrixMode(matrix);
            glPopMatrix();
        }
        glPopAttrib();
    }
    FullScreenPass(const FullScreenPass&) = delete;
    FullScreenPass& operator=(const FullScreenPass&) = delete;

    static void quad()
    {
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0); glVertex2f(-1, -1);
        glTexCoord2f(1, 0); glVertex2f(1, -1);
        glTexCoord2f(1, 1); glVertex2f(1, 1);
        glTexCoord2f(0, 1); glVertex2f(-1, 1);
        glEnd();
    }
};

void keepFrame()
{
    const int width = clientWidth();
    const int height = clientHeight();
    if (!s_kept.texture)
        glGenTextures(1, &s_kept.texture);
    glBindTexture(GL_TEXTURE_2D, s_kept.texture);
    if (width != s_kept.width || height != s_kept.height) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        s_kept.width = width;
        s_kept.height = height;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
}

}

void setFrameBrightness(float brightness)
{
    s_brightness = std::clamp(brightness, 0.0f, 2.0f);
}

float frameBrightness()
{
    return s_brightness;
}

// The ramp multiplies every channel by the brightness and saturates, so the
// frame is blended with itself to the same effect: below 1 the frame is
// multiplied by a grey of that level (zero x source + source colour x frame),
// above 1 the frame is added to itself times (brightness - 1) (frame x source
// + frame), which saturates at white as the ramp does. The results differ from
// the ramp only by the rounding of 8-bit channels. Alpha is left alone.
bool scaleFrameBrightness()
{
    if (s_brightness == 1.0f || !isWindowOpen() || clientWidth() <= 0 || clientHeight() <= 0)
        return false;
    const FullScreenPass pass;
    keepFrame();
    glEnable(GL_BLEND);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    const float level = s_brightness < 1.0f ? s_brightness : s_brightness - 1.0f;
    if (s_brightness < 1.0f)
        glBlendFunc(GL_ZERO, GL_SRC_COLOR);
    else
        glBlendFunc(GL_DST_COLOR, GL_ONE);
    glColor4f(level, level, level, 1.0f);
    FullScreenPass::quad();
    return true;
}

void restoreUnscaledFrame()
{
    if (!s_kept.texture || !isWindowOpen())
        return;
    const FullScreenPass pass;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, s_kept.texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    FullScreenPass::quad();
}

void releaseFrameBrightness()
{
    if (s_kept.texture && isWindowOpen())
        glDeleteTextures(1, &s_kept.texture);
    s_kept = KeptFrame{};
}

}
