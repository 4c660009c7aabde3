#pragma once
#include <string>
#include <vector>

// The window, its OpenGL context and the desktop it sits on. This is the one
// place that talks to the window system; the shell builds the game's window
// behaviour on top of it.
namespace dh {

struct DisplayModeInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int refreshRate = 0;
};

struct WindowFrame {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Creates the window with a compatibility OpenGL context (double buffered,
// RGBA 8888, 24-bit depth, 8-bit stencil) and makes it current. On failure returns false and sets error
// to one of the game's fatal texts.
bool platformCreateWindow(const std::string& title, int width, int height, std::string& error);
void platformDestroyWindow();
bool platformWindowExists();
bool platformSetSwapInterval(int interval);
void platformSwapBuffers();
void platformSetTitle(const std::string& title);

void platformGetClientSize(int& width, int& height);
void platformSetClientSize(int width, int height);
// Position of the client area's top-left corner on the desktop.
void platformGetClientPosition(int& x, int& y);
void platformSetClientPosition(int x, int y);
// Widths of the window-manager decoration around the client area (all 0 when
// the window has none, as under a bare X server).
WindowFrame platformGetWindowFrame();
void platformGetDesktopSize(int& width, int& height);

void platformSetCursorShape(int mode);
void platformGetCursorScreenPosition(int& x, int& y);
void platformWarpCursor(int screenX, int screenY);
// While captured (steering, dragging) and where the pointer cannot be moved,
// the pointer is read through SDL's relative mouse mode (RelativePointer).
void platformCaptureCursor(bool captured);
bool platformCursorFollowsMotion();
void platformConfineCursor(bool confine);

std::vector<DisplayModeInfo> platformListDisplayModes();
bool platformEnterFullscreen(const DisplayModeInfo& mode);
bool platformLeaveFullscreen();
// False when the display refuses the ramp, or the environment variable
// DRIFT_HAULER_NO_GAMMA_RAMP is set to anything but "0".
bool platformSetGammaRamp(const unsigned short* red, const unsigned short* green, const unsigned short* blue);

void platformShowFatalError(const std::string& caption, const std::string& text);
// Yes/No question; Enter answers Yes and Escape answers No.
bool platformAskYesNo(const std::string& caption, const std::string& text);

}

namespace dh {

// Brings up and shuts down the window system; everything else needs it up.
bool platformInit();
void platformQuit();

}
