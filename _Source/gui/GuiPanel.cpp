#include "gui/GuiPanel.h"

#include "gui/GuiBevel.h"

#include <GL/gl.h>

namespace dh {

GuiPanel::GuiPanel()
{
    width = 400;
    height = 200;
}

GuiWidget* GuiPanel::addWidget(std::unique_ptr<GuiWidget> widget)
{
    GuiWidget* stored = addToSlots(children, std::move(widget));
    if (stored)
        stored->parent = this;
    return stored;
}

void GuiPanel::onMouseMove(int px, int py)
{
    dispatchMouseMove(children, px - x, py - y);
}

void GuiPanel::onMouseDown(int px, int py, int button)
{
    if (GuiWidget* child = hitWidget(children, px - x, py - y))
        child->onMouseDown(px - x, py - y, button);
}

void GuiPanel::onMouseUp(int px, int py, int button)
{
    if (GuiWidget* child = hitWidget(children, px - x, py - y))
        child->onMouseUp(px - x, py - y, button);
}

void GuiPanel::onMouseLeave()
{
    leaveAll(children);
}

void GuiPanel::onPaint()
{
    if (!visible)
        return;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    drawBevel(colour, x, y, width, height, raised ? kBevelRaised : kBevelSunken);
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    for (std::size_t i = kWidgetSlots; i-- > 0;) {
        if (!children[i])
            continue;
        // Set again for every child: a child may use the planes itself.
        clipToRect(2.0f, 2.0f, static_cast<float>(width - 2), static_cast<float>(height - 2));
        children[i]->onPaint();
    }
    glTranslatef(static_cast<float>(-x), static_cast<float>(-y), 0.0f);
    disableClipPlanes();
}

}
