#include "screens/DockDrawing.h"

#include "gui/GuiBevel.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

namespace dh {

void fillBlack(int x, int y, int width, int height)
{
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    fillQuad(x, y, x + width, y + height);
}

void fillQuad(int left, int top, int right, int bottom)
{
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    fillRect(left, top, right, bottom);
}

void drawIcon(const GLTexture* texture, int x, int y, int size)
{
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    bindListTexture(texture);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    const float s = static_cast<float>(size);
    drawTexturedQuad(static_cast<float>(x), static_cast<float>(y), s, s);
}

void drawSmallText(const char* text, int x, int y)
{
    drawText(g_fontMain, text, static_cast<float>(x), static_cast<float>(y), 8.0f, 1.0f, 1.0f, 1.0f);
}

void drawBigText(const char* text, int x, int y)
{
    drawText(g_fontBig, text, static_cast<float>(x), static_cast<float>(y), 16.0f, 1.0f, 1.0f, 1.0f);
}

void drawCredits(double credits, int iconX, int iconY, int textX, int textY)
{
    drawIcon(texture(Tex::money), iconX, iconY, 32);
    drawBigText(formatLine("Cr %1.2f", credits).data(), textX, textY);
}

}
