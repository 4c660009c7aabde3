#include "gui/GuiSlider.h"

#include "gui/GuiBevel.h"

#include <GL/gl.h>

namespace dh {

namespace {

void setShade(const GuiColour& colour, float factor)
{
    glColor4f(colour.r * factor, colour.g * factor, colour.b * factor, 1.0f);
}

// Five rows from m - 2 to m + 2, shaded as a sunken frame.
void drawGroove(const GuiColour& c, int x, int m, int w)
{
    const int top = m - 2;
    const int bottom = m + 3;
    setShade(c, 0.3f);
    fillRect(x, top, x + w, top + 1);
    fillRect(x, top, x + 1, bottom);
    setShade(c, 0.5f);
    fillRect(x + 1, top + 1, x + w - 1, top + 2);
    fillRect(x + 1, top + 1, x + 2, bottom - 1);
    setShade(c, 1.0f);
    fillRect(x + w - 1, top, x + w, bottom);
    fillRect(x, bottom - 1, x + w, bottom);
    setShade(c, 0.8f);
    fillRect(x + w - 2, top + 1, x + w - 1, bottom - 1);
    fillRect(x + 1, bottom - 2, x + w - 1, bottom - 1);
}

}

GuiSlider::GuiSlider()
{
    width = 150;
    height = 15;
}

float GuiSlider::position() const
{
    // A slider no wider than its knob has nowhere to go: it stays at the start.
    if (width <= kKnobWidth)
        return 0.0f;
    return static_cast<float>(knobOffset) / static_cast<float>(width - kKnobWidth);
}

float GuiSlider::value() const
{
    const float t = position();
    return (1.0f - t) * minValue + t * maxValue;
}

void GuiSlider::onMouseDown(int px, int, int button)
{
    if (button != 1)
        return;
    const int knobLeft = x + knobOffset;
    if (px < knobLeft || px >= knobLeft + kKnobWidth)
        return;
    dragging = true;
    dragStartX = px;
    knobAtDragStart = knobOffset;
}

void GuiSlider::onMouseMove(int px, int)
{
    if (!dragging)
        return;
    knobOffset = knobAtDragStart + (px - dragStartX);
    if (knobOffset + kKnobWidth > width)
        knobOffset = width - kKnobWidth;
    if (knobOffset < 0)
        knobOffset = 0;
    if (onKnobMoved)
        onKnobMoved();
}

void GuiSlider::onMouseUp(int, int, int button)
{
    if (button == 1)
        dragging = false;
}

void GuiSlider::onMouseLeave()
{
    dragging = false;
}

void GuiSlider::onPaint()
{
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    drawGroove(colour, x, y + height / 2, width);
    drawBevel(colour, x + knobOffset, y, kKnobWidth, height, kBevelRaised);
    glPopAttrib();
}

}
