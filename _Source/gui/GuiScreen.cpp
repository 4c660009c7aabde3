#include "gui/GuiScreen.h"

#include "gui/PadPointer.h"
#include "window/UiSpace.h"
#include "platform/Controllers.h"
#include "platform/KeyState.h"
#include "window/GLWindow.h"
#include "window/ListenerScope.h"

#include <GL/gl.h>

namespace dh {

GuiWidget* GuiScreen::addWidget(std::unique_ptr<GuiWidget> widget)
{
    return addToSlots(widgets, std::move(widget));
}

void GuiScreen::run()
{
    setCursorMode(1);
    const ListenerScope current(this);
    running = true;
    PadPointer pointer;
    while (isWindowOpen()) {
        pointer.update();
        invalidateWindow();
        pumpMessages();
        if (!running)
            break;
    }
}

void GuiScreen::onMouseMove(int px, int py)
{
    int x = 0, y = 0;
    toVirtual(px, py, uiScale(), x, y);
    dispatchMouseMove(widgets, x, y);
}

class GuiScreen::Dispatch {
public:
    explicit Dispatch(GuiScreen& screen) : screen_(screen) { ++screen_.dispatching_; }
    ~Dispatch()
    {
        if (--screen_.dispatching_ == 0 && screen_.releasePending_)
            screen_.releaseWidgets();
    }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

private:
    GuiScreen& screen_;
};

void GuiScreen::onMouseDown(int px, int py, int button)
{
    int x = 0, y = 0;
    toVirtual(px, py, uiScale(), x, y);
    const Dispatch dispatch(*this);
    if (GuiWidget* widget = hitWidget(widgets, x, y))
        widget->onMouseDown(x, y, button);
}

void GuiScreen::onMouseUp(int px, int py, int button)
{
    int x = 0, y = 0;
    toVirtual(px, py, uiScale(), x, y);
    const Dispatch dispatch(*this);
    if (GuiWidget* widget = hitWidget(widgets, x, y))
        widget->onMouseUp(x, y, button);
}

void GuiScreen::onKeyDown(unsigned virtualKey)
{
    if (virtualKey == VK_ESCAPE || virtualKey == VK_PAD_B)
        running = false;
    else if (virtualKey == VK_PAD_A)
        onMouseDown(g_mouseX, g_mouseY, 1);
}

void GuiScreen::onKeyUp(unsigned virtualKey)
{
    if (virtualKey == VK_PAD_A)
        onMouseUp(g_mouseX, g_mouseY, 1);
}

void GuiScreen::onClose()
{
    destroyWindow();
}

void GuiScreen::onDestroy()
{
    if (dispatching_ > 0)
        releasePending_ = true;
    else
        releaseWidgets();
}

void GuiScreen::releaseWidgets()
{
    releasePending_ = false;
    for (std::unique_ptr<GuiWidget>& widget : widgets)
        widget.reset();
}

void GuiScreen::onPaint()
{
    glClearColor(clearColour.r, clearColour.g, clearColour.b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    setOrthoProjection();
    const float s = uiScale();
    glMatrixMode(GL_PROJECTION);
    glScalef(s, s, s);
    glMatrixMode(GL_MODELVIEW);
    for (std::size_t i = kWidgetSlots; i-- > 0;)
        if (widgets[i] && widgets[i]->visible)
            widgets[i]->onPaint();
    swapBuffers();
    glPopAttrib();
}

}
