#include "window/DisplayMode.h"

#include "window/FrameBrightness.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

#include <algorithm>

namespace dh {

bool findDisplayModeIn(const std::vector<DisplayModeInfo>& modes, int width, int height, DisplayModeInfo& out)
{
    bool found = false;
    DisplayModeInfo choice;
    for (const DisplayModeInfo& mode : modes) {
        if (mode.width != width || mode.height != height)
            continue;
        if (!found) {
            choice = mode;
            found = true;
        } else if ((mode.refreshRate > choice.refreshRate && choice.refreshRate < 60) ||
                   (mode.refreshRate < choice.refreshRate && choice.refreshRate > 60)) {
            choice = mode;
        }
    }
    if (found)
        out = choice;
    return found;
}

bool findDisplayMode(int width, int height, DisplayModeInfo& out)
{
    return findDisplayModeIn(platformListDisplayModes(), width, height, out);
}

bool hasDisplayMode(int width, int height)
{
    DisplayModeInfo scratch;
    return findDisplayMode(width, height, scratch);
}

void setDisplayMode(int width, int height, bool fullscreen)
{
    if (fullscreen) {
        DisplayModeInfo mode;
        if (!findDisplayMode(width, height, mode))
            return;
        const bool changed = platformEnterFullscreen(mode);
        setCursorMode(1);
        if (changed) {
            g_fullscreen = true;
            glViewport(0, 0, clientWidth(), clientHeight());
        }
        return;
    }
    if (platformLeaveFullscreen()) {
        setClientSize(width, height);
        centreWindow();
        g_fullscreen = false;
    }
}

bool gammaRamp(double g, std::array<unsigned short, 256>& ramp)
{
    if (!(g >= 0.0 && g <= 2.0))
        return false;
    const int step = static_cast<int>(g * 255.0);
    for (int i = 0; i < 256; ++i)
        ramp[i] = static_cast<unsigned short>(std::min(i * step, 65535));
    return true;
}

void setGamma(double g)
{
    std::array<unsigned short, 256> ramp{};
    if (!isWindowOpen() || !gammaRamp(g, ramp))
        return;
    // Most X11 GL windows and every Wayland one refuse the ramp; the frame
    // itself then carries the brightness.
    const bool ramped = platformSetGammaRamp(ramp.data(), ramp.data(), ramp.data());
    setFrameBrightness(ramped ? 1.0f : static_cast<float>(g));
}

}
