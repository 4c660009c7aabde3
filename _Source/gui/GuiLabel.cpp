#include "gui/GuiLabel.h"

#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"

namespace dh {

GuiLabel::GuiLabel() : font(g_fontMain)
{
    colour = {0.0f, 0.0f, 0.0f};
}

void GuiLabel::onPaint()
{
    if (!font || !text)
        return;
    drawText(font, text, static_cast<float>(x), static_cast<float>(y), static_cast<float>(textSize), colour.r,
             colour.g, colour.b);
}

}
