#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "flight/FlightModels.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "gui/Dialogs.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"
#include "platform/PlatformImage.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/TextureList.h"
#include "shell/GLWindow.h"
#include "support/DialogScript.h"
#include "support/GlWindowSupport.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The window with the generated fonts, textures and models, a new game on a
// clock of the test's own, read-back of the shown frame as PNG pictures, and a
// script that drives a dialog's polled input frame by frame.
namespace infogl {

using Rgb = std::array<int, 3>;

class ScreenWindow : public testsupport::GlWindowTest {
protected:
    void SetUp() override
    {
        dh::platformOverrideClock(&now);
        ASSERT_TRUE(testsupport::openWindowWith(testsupport::Art::FontsTexturesAndModels));
        dh::g_flightModels = {dh::model(dh::Model::Ship_Explorer), dh::model(dh::Model::Ship_Fighter),
                              dh::model(dh::Model::Missile), dh::model(dh::Model::Spacestation)};
        dh::g_listener = nullptr;
        dh::clearInjectedKeys();
        resize(800, 600);
        game = std::make_unique<dh::Game>("Halvard");
    }
    void TearDown() override
    {
        game.reset();
        dh::g_flightModels = {};
        dh::g_dialogFrameHook = nullptr;
        dh::clearInjectedKeys();
        dh::g_listener = nullptr;
        dh::platformOverrideClock(nullptr);
    }

    dh::GameObject_Ship& ship() { return *game->playerShip(); }

    std::uint32_t now = 100000;
    std::unique_ptr<dh::Game> game;
};

// The shown frame (read back after the swap), top row first, RGBA.
inline std::vector<std::uint8_t> readShownFrame()
{
    return testsupport::readBackOpaqueRgba();
}

inline Rgb pixel(const std::vector<std::uint8_t>& frame, int x, int y)
{
    const std::size_t at = (static_cast<std::size_t>(y) * dh::clientWidth() + x) * 4;
    return {frame[at], frame[at + 1], frame[at + 2]};
}

inline int brightness(const Rgb& c) { return c[0] + c[1] + c[2]; }

// Pixels brighter than the threshold in the rectangle [x0, x1) x [y0, y1).
inline int countLit(const std::vector<std::uint8_t>& frame, int x0, int y0, int x1, int y1, int threshold = 60)
{
    int lit = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            lit += brightness(pixel(frame, x, y)) > threshold ? 1 : 0;
    return lit;
}

// Writes the frame under <build>/test-output/screens for looking at.
inline void saveFrame(const std::vector<std::uint8_t>& frame, const std::string& name)
{
    testsupport::keepPicture(frame, "screens", name);
}

inline void post(dh::PlatformEvent::Type type, int x, int y)
{
    dh::PlatformEvent event;
    event.type = type;
    event.x = x;
    event.y = y;
    event.button = 1;
    dh::platformPostEvent(event);
}

// A dialog script that can also click at a point.
class DialogScript : public testsupport::DialogScript {
public:
    // Moves onto (x, y) at frame f and clicks there over the next two frames.
    void clickAt(int frame, int x, int y)
    {
        at(frame, [x, y] { post(dh::PlatformEvent::Type::MouseMove, x, y); });
        at(frame + 1, [] { dh::injectKeyState(dh::VK_LBUTTON, true); });
        at(frame + 2, [] { dh::injectKeyState(dh::VK_LBUTTON, false); });
    }
};

// At 800 x 600 the question's "Yes" and "No" buttons are centred at these points.
inline constexpr int kYesX = 305, kNoX = 495, kButtonY = 342;

}
