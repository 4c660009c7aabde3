#include "gui/PadPointer.h"

#include "platform/Controllers.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"
#include "platform/PlatformWindow.h"

#include <algorithm>

namespace dh {

namespace {

float deflection(PadAxis axis, unsigned less, unsigned more)
{
    const float pad = static_cast<float>(isKeyHeld(more)) - static_cast<float>(isKeyHeld(less));
    return std::clamp(padAxis(axis) + pad, -1.0f, 1.0f);
}

// The whole pixels of `rest` taken out of it.
int wholePixels(float& rest)
{
    const int pixels = static_cast<int>(rest);
    rest -= static_cast<float>(pixels);
    return pixels;
}

}

PadPointer::PadPointer() : last_(platformMilliseconds()) {}

void PadPointer::update()
{
    const std::uint32_t now = platformMilliseconds();
    const float dt = std::min(static_cast<float>(now - last_) * 0.001f, 0.1f);
    last_ = now;
    const float dx = deflection(PadAxis::LeftX, VK_PAD_DPAD_LEFT, VK_PAD_DPAD_RIGHT);
    const float dy = deflection(PadAxis::LeftY, VK_PAD_DPAD_UP, VK_PAD_DPAD_DOWN);
    if (dx == 0.0f && dy == 0.0f) {
        restX_ = restY_ = 0.0f;
        return;
    }
    restX_ += dx * kSpeed * dt;
    restY_ += dy * kSpeed * dt;
    const int stepX = wholePixels(restX_);
    const int stepY = wholePixels(restY_);
    if (stepX == 0 && stepY == 0)
        return;
    int x = 0, y = 0;
    platformGetCursorScreenPosition(x, y);
    platformWarpCursor(x + stepX, y + stepY);
}

}
