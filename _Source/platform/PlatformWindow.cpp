#include "platform/PlatformWindow.h"

#include "platform/PlatformFiles.h"
#include "platform/RelativePointer.h"
#include "platform/TerminationEndsQuestion.h"

#include <SDL.h>
#include <SDL_image.h>

#include <string_view>

namespace dh {

namespace {

SDL_Window* s_window = nullptr;
SDL_GLContext s_context = nullptr;
std::vector<SDL_Cursor*> s_cursors;
RelativePointer s_pointer;

void setContextAttributes()
{
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
}

// Without an icon file the window keeps the window system's default.
void setWindowIcon(SDL_Window* window)
{
    const std::filesystem::path file = windowIconPath();
    SDL_Surface* icon = file.empty() ? nullptr : IMG_Load(file.c_str());
    if (icon) {
        SDL_SetWindowIcon(window, icon);
        SDL_FreeSurface(icon);
    }
}

void followRelativeMode()
{
    const SDL_bool wanted = s_pointer.active() ? SDL_TRUE : SDL_FALSE;
    if (SDL_GetRelativeMouseMode() == wanted)
        return;
    SDL_SetRelativeMouseMode(wanted);
    SDL_GetRelativeMouseState(nullptr, nullptr);
}

bool onSomeDisplay(int x, int y)
{
    const SDL_Point point{x, y};
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(i, &bounds) == 0 && SDL_PointInRect(&point, &bounds))
            return true;
    }
    return false;
}

// Native Wayland refuses outright; some servers take the request and leave
// the pointer where it was, which reading it back shows.
bool pointerMoved(int x, int y)
{
    if (SDL_WarpMouseGlobal(x, y) != 0)
        return false;
    if (!onSomeDisplay(x, y))
        return true;
    int readX = 0, readY = 0;
    SDL_GetGlobalMouseState(&readX, &readY);
    return readX == x && readY == y;
}

SDL_Window* openWindow(const std::string& title, int width, int height)
{
    return SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                            SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
}

}

bool platformCreateWindow(const std::string& title, int width, int height, std::string& error)
{
    if (s_window)
        return true;
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        SDL_Log("Video: %s", SDL_GetError());
        error = "Unable to create window";
        return false;
    }
    setContextAttributes();
    s_window = openWindow(title, width, height);
    if (!s_window) {
        SDL_Log("Window: %s", SDL_GetError());
        error = "Unable to create window";
        return false;
    }
    s_context = SDL_GL_CreateContext(s_window);
    if (!s_context) {
        SDL_Log("OpenGL: %s", SDL_GetError());
        SDL_DestroyWindow(s_window);
        s_window = nullptr;
        error = "Unable to create OpenGL device context";
        return false;
    }
    SDL_GL_MakeCurrent(s_window, s_context);
    setWindowIcon(s_window);
    SDL_RaiseWindow(s_window);
    return true;
}

void platformDestroyWindow()
{
    platformCaptureCursor(false);
    if (s_context) {
        SDL_GL_MakeCurrent(s_window, nullptr);
        SDL_GL_DeleteContext(s_context);
        s_context = nullptr;
    }
    if (s_window) {
        SDL_DestroyWindow(s_window);
        s_window = nullptr;
    }
    for (SDL_Cursor* cursor : s_cursors)
        SDL_FreeCursor(cursor);
    s_cursors.clear();
}

bool platformWindowExists()
{
    return s_window != nullptr;
}

bool platformSetSwapInterval(int interval)
{
    return SDL_GL_SetSwapInterval(interval) == 0;
}

void platformSwapBuffers()
{
    if (s_window)
        SDL_GL_SwapWindow(s_window);
}

void platformSetTitle(const std::string& title)
{
    if (s_window)
        SDL_SetWindowTitle(s_window, title.c_str());
}

void platformGetClientSize(int& width, int& height)
{
    width = height = 0;
    if (s_window)
        SDL_GL_GetDrawableSize(s_window, &width, &height);
}

void platformSetClientSize(int width, int height)
{
    if (s_window)
        SDL_SetWindowSize(s_window, width, height);
}

void platformGetClientPosition(int& x, int& y)
{
    x = y = 0;
    if (s_window)
        SDL_GetWindowPosition(s_window, &x, &y);
}

void platformSetClientPosition(int x, int y)
{
    if (s_window)
        SDL_SetWindowPosition(s_window, x, y);
}

WindowFrame platformGetWindowFrame()
{
    WindowFrame frame;
    if (s_window && SDL_GetWindowBordersSize(s_window, &frame.top, &frame.left, &frame.bottom, &frame.right) != 0)
        frame = WindowFrame{};
    return frame;
}

void platformGetDesktopSize(int& width, int& height)
{
    SDL_DisplayMode mode{};
    const int display = s_window ? SDL_GetWindowDisplayIndex(s_window) : 0;
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) == 0) {
        width = mode.w;
        height = mode.h;
    } else {
        width = 800;
        height = 600;
    }
}

