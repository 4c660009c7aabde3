#pragma once
#include "platform/Version.h"
#include "window/GLWindowEventListener.h"

// The game's one window and its OpenGL context, the routing of its events to
// the current listener, and the helpers every screen uses.
namespace dh {

extern GLWindowEventListener* g_listener;
extern int g_mouseX;
extern int g_mouseY;
extern unsigned g_lastKeyDown;
// The character the last key press typed with the keyboard layout, Shift and
// Caps Lock applied; 0 when it typed none.
extern char g_lastKeyChar;
extern bool g_fullscreen;
extern int g_cursorMode;

inline constexpr const char* kWindowTitle = "Drift Hauler: Version " DH_VERSION;
inline constexpr const char* kFatalCaption = "A fatal error has occured.";

struct WindowMessage {
    enum class Kind { Paint, Size, Destroy, Close, KeyDown, KeyUp, Char, MouseMove, ButtonDown, ButtonUp };
    Kind kind = Kind::Paint;
    int x = 0;
    int y = 0;
    int button = 0;
    unsigned key = 0;
    char character = 0;
};

void createGLWindow();
void destroyGLWindow();
// Destroys the window as a close request with no listener would: the listener
// hears onDestroy, then the window and its context go.
void destroyWindow();
void windowProc(const WindowMessage& message);
void invalidateWindow();
void pumpMessages();
bool isWindowOpen();
void swapBuffers();

int clientWidth();
int clientHeight();
void setWindowSize(int width, int height);
void setClientSize(int width, int height);
void centreWindow();

void setCursorMode(int mode);
bool isCursorInClient();
int clientCentreX();
int clientCentreY();
void centreCursor();
void moveCursorTo(int x, int y);
void clipCursorToWindow(bool clip);

void setOrthoProjection();
void setPerspectiveProjection(float farPlane);
void fadeScreenToBlack(float seconds);
// A full-screen effect that runs its own loop holds the listener off and keeps
// both matrices and the enables aside; the end gives the listener back and, while
// the window is still open, the kept GL state.
GLWindowEventListener* beginFullscreenEffect();
void endFullscreenEffect(GLWindowEventListener* saved);
void clearScreen();

// Ends the program after a fatal start-up failure.
[[noreturn]] void fatalError(const char* text);

}
