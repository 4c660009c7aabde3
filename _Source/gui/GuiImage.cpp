#include "gui/GuiImage.h"

#include "gui/GuiBevel.h"
#include "rendering/GLTexture.h"

#include <GL/gl.h>

namespace dh {

GuiImage::GuiImage(TitleImage) : texture(new GLTexture("gfx//titlescreen.tga")), ownsTexture(true) {}

GuiImage::~GuiImage()
{
    releaseTexture();
}

void GuiImage::releaseTexture()
{
    if (ownsTexture && texture)
        delete texture;
    texture = nullptr;
    ownsTexture = false;
}

void GuiImage::setTexture(GLTexture* shown)
{
    releaseTexture();
    texture = shown;
}

void GuiImage::onPaint()
{
    if (!texture)
        return;
    glPushAttrib(GL_ENABLE_BIT);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    texture->bind();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    drawTexturedQuad(static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                     static_cast<float>(height));
    glPopAttrib();
}

}
