#pragma once
#include <memory>

#include "gui/GuiWidget.h"
#include "gui/GuiWidgetSlots.h"

namespace dh {

// A bevelled box holding up to 128 child widgets placed relative to its
// top-left corner. Children are painted clipped 2 pixels inside the border and
// receive the panel's mouse events in panel coordinates.
class GuiPanel : public GuiWidget {
public:
    bool raised = true;
    GuiWidgetSlots children;

    GuiPanel();

    // Takes the widget into the highest empty slot and becomes its parent;
    // a full panel deletes it. Returns the stored widget, or null.
    GuiWidget* addWidget(std::unique_ptr<GuiWidget> widget);

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onMouseUp(int x, int y, int button) override;
    void onPaint() override;
    void onMouseLeave() override;
};

}
