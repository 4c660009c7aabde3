#include "gui/GuiWidget.h"

namespace dh {

void GuiWidget::onMouseEnter(int, int) {}

void GuiWidget::onMouseLeave() {}

void GuiWidget::setColour(float r, float g, float b)
{
    colour = clampColour(r, g, b);
}

bool GuiWidget::contains(int px, int py) const
{
    return x <= px && px < x + width && y <= py && py < y + height;
}

}
