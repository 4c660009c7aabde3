#pragma once
#include "window/DisplayMode.h"

#include <array>
#include <functional>

// The program from start to end: the window, the full-screen question, the
// shared assets, the start menu as the main loop, and the teardown. The choice
// of full-screen size lives here in the header so that it can be used without
// the start menu and everything it brings.
namespace dh {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The full-screen sizes in order of preference (the wide sizes first, so
// 1440 x 900 comes before 1600 x 1200), and what is asked for when the
// display offers none of them.
inline constexpr std::array<ScreenSize, 6> kFullscreenPreference{
    {{1920, 1080}, {1680, 1050}, {1440, 900}, {1600, 1200}, {1280, 1024}, {1024, 768}}};
inline constexpr ScreenSize kFullscreenFallback{800, 600};

// The first preferred size for which available(width, height) holds.
inline ScreenSize fullscreenChoice(const std::function<bool(int, int)>& available)
{
    for (const ScreenSize& size : kFullscreenPreference)
        if (available(size.width, size.height))
            return size;
    return kFullscreenFallback;
}

inline constexpr const char* kFullscreenCaption = "Drift Hauler: Fullscreen mode";
inline constexpr const char* kFullscreenQuestion = "Run the game in fullscreen mode?";

// Switches to the first full-screen size the display offers.
inline void chooseFullscreenMode()
{
    const ScreenSize size = fullscreenChoice(hasDisplayMode);
    setDisplayMode(size.width, size.height, true);
}

// Runs the whole program and returns its exit code.
int runDriftHauler();

}
