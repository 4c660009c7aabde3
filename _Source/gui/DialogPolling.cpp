#include "gui/DialogPolling.h"

namespace dh {

int pollDialogButtons(std::span<GuiButton> buttons, int x, int y, bool leftWasDown, bool leftIsDown)
{
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        GuiButton& button = buttons[i];
        if (button.contains(x, y)) {
            // The hover sound comes one frame after the pointer arrives.
            if (button.hovered)
                button.highlight();
            else
                button.hovered = true;
            if (leftWasDown && !leftIsDown && button.pressed)
                return static_cast<int>(i);
            if (!leftWasDown && leftIsDown)
                button.press();
        } else if (button.hovered) {
            button.hovered = false;
            button.pressed = false;
            button.highlighted = false;
        }
    }
    return -1;
}

}
