#pragma once

namespace dh {

struct GuiColour {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
};

// Each component limited to 0 .. 1.
GuiColour clampColour(float r, float g, float b);

// Every component multiplied by factor.
GuiColour shade(const GuiColour& colour, float factor);

}
