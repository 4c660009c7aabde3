#include "flight/FlightModels.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "galaxy/Galaxy.h"
#include "gui/Dialogs.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "shell/GLWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// The whole game's drawing with the real assets, in an 800 x 600 window.
class GameDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dh::createGLWindow();
        dh::loadFonts();
        dh::loadTextures();
        dh::loadModels();
        dh::g_flightModels = {dh::model(dh::Model::Ship_Explorer), dh::model(dh::Model::Ship_Fighter),
                              dh::model(dh::Model::Missile), dh::model(dh::Model::Spacestation)};
        dh::g_buildBackground = [](const float* sun, std::string_view planet) {
            return std::make_shared<dh::SpaceBackground>(std::array<float, 3>{sun[0], sun[1], sun[2]},
                                                         dh::findTexture(planet));
        };
    }
    static void TearDownTestSuite()
    {
        dh::g_buildBackground = nullptr;
        dh::g_flightModels = {};
        dh::releaseModels();
        dh::releaseTextures();
        dh::releaseFonts();
        dh::destroyGLWindow();
    }
    void SetUp() override
    {
        ASSERT_TRUE(dh::isWindowOpen());
        dh::g_runInGameMenu = [this](dh::Game&) { ++menuRuns; };
        dh::g_dialogFrameHook = [this](int frame) {
            dialogFrames += frame == 0 ? 1 : 0;
            // Enter, held from the third frame, answers the dialog.
            dh::injectKeyState(dh::VK_RETURN, frame >= 2);
        };
        dh::platformOverrideClock(&now);
        game = std::make_unique<dh::Game>("Drawing");
        dh::g_listener = game.get();
    }
    void TearDown() override
    {
        dh::g_listener = nullptr;
        game.reset();
        dh::g_runInGameMenu = nullptr;
        dh::g_dialogFrameHook = nullptr;
        dh::clearInjectedKeys();
        dh::platformOverrideClock(nullptr);
    }

    // The frame just shown (the swap keeps the back buffer), top row first.
    static std::vector<std::uint8_t> shownFrame()
    {
        const int w = dh::clientWidth();
        const int h = dh::clientHeight();
        std::vector<std::uint8_t> bottomUp(static_cast<std::size_t>(w) * h * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
        std::vector<std::uint8_t> frame(bottomUp.size());
        const std::size_t row = static_cast<std::size_t>(w) * 3;
        for (int y = 0; y < h; ++y) {
            std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>((h - 1 - y) * row), row,
                        frame.begin() + static_cast<std::ptrdiff_t>(y * row));
        }
        return frame;
    }

    // Mean brightness 0..255 of a rectangle of a frame.
    static double brightness(const std::vector<std::uint8_t>& frame, int x0, int y0, int x1, int y1)
    {
        double sum = 0.0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const std::size_t i = (static_cast<std::size_t>(y) * dh::clientWidth() + x) * 3;
                sum += (frame[i] + frame[i + 1] + frame[i + 2]) / 3.0;
            }
        }
        return sum / ((x1 - x0) * (y1 - y0));
    }

    // Writes the frame beside the test program for looking at.
    static void save(const std::vector<std::uint8_t>& frame, const std::string& name)
    {
        const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / "test-output" / "flight";
        std::filesystem::create_directories(folder);
        if (FILE* out = std::fopen((folder / (name + ".ppm")).string().c_str(), "wb")) {
            std::fprintf(out, "P6\n%d %d\n255\n", dh::clientWidth(), dh::clientHeight());
            std::fwrite(frame.data(), 1, frame.size(), out);
            std::fclose(out);
        }
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

TEST_F(GameDrawing, AFlightFrameShowsTheSceneAndTheConsole)
{
    game->running = true;
    game->human->target = game->station();
    paint(10);
    const std::vector<std::uint8_t> frame = shownFrame();
    save(frame, "flight_frame");
    // The console along the bottom edge, the sky above it.
    EXPECT_GT(brightness(frame, 300, 560, 500, 600), 40.0);
    EXPECT_GT(brightness(frame, 0, 0, 800, 500), 2.0);
    EXPECT_EQ(game->frameCount, 2u);
    EXPECT_FLOAT_EQ(game->timeStep, 0.04f);
}

TEST_F(GameDrawing, TheLoadingFrameAndTheTunnel)
{
    dh::showLoadingFrame();
    const std::vector<std::uint8_t> loading = shownFrame();
    save(loading, "loading");
    EXPECT_GT(brightness(loading, 330, 285, 470, 315), 10.0);
    EXPECT_EQ(brightness(loading, 0, 0, 800, 200), 0.0);

    for (float remaining = 1.5f; remaining > 0.7f; remaining -= 0.1f) {
        dh::drawHyperspaceTunnelFrame(remaining);
        dh::swapBuffers();
    }
    const std::vector<std::uint8_t> tunnel = shownFrame();
    save(tunnel, "tunnel");
    EXPECT_GT(brightness(tunnel, 0, 0, 800, 600), 20.0);

    // Towards the end the smear sinks to black.
    for (float remaining = 0.7f; remaining > 0.0f; remaining -= 0.1f) {
        dh::drawHyperspaceTunnelFrame(remaining);
        dh::swapBuffers();
    }
    EXPECT_LT(brightness(shownFrame(), 0, 0, 800, 600), brightness(tunnel, 0, 0, 800, 600) * 0.5);
}

// The world goes on under a fade that darkens for 3 seconds; then the death
// message ends the game.
TEST_F(GameDrawing, DeathFadesOutAndEndsTheGame)
{
    game->running = true;
    paint(8);
    game->world->objects.deleteObject(game->playerShip());
    paint(8);
    const double early = brightness(shownFrame(), 0, 0, 800, 600);
    paint(20);
    const double later = brightness(shownFrame(), 0, 0, 800, 600);
    EXPECT_LT(later, early);
    EXPECT_TRUE(game->running);
    EXPECT_EQ(dialogFrames, 0);
    EXPECT_GT(game->deathCameraAngle, 1.0f);

    paint(60);
    EXPECT_EQ(dialogFrames, 1);
    EXPECT_FALSE(game->running);
    EXPECT_GE(game->deathTimer, 3.0f);
}

TEST_F(GameDrawing, ConsoleButtonsOpenTheMenuOrRefuse)
{
    // The fades before the menu run on the real clock.
    dh::platformOverrideClock(nullptr);
    game->resumeClock();
    // The missile button without a target, then without missiles.
    game->onMouseDown(240, 584, 1);
    EXPECT_EQ(dialogFrames, 1);
    game->human->target = game->station();
    game->playerShip()->missiles = 0;
    game->onMouseDown(240, 584, 1);
    EXPECT_EQ(dialogFrames, 2);

    // The EMP button launches a bomb when there is one, else refuses.
    game->playerShip()->empBombs = 1;
    game->onMouseDown(560, 584, 1);
    EXPECT_EQ(dialogFrames, 2);
    EXPECT_EQ(game->playerShip()->empBombs, 0u);
    game->onMouseDown(560, 584, 1);
    EXPECT_EQ(dialogFrames, 3);

    // The menu button; the right button and the space between the buttons do nothing.
    game->onMouseDown(400, 584, 2);
    game->onMouseDown(400, 400, 1);
    EXPECT_EQ(menuRuns, 0);
    game->onMouseDown(400, 584, 1);
    EXPECT_EQ(menuRuns, 1);
    EXPECT_EQ(game->timeStep, 0.0f);
}

// The tunnel plays on the real clock and swallows input; the flight then
// goes on in the new system with the drawing state it had.
TEST_F(GameDrawing, AJumpPlaysTheTunnelAndFlightGoesOn)
{
    dh::platformOverrideClock(nullptr);
    game->resumeClock();
    game->running = true;
    const dh::StarSystem home = game->currentSystem;
    dh::StarSystem destination;
    std::uint32_t x = home.x;
    do {
        ++x;
        dh::getSystem(game->galaxy, x, home.y, destination);
    } while (!destination.hasStar());

    dh::PlatformEvent escape;
    escape.type = dh::PlatformEvent::Type::KeyDown;
    escape.key = dh::VK_ESCAPE;
    dh::platformPostEvent(escape);
    const std::uint32_t start = dh::platformMilliseconds();
    game->hyperspaceJump(x, home.y);
    EXPECT_GE(dh::platformMilliseconds() - start, 1500u);
    // Had the key been left waiting, the game would hear it now.
    dh::pumpMessages();
    EXPECT_EQ(menuRuns, 0);
    EXPECT_EQ(dh::g_listener, game.get());
    EXPECT_EQ(game->currentSystem, destination);

    for (int i = 0; i < 10; ++i) {
        game->onPaint();
    }
    const std::vector<std::uint8_t> frame = shownFrame();
    save(frame, "after_jump");
    EXPECT_GT(brightness(frame, 300, 560, 500, 600), 40.0);
    EXPECT_GT(brightness(frame, 0, 0, 800, 500), 2.0);
}
