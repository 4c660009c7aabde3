#pragma once
#include "gui/GuiColour.h"
#include "window/GLWindowEventListener.h"

namespace dh {

class GuiPanel;

// The base of every widget. Widgets get their events from a container (a
// GuiScreen or GuiPanel) in the container's coordinates, never from the window.
class GuiWidget : public GLWindowEventListener {
public:
    GuiColour colour;
    int width = 100;
    int height = 20;
    int x = 0;
    int y = 0;
    bool visible = true;
    bool enabled = true;
    bool hovered = false;
    GuiPanel* parent = nullptr;

    // Called once when the pointer enters the rectangle, before the first move inside.
    virtual void onMouseEnter(int x, int y);
    // Called once when the pointer leaves the rectangle.
    virtual void onMouseLeave();

    void setColour(float r, float g, float b);
    // The rectangle is half-open: x <= px < x + width, y <= py < y + height.
    bool contains(int px, int py) const;
};

}
