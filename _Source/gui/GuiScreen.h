#pragma once
#include <memory>

#include "gui/GuiColour.h"
#include "gui/GuiWidgetSlots.h"
#include "window/GLWindowEventListener.h"

namespace dh {

// A full-window menu of up to 128 widgets in the virtual 800 x 600 space. run()
// makes it the window's listener until it is done (Escape, an action clearing
// running, or the window going away). A screen gives each of its buttons the
// action it runs, where it builds the button.
class GuiScreen : public GLWindowEventListener {
public:
    GuiColour clearColour{0.0f, 0.0f, 0.0f};
    bool running = false;
    GuiWidgetSlots widgets;

    // Takes the widget into the highest empty slot; a full screen deletes it.
    // Returns the stored widget, or null.
    GuiWidget* addWidget(std::unique_ptr<GuiWidget> widget);

    // The modal loop: returns once running is cleared or the window is gone.
    void run();

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onMouseUp(int x, int y, int button) override;
    // Escape or a gamepad's B ends the screen; the gamepad's A presses the
    // left button where the pointer is.
    void onKeyDown(unsigned virtualKey) override;
    void onKeyUp(unsigned virtualKey) override;
    void onClose() override;
    void onDestroy() override;
    void onPaint() override;

private:
    // A widget's action may run a nested loop in which the window is closed;
    // the widgets it belongs to are then released once it has returned.
    class Dispatch;
    void releaseWidgets();
    int dispatching_ = 0;
    bool releasePending_ = false;
};

}
