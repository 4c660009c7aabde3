#pragma once
#include <optional>

namespace dh {

// A display mode picked in the settings view: 800 x 600 in a window, or one of
// the full-screen sizes it offers.
struct DisplayChoice {
    int width = 800;
    int height = 600;
    bool fullscreen = false;

    bool operator==(const DisplayChoice&) const = default;
};

// What the settings view lets the player choose, kept between runs. A choice
// never made stays empty, so the start-up question and the display's own
// brightness decide as they do on a first run.
struct Settings {
    std::optional<DisplayChoice> display;
    std::optional<float> brightness;
    bool sound = true;
    bool music = true;
    bool flightAssists = false;

    bool operator==(const Settings&) const = default;
};

}
