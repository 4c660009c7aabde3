#pragma once
#include "platform/PlatformWindow.h"

#include <array>
#include <vector>

namespace dh {

struct ScreenMode {
    int width;
    int height;
};

// The full-screen sizes the settings view offers, in its order.
inline constexpr std::array<ScreenMode, 7> kOfferedFullscreenSizes{
    {{800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}, {1440, 900}, {1680, 1050}, {1920, 1080}}};

// Picks among the modes of exactly width x height, pulling the refresh rate
// towards 60 Hz from either side in list order. False when none matches.
bool findDisplayModeIn(const std::vector<DisplayModeInfo>& modes, int width, int height, DisplayModeInfo& out);
bool findDisplayMode(int width, int height, DisplayModeInfo& out);
bool hasDisplayMode(int width, int height);
void setDisplayMode(int width, int height, bool fullscreen);

// The ramp for gamma g, or false when g is outside 0..2.
bool gammaRamp(double g, std::array<unsigned short, 256>& ramp);
void setGamma(double g);

}
