#include "window/GLWindow.h"

#include "platform/PlatformWindow.h"
#include "window/AccumulationBuffer.h"
#include "window/FrameBrightness.h"

#include <GL/gl.h>

#include <cstdlib>

namespace dh {

GLWindowEventListener* g_listener = nullptr;
int g_mouseX = 0;
int g_mouseY = 0;
InputQueue g_inputQueue;
bool g_fullscreen = false;
int g_cursorMode = 1;

namespace {

bool s_invalidated = false;

void resetViewport()
{
    glViewport(0, 0, clientWidth(), clientHeight());
}

}

[[noreturn]] void fatalError(const char* text)
{
    platformShowFatalError(kFatalCaption, text);
    std::exit(1);
}

void createGLWindow()
{
    if (platformWindowExists())
        return;
    std::string error;
    if (!platformCreateWindow("Untitled window", 800, 600, error))
        fatalError(error.c_str());
    setCursorMode(1);
    g_mouseX = g_mouseY = 0;
    centreWindow();
    platformSetSwapInterval(1);
    resetViewport();
    setOrthoProjection();
    g_inputQueue.clear();
    platformSetTitle(kWindowTitle);
    setClientSize(800, 600);
}

void destroyGLWindow()
{
    if (g_fullscreen) {
        if (platformLeaveFullscreen())
            g_fullscreen = false;
    }
    releaseAccumulationBuffer();
    releaseFrameBrightness();
    platformDestroyWindow();
    g_fullscreen = false;
    g_listener = nullptr;
    g_cursorMode = 1;
    s_invalidated = false;
}

void destroyWindow()
{
    if (isWindowOpen())
        windowProc({.type = PlatformEvent::Type::Destroy});
}

void windowProc(const PlatformEvent& event)
{
    using Type = PlatformEvent::Type;
    switch (event.type) {
    case Type::Paint:
        if (isCursorInClient())
            setCursorMode(g_cursorMode);
        if (g_listener)
            g_listener->onPaint();
        s_invalidated = false;
        break;
    case Type::Resize:
        if (g_listener)
            g_listener->onResize();
        resetViewport();
        break;
    case Type::Destroy:
        if (g_listener)
            g_listener->onDestroy();
        destroyGLWindow();
        break;
    case Type::Close:
        if (g_listener)
            g_listener->onClose();
        else
            destroyWindow();
        break;
    case Type::KeyDown:
        g_inputQueue.push(event);
        if (g_listener)
            g_listener->onKeyDown(event.key);
        break;
    case Type::KeyUp:
        g_inputQueue.push(event);
        if (g_listener)
            g_listener->onKeyUp(event.key);
        break;
    case Type::Text:
        g_inputQueue.push(event);
        break;
    case Type::MouseMove:
        g_mouseX = event.x;
        g_mouseY = event.y;
        if (g_listener)
            g_listener->onMouseMove(event.x, event.y);
        break;
    case Type::MouseDown:
    case Type::MouseUp:
        g_mouseX = event.x;
        g_mouseY = event.y;
        if (!g_listener)
            break;
        if (event.type == Type::MouseDown)
            g_listener->onMouseDown(event.x, event.y, event.button);
        else
            g_listener->onMouseUp(event.x, event.y, event.button);
        break;
    case Type::None:
        break;
    }
}

void invalidateWindow()
{
    s_invalidated = true;
}

// The paint message comes last, after everything else that was waiting, and
// only once however often the window was invalidated.
void pumpMessages()
{
    PlatformEvent event;
    while (isWindowOpen() && platformPollEvent(event)) {
        if (event.type == PlatformEvent::Type::Paint)
            s_invalidated = true;
        else
            windowProc(event);
    }
    if (s_invalidated && isWindowOpen())
        windowProc({.type = PlatformEvent::Type::Paint});
}

bool isWindowOpen()
{
    return platformWindowExists();
}

void swapBuffers()
{
    const bool scaled = scaleFrameBrightness();
    platformSwapBuffers();
    if (scaled)
        restoreUnscaledFrame();
}

int clientWidth()
{
    int width = 0, height = 0;
    platformGetClientSize(width, height);
    return width;
}

int clientHeight()
{
    int width = 0, height = 0;
    platformGetClientSize(width, height);
    return height;
}

void setWindowSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const WindowFrame frame = platformGetWindowFrame();
    platformSetClientSize(width - frame.left - frame.right, height - frame.top - frame.bottom);
    resetViewport();
}

void setClientSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const WindowFrame frame = platformGetWindowFrame();
    setWindowSize(width + frame.left + frame.right, height + frame.top + frame.bottom);
    glViewport(0, 0, width, height);
}

void centreWindow()
{
    int desktopWidth = 0, desktopHeight = 0;
    platformGetDesktopSize(desktopWidth, desktopHeight);
    const WindowFrame frame = platformGetWindowFrame();
    const int windowWidth = clientWidth() + frame.left + frame.right;
    const int windowHeight = clientHeight() + frame.top + frame.bottom;
    const int x = desktopWidth / 2 - windowWidth / 2;
    const int y = desktopHeight / 2 - windowHeight / 2;
    platformSetClientPosition(x + frame.left, y + frame.top);
}

void clearScreen()
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

}
