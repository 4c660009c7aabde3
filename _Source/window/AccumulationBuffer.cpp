#include "window/AccumulationBuffer.h"

#include "window/GLWindow.h"

#include <GL/gl.h>

#include <initializer_list>

namespace dh {

namespace {

// The buffer is a texture of a frame times a scale, so multiplying costs
// nothing until the buffer is used again.
struct EmulatedBuffer {
    GLuint frame = 0;
    GLuint scratch = 0;
    int width = 0;
    int height = 0;
    float scale = 0.0f;
};
EmulatedBuffer s_buffer;

void makeTexture(GLuint& texture, int width, int height)
{
    if (!texture)
        glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
}

void ensureTextures()
{
    const int width = clientWidth();
    const int height = clientHeight();
    if (s_buffer.frame && width == s_buffer.width && height == s_buffer.height)
        return;
    makeTexture(s_buffer.frame, width, height);
    makeTexture(s_buffer.scratch, width, height);
    s_buffer.width = width;
    s_buffer.height = height;
}

void copyBackBufferTo(GLuint texture)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, s_buffer.width, s_buffer.height);
}

// Draws a texture over the whole client area, times weight, with the given
// blending; everything else the frame had set up is left as it was.
void drawFullScreen(GLuint texture, float weight, bool additive)
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glViewport(0, 0, s_buffer.width, s_buffer.height);
    for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING, GL_CULL_FACE, GL_FOG, GL_ALPHA_TEST, GL_STENCIL_TEST,
                       GL_SCISSOR_TEST, GL_CLIP_PLANE0, GL_CLIP_PLANE1, GL_CLIP_PLANE2, GL_CLIP_PLANE3})
        glDisable(cap);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    if (additive) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
    } else {
        glDisable(GL_BLEND);
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    const float w = weight < 0.0f ? 0.0f : weight > 1.0f ? 1.0f : weight;
    glColor4f(w, w, w, w);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(-1, -1);
    glTexCoord2f(1, 0); glVertex2f(1, -1);
    glTexCoord2f(1, 1); glVertex2f(1, 1);
    glTexCoord2f(0, 1); glVertex2f(-1, 1);
    glEnd();
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

}

void accumLoad(float weight)
{
    ensureTextures();
    copyBackBufferTo(s_buffer.frame);
    s_buffer.scale = weight;
}

void accumMultiply(float factor)
{
    s_buffer.scale *= factor;
}

// buffer := scale x buffer + weight x frame, leaving the frame on screen.
void accumAdd(float weight)
{
    ensureTextures();
    copyBackBufferTo(s_buffer.scratch);
    drawFullScreen(s_buffer.frame, s_buffer.scale, false);
    drawFullScreen(s_buffer.scratch, weight, true);
    copyBackBufferTo(s_buffer.frame);
    s_buffer.scale = 1.0f;
    drawFullScreen(s_buffer.scratch, 1.0f, false);
}

void accumReturn(float weight)
{
    if (!s_buffer.frame)
        return;
    drawFullScreen(s_buffer.frame, s_buffer.scale * weight, false);
}

void releaseAccumulationBuffer()
{
    if (s_buffer.frame && isWindowOpen()) {
        glDeleteTextures(1, &s_buffer.frame);
        glDeleteTextures(1, &s_buffer.scratch);
    }
    s_buffer = EmulatedBuffer{};
}

}
