#include "rendering/TextDrawing.h"

#include "rendering/GLFont.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>

namespace dh {

namespace {

void drawGlyph(unsigned char c, float x, float y, float size)
{
    const float column = static_cast<float>(c % 16);
    const float row = static_cast<float>((c / 16) % 16);
    const float s0 = column / 16.0f;
    const float s1 = (column + 1.0f) / 16.0f;
    const float t0 = row / 16.0f;
    const float t1 = (row + 1.0f) / 16.0f;
    glTexCoord2f(s0, t0);
    glVertex3f(x, y, 0.0f);
    glTexCoord2f(s1, t0);
    glVertex3f(x + size, y, 0.0f);
    glTexCoord2f(s1, t1);
    glVertex3f(x + size, y + size, 0.0f);
    glTexCoord2f(s0, t1);
    glVertex3f(x, y + size, 0.0f);
}

}

void drawText(const GLFont* font, const char* text, float x, float y, float size, float r, float g, float b)
{
    if (font == nullptr || text == nullptr || !(size > 0.0f)) {
        return;
    }
    glPushAttrib(GL_ENABLE_BIT);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_ALPHA_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    font->texture->bind();
    glColor4f(r, g, b, 1.0f);
    glBegin(GL_QUADS);
    const float startX = x;
    for (const char* p = text; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == 10) {
            y += size;
            x = startX;
            continue;
        }
        drawGlyph(c, x, y, size);
        x += size;
    }
    glEnd();
    glPopAttrib();
}

void drawTextCentered(const GLFont* font, const char* text, float x, float y, float width, float height,
                      float size, float r, float g, float b)
{
    if (text == nullptr || !(size > 0.0f)) {
        return;
    }
    const auto n = static_cast<float>(std::strlen(text));
    const float penX = std::round(x + width / 2.0f - n * size / 2.0f);
    const float penY = std::round(y + height / 2.0f - size / 2.0f);
    drawText(font, text, penX, penY, size, r, g, b);
}

}
