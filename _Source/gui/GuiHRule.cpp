#include "gui/GuiHRule.h"

#include "gui/GuiBevel.h"

#include <GL/gl.h>

namespace dh {

namespace {

void drawRow(const GuiColour& colour, float factor, int left, int top, int width)
{
    glColor4f(colour.r * factor, colour.g * factor, colour.b * factor, 1.0f);
    fillRect(left, top, left + width, top + 1);
}

}

GuiHRule::GuiHRule()
{
    width = 300;
    height = 3;
}

void GuiHRule::onPaint()
{
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    drawRow(colour, sunken ? 0.5f : 1.0f, x, y, width);
    drawRow(colour, 0.7f, x, y + 1, width);
    drawRow(colour, sunken ? 1.0f : 0.5f, x, y + 2, width);
    glPopAttrib();
}

}
