#include "flight/FlightModels.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "galaxy/Galaxy.h"
#include "gui/Dialogs.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"
#include "rendering/ModelList.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "window/GLWindow.h"
#include "support/DialogScript.h"
#include "support/GlWindowSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

// The whole game's drawing with the real assets, in an 800 x 600 window.
class GameDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testsupport::openWindowWith(testsupport::Art::FontsTexturesAndModels);
        dh::g_flightModels = {dh::model(dh::Model::Ship_Explorer), dh::model(dh::Model::Ship_Fighter),
                              dh::model(dh::Model::Missile), dh::model(dh::Model::Spacestation)};
    }
    static void TearDownTestSuite()
    {
        dh::g_flightModels = {};
    }
    void SetUp() override
    {
        ASSERT_TRUE(dh::isWindowOpen());
        dh::g_dialogFrameHook = [this](int frame) {
            dialogFrames += frame == 0 ? 1 : 0;
            testsupport::holdKey(dh::VK_RETURN, frame >= 2);  // Enter answers the dialog
        };
        dh::platformOverrideClock(&now);
        dh::GameHooks hooks;
        hooks.runInGameMenu = [this](dh::Game&) { ++menuRuns; };
        hooks.showMessage = [](const char* title, const char* text) { dh::showMessage(title, text); };
        hooks.buildBackground = [](const float* sun, std::string_view planet) {
            return std::make_shared<dh::SpaceBackground>(std::array<float, 3>{sun[0], sun[1], sun[2]},
                                                         dh::findTexture(planet));
        };
        game = std::make_unique<dh::Game>("Drawing", hooks);
        dh::g_listener = game.get();
    }
    void TearDown() override
    {
        dh::g_listener = nullptr;
        game.reset();
        dh::g_dialogFrameHook = nullptr;
        dh::clearInjectedKeys();
        dh::platformOverrideClock(nullptr);
    }

    // Mean brightness 0..255 of a rectangle (top row first) of the frame just shown.
    static double brightness(int x0, int y0, int x1, int y1)
    {
        const std::vector<std::uint8_t> rgb = testsupport::readBackTopDown(GL_RGB, 3);
        double sum = 0.0;
        for (int y = y0; y < y1; ++y)
            for (int x = 3 * x0; x < 3 * x1; ++x)
                sum += rgb[static_cast<std::size_t>(y * dh::clientWidth() * 3 + x)];
        return sum / (3.0 * (x1 - x0) * (y1 - y0));
    }
    static double whole() { return brightness(0, 0, 800, 600); }
    // The console along the bottom edge, the sky above it.
    static void expectFlightFrame()
    {
        EXPECT_GT(brightness(300, 560, 500, 600), 40.0);
        EXPECT_GT(brightness(0, 0, 800, 500), 2.0);
    }

    void paint(int frames)
    {
        for (int i = 0; i < frames && game->running; ++i) {
            now += 40;
            game->onPaint();
        }
    }

    std::uint32_t now = 50000;
    int menuRuns = 0;
    int dialogFrames = 0;
    std::unique_ptr<dh::Game> game;
};

}

// The tunnel plays on the real clock and swallows input; the flight then goes
// on in the new system with the drawing state it had.
TEST_F(GameDrawing, AFlightFrameShowsTheSceneAndTheConsoleBeforeAndAfterAJump)
{
    game->running = true;
    game->human->target = game->station();
    paint(10);
    expectFlightFrame();

    dh::platformOverrideClock(nullptr);
    game->resumeClock();
    const dh::StarSystem home = game->currentSystem;
    dh::StarSystem destination;
    std::uint32_t x = home.x;
    do {
        dh::getSystem(game->galaxy, ++x, home.y, destination);
    } while (!destination.hasStar());
    dh::platformPostEvent({.type = dh::PlatformEvent::Type::KeyDown, .key = dh::VK_ESCAPE});
    const std::uint32_t start = dh::platformMilliseconds();
    game->hyperspaceJump(x, home.y);
    EXPECT_GE(dh::platformMilliseconds() - start, 1500u);
    dh::pumpMessages();
    EXPECT_EQ(menuRuns, 0) << "the key pressed during the tunnel is not heard afterwards";
    EXPECT_EQ(game->currentSystem, destination);
    for (int i = 0; i < 10; ++i)
        game->onPaint();
    expectFlightFrame();
}

TEST_F(GameDrawing, TheLoadingFrameAndTheTunnel)
{
    dh::showLoadingFrame();
    EXPECT_GT(brightness(330, 285, 470, 315), 10.0);
    EXPECT_EQ(brightness(0, 0, 800, 200), 0.0);
    float remaining = 1.5f;
    const auto tunnelUntil = [&](float end) {
        for (; remaining > end; remaining -= 0.1f) {
            dh::drawHyperspaceTunnelFrame(remaining);
            dh::swapBuffers();
        }
        return whole();
    };
    const double tunnel = tunnelUntil(0.7f);
    EXPECT_GT(tunnel, 20.0);
    EXPECT_LT(tunnelUntil(0.0f), tunnel * 0.5) << "towards the end the smear sinks to black";
}

// The world goes on under a fade that darkens for 3 seconds; then the death message ends the game.
TEST_F(GameDrawing, DeathFadesOutAndEndsTheGame)
{
    game->running = true;
    paint(8);
    game->world->objects.deleteObject(game->playerShip());
    paint(8);
    const double early = whole();
    paint(20);
    EXPECT_LT(whole(), early);
    EXPECT_TRUE(game->running);
    EXPECT_EQ(dialogFrames, 0);
    paint(60);
    EXPECT_EQ(dialogFrames, 1);
    EXPECT_FALSE(game->running);
    EXPECT_GE(game->deathTimer, 3.0f);
}

TEST_F(GameDrawing, ConsoleButtonsOpenTheMenuOrRefuse)
{
    dh::platformOverrideClock(nullptr);  // the fades before the menu run on the real clock
    game->resumeClock();
    game->onMouseDown(240, 584, 1);
    EXPECT_EQ(dialogFrames, 1) << "the missile button without a target";
    game->human->target = game->station();
    game->playerShip()->missiles = 0;
    game->onMouseDown(240, 584, 1);
    EXPECT_EQ(dialogFrames, 2) << "the missile button without missiles";
    game->playerShip()->empBombs = 1;
    game->onMouseDown(560, 584, 1);
    EXPECT_EQ(game->playerShip()->empBombs, 0u);
    game->onMouseDown(560, 584, 1);
    EXPECT_EQ(dialogFrames, 3) << "the EMP button without bombs";
    game->onMouseDown(400, 584, 2);
    game->onMouseDown(400, 400, 1);
    EXPECT_EQ(menuRuns, 0) << "the right button and the space between the buttons do nothing";
    game->onMouseDown(400, 584, 1);
    EXPECT_EQ(menuRuns, 1);
}