void platformSetCursorShape(int mode)
{
    static const SDL_SystemCursor shapes[3] = {SDL_SYSTEM_CURSOR_SIZEALL, SDL_SYSTEM_CURSOR_ARROW,
                                               SDL_SYSTEM_CURSOR_CROSSHAIR};
    if (mode < 0 || mode > 2)
        return;
    if (s_cursors.empty())
        for (SDL_SystemCursor shape : shapes)
            s_cursors.push_back(SDL_CreateSystemCursor(shape));
    if (s_cursors[mode])
        SDL_SetCursor(s_cursors[mode]);
}

void platformGetCursorScreenPosition(int& x, int& y)
{
    if (!s_pointer.active()) {
        SDL_GetGlobalMouseState(&x, &y);
        return;
    }
    int dx = 0, dy = 0;
    SDL_GetRelativeMouseState(&dx, &dy);
    s_pointer.moveBy(dx, dy);
    x = s_pointer.x();
    y = s_pointer.y();
}

void platformWarpCursor(int screenX, int screenY)
{
    if (s_pointer.active()) {
        s_pointer.moveTo(screenX, screenY);
        return;
    }
    if (pointerMoved(screenX, screenY))
        return;
    s_pointer.refuseMove(screenX, screenY);
    followRelativeMode();
}

void platformCaptureCursor(bool captured)
{
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    s_pointer.capture(captured, x, y);
    followRelativeMode();
}

bool platformCursorFollowsMotion()
{
    return s_pointer.active();
}

void platformConfineCursor(bool confine)
{
    if (s_window)
        SDL_SetWindowGrab(s_window, confine ? SDL_TRUE : SDL_FALSE);
}

std::vector<DisplayModeInfo> platformListDisplayModes()
{
    std::vector<DisplayModeInfo> modes;
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode{};
        if (SDL_GetDisplayMode(0, i, &mode) != 0)
            break;
        modes.push_back({mode.w, mode.h, static_cast<int>(SDL_BITSPERPIXEL(mode.format)), mode.refresh_rate});
    }
    return modes;
}

bool platformEnterFullscreen(const DisplayModeInfo& wanted)
{
    if (!s_window)
        return false;
    SDL_DisplayMode mode{};
    mode.w = wanted.width;
    mode.h = wanted.height;
    mode.refresh_rate = wanted.refreshRate;
    SDL_DisplayMode closest{};
    if (!SDL_GetClosestDisplayMode(0, &mode, &closest))
        return false;
    if (SDL_SetWindowDisplayMode(s_window, &closest) != 0)
        return false;
    return SDL_SetWindowFullscreen(s_window, SDL_WINDOW_FULLSCREEN) == 0;
}

bool platformLeaveFullscreen()
{
    return s_window && SDL_SetWindowFullscreen(s_window, 0) == 0;
}

bool platformSetGammaRamp(const unsigned short* red, const unsigned short* green, const unsigned short* blue)
{
    // Some displays take the ramp and ignore it (virtual X servers, some
    // compositors); the player can then refuse it here so the game draws the
    // brightness into the picture instead.
    const char* refuse = SDL_getenv("DRIFT_HAULER_NO_GAMMA_RAMP");
    if (refuse && *refuse && std::string_view(refuse) != "0")
        return false;
    return s_window && SDL_SetWindowGammaRamp(s_window, red, green, blue) == 0;
}

void platformShowFatalError(const std::string& caption, const std::string& text)
{
    // Logged as well as shown, so that a player starting from a terminal, or
    // a script watching the game, sees why it stopped.
    SDL_Log("%s: %s", caption.c_str(), text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

bool platformAskYesNo(const std::string& caption, const std::string& text)
{
    const TerminationEndsQuestion termination;
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
    };
    const SDL_MessageBoxData data{SDL_MESSAGEBOX_INFORMATION, s_window, caption.c_str(), text.c_str(),
                                  2, buttons, nullptr};
    int answer = 0;
    if (SDL_ShowMessageBox(&data, &answer) != 0)
        return false;
    return answer == 1;
}

}

namespace dh {

namespace {

// Where no window system answers, SDL falls back to a driver that draws into
// memory, and the game would run with no window anyone can see. That is a
// failure unless SDL_VIDEODRIVER asked for it.
bool drawsOnScreen()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (!driver || (asked && *asked))
        return driver != nullptr;
    return SDL_strcmp(driver, "offscreen") != 0 && SDL_strcmp(driver, "dummy") != 0;
}

}

bool platformInit()
{
    // The window's class (X11) and app id (Wayland) match the desktop entry,
    // so docks and task bars group the window under the game's icon.
    SDL_SetHint("SDL_VIDEO_X11_WMCLASS", "drift-hauler");
    SDL_SetHint("SDL_VIDEO_WAYLAND_WMCLASS", "drift-hauler");
    // A display server busy starting or serving many clients may refuse a
    // connection for a moment, so a few tries are made before giving up.
    constexpr int kTries = 5;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        if (SDL_Init(SDL_INIT_VIDEO) == 0 && drawsOnScreen())
            return true;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        if (attempt < kTries)
            SDL_Delay(200);
    }
    return false;
}

void platformQuit()
{
    SDL_Quit();
}

}
