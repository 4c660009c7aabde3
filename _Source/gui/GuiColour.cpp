#include "gui/GuiColour.h"

#include <algorithm>

namespace dh {

namespace {

// NaN becomes 0 rather than passing through both comparisons.
float clampUnit(float value)
{
    return value >= 0.0f ? std::min(value, 1.0f) : 0.0f;
}

}

GuiColour clampColour(float r, float g, float b)
{
    return {clampUnit(r), clampUnit(g), clampUnit(b)};
}

GuiColour shade(const GuiColour& colour, float factor)
{
    return {colour.r * factor, colour.g * factor, colour.b * factor};
}

}
