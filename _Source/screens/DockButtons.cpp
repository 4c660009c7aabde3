#include "screens/DockButtons.h"

#include "gui/Dialogs.h"

namespace dh {

void showDockMessage(const DockMessage& message)
{
    if (message)
        showMessage(message.title, message.text);
}

void forwardMouseMove(DockButtons buttons, int x, int y)
{
    for (GuiButton* button : buttons) {
        if (button->contains(x, y)) {
            if (!button->hovered) {
                button->hovered = true;
                button->onMouseEnter(x, y);
            }
            button->onMouseMove(x, y);
        } else if (button->hovered) {
            button->hovered = false;
            button->onMouseLeave();
        }
    }
}

void forwardMouseDown(DockButtons buttons, int x, int y, int button)
{
    for (GuiButton* b : buttons)
        if (b->contains(x, y))
            b->onMouseDown(x, y, button);
}

void forwardMouseUp(DockButtons buttons, int x, int y, int button)
{
    for (GuiButton* b : buttons)
        if (b->contains(x, y))
            b->onMouseUp(x, y, button);
}

void forwardMouseLeave(DockButtons buttons)
{
    for (GuiButton* button : buttons) {
        if (button->hovered) {
            button->hovered = false;
            button->onMouseLeave();
        }
    }
}

bool clickedOn(const GuiButton& button, int x, int y)
{
    return button.pressed && button.contains(x, y);
}

void paintButtons(DockButtons buttons)
{
    for (GuiButton* button : buttons)
        button->onPaint();
}

void placeButton(GuiButton& button, const char* caption, int x, int y, int width)
{
    button.text = caption;
    button.x = x;
    button.y = y;
    button.width = width;
    button.height = 32;
}

}
