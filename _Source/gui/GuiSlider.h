#pragma once
#include "gui/GuiWidget.h"

#include <functional>

namespace dh {

// A horizontal groove with a 13-pixel knob dragged by the left button. While
// dragging, every move ends with a call of onKnobMoved, which reads value().
class GuiSlider : public GuiWidget {
public:
    static constexpr int kKnobWidth = 13;

    int knobOffset = 0;  // the knob's left edge relative to x
    bool dragging = false;
    int dragStartX = 0;
    int knobAtDragStart = 0;
    float minValue = 0.0f;
    float maxValue = 1.0f;
    std::function<void()> onKnobMoved;

    GuiSlider();

    // The knob's position from 0 (left end) to 1 (right end).
    float position() const;
    float value() const;

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onMouseUp(int x, int y, int button) override;
    void onPaint() override;
    void onMouseLeave() override;
};

}
