#include "gui/GuiBevel.h"

#include "rendering/GLTexture.h"

#include <GL/gl.h>

namespace dh {

namespace {

void setColour(const GuiColour& colour, float factor)
{
    glColor4f(colour.r * factor, colour.g * factor, colour.b * factor, 1.0f);
}

}

void fillRect(int left, int top, int right, int bottom)
{
    glBegin(GL_QUADS);
    glVertex2i(left, top);
    glVertex2i(right, top);
    glVertex2i(right, bottom);
    glVertex2i(left, bottom);
    glEnd();
}

void drawBevel(const GuiColour& c, int x, int y, int w, int h, const BevelShades& shades)
{
    glBegin(GL_QUADS);
    setColour(c, shades.fillTop);
    glVertex2i(x, y);
    glVertex2i(x + w, y);
    setColour(c, shades.fillBottom);
    glVertex2i(x + w, y + h);
    glVertex2i(x, y + h);
    glEnd();

    setColour(c, shades.outerTopLeft);
    fillRect(x, y, x + w, y + 1);
    fillRect(x, y, x + 1, y + h);
    setColour(c, shades.innerTopLeft);
    fillRect(x + 1, y + 1, x + w - 1, y + 2);
    fillRect(x + 1, y + 1, x + 2, y + h - 1);
    setColour(c, shades.outerBottomRight);
    fillRect(x + w - 1, y, x + w, y + h);
    fillRect(x, y + h - 1, x + w, y + h);
    setColour(c, shades.innerBottomRight);
    fillRect(x + w - 2, y + 1, x + w - 1, y + h - 1);
    fillRect(x + 1, y + h - 2, x + w - 1, y + h - 1);
}

void drawTexturedQuad(float x, float y, float w, float h)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(x, y);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(x + w, y);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(x + w, y + h);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(x, y + h);
    glEnd();
}

void bindListTexture(const GLTexture* texture)
{
    if (texture)
        texture->bind();
    else
        glBindTexture(GL_TEXTURE_2D, 0);
}

void clipToRect(float left, float top, float right, float bottom)
{
    const GLdouble planes[4][4] = {
        {1.0, 0.0, 0.0, -left},
        {-1.0, 0.0, 0.0, right},
        {0.0, 1.0, 0.0, -top},
        {0.0, -1.0, 0.0, bottom},
    };
    for (int i = 0; i < 4; ++i) {
        glClipPlane(GL_CLIP_PLANE0 + i, planes[i]);
        glEnable(GL_CLIP_PLANE0 + i);
    }
}

void disableClipPlanes()
{
    for (int i = 0; i < 4; ++i)
        glDisable(GL_CLIP_PLANE0 + i);
}

}
