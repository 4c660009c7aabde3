#include "window/GLWindow.h"

#include "platform/PlatformEvents.h"
#include "platform/PlatformWindow.h"
#include "window/AccumulationBuffer.h"

#include <GL/gl.h>

#include <cstdlib>

namespace dh {

GLWindowEventListener* g_listener = nullptr;
int g_mouseX = 0;
int g_mouseY = 0;
unsigned g_lastKeyDown = 0;
char g_lastKeyChar = 0;
bool g_fullscreen = false;
int g_cursorMode = 1;

namespace {

bool s_invalidated = false;

WindowMessage messageFor(const PlatformEvent& event)
{
    using Type = PlatformEvent::Type;
    using Kind = WindowMessage::Kind;
    WindowMessage message;
    message.x = event.x;
    message.y = event.y;
    message.button = event.button;
    message.key = event.key;
    message.character = event.text;
    switch (event.type) {
    case Type::MouseMove: message.kind = Kind::MouseMove; break;
    case Type::MouseDown: message.kind = Kind::ButtonDown; break;
    case Type::MouseUp: message.kind = Kind::ButtonUp; break;
    case Type::KeyDown: message.kind = Kind::KeyDown; break;
    case Type::KeyUp: message.kind = Kind::KeyUp; break;
    case Type::Text: message.kind = Kind::Char; break;
    case Type::Resize: message.kind = Kind::Size; break;
    default: message.kind = Kind::Close; break;
    }
    return message;
}

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
    g_lastKeyDown = 0;
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
    platformDestroyWindow();
    g_fullscreen = false;
    g_listener = nullptr;
    g_cursorMode = 1;
    s_invalidated = false;
}

void destroyWindow()
{
    if (isWindowOpen())
        windowProc({WindowMessage::Kind::Destroy});
}

void windowProc(const WindowMessage& message)
{
    using Kind = WindowMessage::Kind;
    switch (message.kind) {
    case Kind::Paint:
        if (isCursorInClient())
            setCursorMode(g_cursorMode);
        if (g_listener)
            g_listener->onPaint();
        s_invalidated = false;
        break;
    case Kind::Size:
        if (g_listener)
            g_listener->onResize();
        resetViewport();
        break;
    case Kind::Destroy:
        if (g_listener)
            g_listener->onDestroy();
        destroyGLWindow();
        break;
    case Kind::Close:
        if (g_listener)
            g_listener->onClose();
        else
            destroyWindow();
        break;
    case Kind::KeyDown:
        g_lastKeyDown = message.key;
        g_lastKeyChar = 0;
        if (g_listener)
            g_listener->onKeyDown(message.key);
        break;
    case Kind::KeyUp:
        if (g_listener)
            g_listener->onKeyUp(message.key);
        break;
    case Kind::Char:
        g_lastKeyChar = message.character;
        break;
    case Kind::MouseMove:
        g_mouseX = message.x;
        g_mouseY = message.y;
        if (g_listener)
            g_listener->onMouseMove(message.x, message.y);
        break;
    case Kind::ButtonDown:
    case Kind::ButtonUp:
        g_mouseX = message.x;
        g_mouseY = message.y;
        if (!g_listener)
            break;
        if (message.kind == Kind::ButtonDown)
            g_listener->onMouseDown(message.x, message.y, message.button);
        else
            g_listener->onMouseUp(message.x, message.y, message.button);
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
        if (event.type == PlatformEvent::Type::Expose)
            s_invalidated = true;
        else
            windowProc(messageFor(event));
    }
    if (s_invalidated && isWindowOpen())
        windowProc({WindowMessage::Kind::Paint});
}

bool isWindowOpen()
{
    return platformWindowExists();
}

void swapBuffers()
{
    platformSwapBuffers();
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
