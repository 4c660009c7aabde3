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
#include "gui/gl/GuiGlSupport.h"
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

using guigl::DialogScript;
using guigl::kNoX;
using guigl::kYesX;
using guigl::post;

}
