#pragma once
#include "platform/PlatformEvents.h"
#include "platform/Version.h"
#include "window/GLWindowEventListener.h"
#include "window/InputQueue.h"

// The game's one window and its OpenGL context, the routing of its events to
// the current listener, and the helpers every screen uses.
namespace dh {

extern GLWindowEventListener* g_listener;
extern int g_mouseX;
extern int g_mouseY;
// Every key event and typed character, whether a listener is installed or not.
extern InputQueue g_inputQueue;
extern bool g_fullscreen;
extern int g_cursorMode;

inline constexpr const char* kWindowTitle = "Drift Hauler: Version " DH_VERSION;
inline constexpr const char* kFatalCaption = "A fatal error has occured.";

void createGLWindow();
void destroyGLWindow();
// Destroys the window as a close request with no listener would: the listener
// hears onDestroy, then the window and its context go.
void destroyWindow();
void windowProc(const PlatformEvent& event);
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
void clearScreen();

// Ends the program after a fatal start-up failure.
[[noreturn]] void fatalError(const char* text);

}
