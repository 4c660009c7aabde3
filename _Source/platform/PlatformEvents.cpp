#include "platform/PlatformEvents.h"

#include "platform/ControllerEvents.h"
#include "platform/KeyState.h"

#include <SDL.h>

namespace dh {

namespace {

// Client coordinates travel as two unsigned 16-bit halves of one word, so a
// position left of or above the client area wraps to a large value.
int wrap16(int value)
{
    return value & 0xFFFF;
}

int buttonCode(Uint8 sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 4;
    default: return 0;
    }
}

// Closing the last window also brings a quit event; the window system sends
// the game one close request, so the quit that follows a close is dropped. A
// quit on its own (a terminal's interrupt) still asks the game to close.
bool s_closeSent = false;
const std::uint32_t* s_fakeClock = nullptr;
bool s_closePosted = false;

bool translateWindowEvent(const SDL_WindowEvent& window, PlatformEvent& event)
{
    switch (window.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED: event.type = PlatformEvent::Type::Resize; return true;
    case SDL_WINDOWEVENT_CLOSE:
        event.type = PlatformEvent::Type::Close;
        s_closeSent = true;
        return true;
    case SDL_WINDOWEVENT_EXPOSED: event.type = PlatformEvent::Type::Paint; return true;
    default: return false;
    }
}

bool translate(const SDL_Event& sdl, PlatformEvent& event)
{
    event = PlatformEvent{};
    switch (sdl.type) {
    case SDL_MOUSEMOTION:
        event.type = PlatformEvent::Type::MouseMove;
        event.x = wrap16(sdl.motion.x);
        event.y = wrap16(sdl.motion.y);
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        event.type = sdl.type == SDL_MOUSEBUTTONDOWN ? PlatformEvent::Type::MouseDown : PlatformEvent::Type::MouseUp;
        event.x = wrap16(sdl.button.x);
        event.y = wrap16(sdl.button.y);
        event.button = buttonCode(sdl.button.button);
        return event.button != 0;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        event.type = sdl.type == SDL_KEYDOWN ? PlatformEvent::Type::KeyDown : PlatformEvent::Type::KeyUp;
        event.key = virtualKeyFromScancode(sdl.key.keysym.scancode);
        return event.key != 0;
    case SDL_TEXTINPUT: {
        // Name entry takes single-byte characters only.
        const unsigned char c = static_cast<unsigned char>(sdl.text.text[0]);
        if (c < 32 || c > 126 || sdl.text.text[1] != 0)
            return false;
        event.type = PlatformEvent::Type::Text;
        event.text = static_cast<char>(c);
        return true;
    }
    case SDL_WINDOWEVENT:
        return translateWindowEvent(sdl.window, event);
    case SDL_QUIT:
        if (s_closeSent) {
            s_closeSent = false;
            return false;
        }
        event.type = PlatformEvent::Type::Close;
        return true;
    default:
        return translateControllerEvent(sdl, event);
    }
}

}

bool platformPollEvent(PlatformEvent& event)
{
    SDL_Event sdl;
    while (SDL_PollEvent(&sdl))
        if (translate(sdl, event))
            return true;
    if (s_closePosted) {
        s_closePosted = false;
        event = PlatformEvent{};
        event.type = PlatformEvent::Type::Close;
        return true;
    }
    return false;
}

void platformPostEvent(const PlatformEvent& event)
{
    SDL_Event sdl{};
    switch (event.type) {
    case PlatformEvent::Type::MouseMove:
        sdl.type = SDL_MOUSEMOTION;
        sdl.motion.x = event.x;
        sdl.motion.y = event.y;
        break;
    case PlatformEvent::Type::MouseDown:
    case PlatformEvent::Type::MouseUp:
        sdl.type = event.type == PlatformEvent::Type::MouseDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        sdl.button.x = event.x;
        sdl.button.y = event.y;
        sdl.button.button = event.button == 2 ? SDL_BUTTON_RIGHT : event.button == 4 ? SDL_BUTTON_MIDDLE : SDL_BUTTON_LEFT;
        break;
    case PlatformEvent::Type::KeyDown:
    case PlatformEvent::Type::KeyUp:
        sdl.type = event.type == PlatformEvent::Type::KeyDown ? SDL_KEYDOWN : SDL_KEYUP;
        for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode)
            if (virtualKeyFromScancode(scancode) == event.key) {
                sdl.key.keysym.scancode = static_cast<SDL_Scancode>(scancode);
                break;
            }
        break;
    case PlatformEvent::Type::Text:
        sdl.type = SDL_TEXTINPUT;
        sdl.text.text[0] = event.text;
        break;
    case PlatformEvent::Type::Close:
        // SDL drops window events pushed from outside, so a close request is
        // held here and delivered once SDL's queue is empty.
        s_closePosted = true;
        return;
    default:
        return;
    }
    SDL_PushEvent(&sdl);
}

std::uint32_t platformMilliseconds()
{
    return s_fakeClock ? *s_fakeClock : SDL_GetTicks();
}

void platformOverrideClock(const std::uint32_t* fakeNow)
{
    s_fakeClock = fakeNow;
}

void platformSleep(std::uint32_t milliseconds)
{
    SDL_Delay(milliseconds);
}

}
