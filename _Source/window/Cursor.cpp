#include "window/GLWindow.h"

#include "platform/PlatformWindow.h"

namespace dh {

namespace {

struct ClientPlacement {
    int left, top, width, height;
};

ClientPlacement clientPlacement()
{
    ClientPlacement placement{};
    platformGetClientPosition(placement.left, placement.top);
    placement.width = clientWidth();
    placement.height = clientHeight();
    return placement;
}

// Pointer moves travel as normalised 0..65535 coordinates and land on the pixel
// the desktop maps them back to, which can be one left of or above the aim.
int normalisedToScreen(long long normalised, int desktopSize)
{
    return static_cast<int>((normalised * desktopSize) >> 16);
}

}

void setCursorMode(int mode)
{
    if (mode < 0 || mode > 2)
        return;
    platformSetCursorShape(mode);
    // The four-way arrow shows while the pointer steers or drags the map.
    platformCaptureCursor(mode == 0);
    g_cursorMode = mode;
}

bool isCursorInClient()
{
    if (!isWindowOpen())
        return false;
    const ClientPlacement client = clientPlacement();
    int x = 0, y = 0;
    platformGetCursorScreenPosition(x, y);
    return client.left < x && x <= client.left + client.width + 1 && client.top < y &&
           y <= client.top + client.height + 1;
}

int clientCentreX()
{
    const ClientPlacement client = clientPlacement();
    return client.left + client.width / 2 - 1;
}

int clientCentreY()
{
    const ClientPlacement client = clientPlacement();
    return client.top + client.height / 2 - 1;
}

void centreCursor()
{
    const ClientPlacement client = clientPlacement();
    int desktopWidth = 0, desktopHeight = 0;
    platformGetDesktopSize(desktopWidth, desktopHeight);
    const long long x = client.width / 2 + client.left;
    const long long y = client.height / 2 + client.top;
    const long long nx = x * 65535 / desktopWidth;
    const long long ny = y * 65535 / desktopHeight;
    platformWarpCursor(normalisedToScreen(nx, desktopWidth), normalisedToScreen(ny, desktopHeight));
}

void moveCursorTo(int x, int y)
{
    int desktopWidth = 0, desktopHeight = 0;
    platformGetDesktopSize(desktopWidth, desktopHeight);
    const long long nx = static_cast<long long>(x) * 65536 / (desktopWidth - 1);
    const long long ny = static_cast<long long>(y) * 65536 / (desktopHeight - 1);
    platformWarpCursor(normalisedToScreen(nx, desktopWidth), normalisedToScreen(ny, desktopHeight));
}

void clipCursorToWindow(bool clip)
{
    platformConfineCursor(clip);
}

}
