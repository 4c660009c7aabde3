#pragma once
#include <cstdint>
#include <string>

// Window-system events translated into the game's terms: client coordinates,
// mouse buttons 1, 2, 4 and Windows virtual-key codes. The window layer hands
// them on to the current listener as they are.
namespace dh {

struct PlatformEvent {
    // Paint: the window needs drawing again. Destroy is never reported by the
    // window system; the game sends it to itself when it closes the window.
    enum class Type { None, MouseMove, MouseDown, MouseUp, KeyDown, KeyUp, Text, Resize, Close, Paint, Destroy };
    Type type = Type::None;
    int x = 0;
    int y = 0;
    int button = 0;
    unsigned key = 0;
    char text = 0;
};

// Takes the next pending event without blocking; false when the queue is empty.
bool platformPollEvent(PlatformEvent& event);

// Queues an event as if the window system had sent it, for tests and tools.
void platformPostEvent(const PlatformEvent& event);

// Milliseconds since the program started.
std::uint32_t platformMilliseconds();
// Tests run time-driven code on a clock of their own: while set, the process
// clock reads *fakeNow. Null restores the real clock.
void platformOverrideClock(const std::uint32_t* fakeNow);
void platformSleep(std::uint32_t milliseconds);

}
