#include "gui/DialogFrame.h"

#include "audio/SoundEffects.h"
#include "gui/Dialogs.h"
#include "gui/DialogPolling.h"
#include "gui/GuiBevel.h"
#include "window/UiSpace.h"
#include "platform/KeyState.h"
#include "rendering/TextureList.h"
#include "window/AccumulationBuffer.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

namespace dh {

namespace {

constexpr int kBoxWidth = 600;
constexpr int kBoxHeight = 150;
constexpr int kTitleBarHeight = 24;

void placePanel(GuiPanel& panel, int x, int y, int width, int height)
{
    panel.raised = true;
    panel.colour = {1.0f, 1.0f, 1.0f};
    panel.x = x;
    panel.y = y;
    panel.width = width;
    panel.height = height;
}

}

DialogFrame::DialogFrame(const char* title)
{
    scale_ = uiScale();
    uiSize(virtualWidth, virtualHeight);
    playSound(sample::dialogPopup);

    glReadBuffer(GL_BACK);
    accumLoad(1.0f);
    glDrawBuffer(GL_BACK);

    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glPushAttrib(GL_ENABLE_BIT);
    setOrthoProjection();
    glMatrixMode(GL_PROJECTION);
    glScalef(scale_, scale_, scale_);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glShadeModel(GL_SMOOTH);

    listenerOff_.emplace(nullptr);
    // Keys pressed before the dialog opened are not for it.
    g_inputQueue.clear();

    boxX = static_cast<int>(virtualWidth) / 2 - kBoxWidth / 2;
    boxY = static_cast<int>(virtualHeight) / 2 - kBoxHeight / 2;
    placePanel(body_, boxX, boxY, kBoxWidth, kBoxHeight);
    placePanel(titleBar_, boxX, boxY - kTitleBarHeight, kBoxWidth, kTitleBarHeight);
    title_.colour = {0.0f, 0.0f, 0.0f};
    title_.textSize = 8;
    title_.x = boxX + 8;
    title_.y = boxY - 16;
    title_.width = 584;
    title_.height = 16;
    title_.text = title;

    leftWasDown_ = isKeyHeld(VK_LBUTTON);
}

DialogFrame::~DialogFrame()
{
    listenerOff_.reset();
    if (!isWindowOpen())
        return;
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

void DialogFrame::addButton(const char* text, int x)
{
    if (buttonCount_ == kMaxButtons)
        return;
    GuiButton& button = buttons_[buttonCount_++];
    button.text = text;
    button.x = x;
    button.y = boxY + 100;
    button.width = 180;
    button.height = 35;
}

std::span<GuiButton> DialogFrame::buttons()
{
    return std::span<GuiButton>(buttons_.data(), buttonCount_);
}

bool DialogFrame::beginFrame()
{
    if (g_dialogFrameHook)
        g_dialogFrameHook(frame_);
    ++frame_;
    if (!isWindowOpen())
        return false;
    invalidateWindow();
    pumpMessages();
    // The window may have gone while its messages were handled.
    if (!isWindowOpen())
        return false;
    accumReturn(0.3f);
    return true;
}

int DialogFrame::pollButtons()
{
    int x = 0, y = 0;
    toVirtual(g_mouseX, g_mouseY, scale_, x, y);
    const bool leftIsDown = isKeyHeld(VK_LBUTTON);
    const int clicked = pollDialogButtons(buttons(), x, y, leftWasDown_, leftIsDown);
    leftWasDown_ = leftIsDown;
    return clicked;
}

void DialogFrame::paintBox()
{
    body_.onPaint();
    titleBar_.onPaint();
    title_.onPaint();
    for (GuiButton& button : buttons())
        button.onPaint();
}

void DialogFrame::endFrame()
{
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    bindListTexture(texture(Tex::buttonHighlight));
    glColor3f(0.2f, 0.2f, 0.2f);
    drawTexturedQuad(static_cast<float>(titleBar_.x), static_cast<float>(titleBar_.y),
                     static_cast<float>(titleBar_.width), static_cast<float>(titleBar_.height));
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    swapBuffers();
}

}
