#include "gui/GuiButton.h"

#include "audio/SoundEffects.h"
#include "gui/GuiBevel.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

namespace dh {

GuiButton::GuiButton() : font(g_fontMain) {}

void GuiButton::highlight()
{
    if (highlighted)
        return;
    playSound(sample::buttonOver);
    highlighted = true;
}

void GuiButton::press()
{
    pressed = true;
    playSound(sample::buttonClick);
}

void GuiButton::onMouseMove(int, int)
{
    highlight();
}

void GuiButton::onMouseDown(int, int, int)
{
    press();
}

void GuiButton::onMouseUp(int, int, int button)
{
    if (action && pressed && button == 1)
        action();
    pressed = false;
}

void GuiButton::onMouseLeave()
{
    pressed = false;
    highlighted = false;
}

void GuiButton::onPaint()
{
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    drawBevel(colour, x, y, width, height, pressed ? kBevelButtonPressed : kBevelButton);
    if (highlighted) {
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
        bindListTexture(texture(Tex::buttonHighlight));
        glColor3f(highlightColour.r, highlightColour.g, highlightColour.b);
        drawTexturedQuad(static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                         static_cast<float>(height));
    }
    clipToRect(static_cast<float>(x + 2), static_cast<float>(y + 2), static_cast<float>(x + width - 2),
               static_cast<float>(y + height - 2));
    if (text) {
        const int shift = pressed ? 1 : 0;
        drawTextCentered(font, text, static_cast<float>(x + shift), static_cast<float>(y + shift),
                         static_cast<float>(width), static_cast<float>(height), static_cast<float>(textSize),
                         textColour.r, textColour.g, textColour.b);
    }
    disableClipPlanes();
}

}
