#pragma once
#include "gui/GuiWidget.h"

#include <functional>

namespace dh {

class GLFont;

// A bevelled push button with a centred caption. Its action runs when the
// left button is released over it after a press there; a press that leaves
// the button is cancelled.
class GuiButton : public GuiWidget {
public:
    GLFont* font;
    unsigned textSize = 8;
    GuiColour textColour{0.0f, 0.0f, 0.0f};
    GuiColour highlightColour{0.2f, 0.3f, 0.2f};
    const char* text = nullptr;  // not owned
    bool pressed = false;
    bool highlighted = false;
    std::function<void()> action;

    GuiButton();

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onMouseUp(int x, int y, int button) override;
    void onPaint() override;
    void onMouseLeave() override;

    // The hover sound and highlight of the first move inside; also used by
    // the dialogs, which poll their buttons instead of forwarding events.
    void highlight();
    // The press: pressed set, click sound.
    void press();
};

}
