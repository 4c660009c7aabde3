// The flight frame of the game itself with sixteen computer ships fighting the
// player, the real models and a real background. Needs a display: run it
// under tests/support/with-xvfb.sh from the build directory (the assets are
// read from beside the program).
#include "flight/FlightModels.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/World.h"
#include "platform/PlatformEvents.h"
#include "platform/PlatformWindow.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "window/GLWindow.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <memory>

using namespace dh;

namespace {

constexpr std::uint32_t kFrameMilliseconds = 16;

void loadAssetsOnce()
{
    static bool loaded = false;
    if (loaded) {
        return;
    }
    loaded = true;
    platformInit();
    createGLWindow();
    loadFonts();
    loadTextures();
    loadModels();
    g_flightModels = {model(Model::Ship_Explorer), model(Model::Ship_Fighter), model(Model::Missile),
                      model(Model::Spacestation)};
}

GameHooks benchHooks()
{
    GameHooks hooks;
    hooks.buildBackground = [](const float* sun, std::string_view planet) {
        return std::make_shared<SpaceBackground>(std::array<float, 3>{sun[0], sun[1], sun[2]}, findTexture(planet));
    };
    return hooks;
}

// A game just arrived in a lawless system with a full hold of jewellery: all
// sixteen computer ships spawn. They are brought in to 3000 units around the
// player and made too tough to die, so the fight never ends.
struct Dogfight {
    Dogfight()
    {
        loadAssetsOnce();
        platformOverrideClock(&now);
        game = std::make_unique<Game>("Bench", benchHooks());
        GameObject_Ship* player = game->playerShip();
        player->cargo[7] = 200;
        player->shield = 1e9f;
        game->currentSystem.danger = 5;
        game->enterSystem(game->currentSystem, true, true);
        player->targetSpeed = player->topSpeed * 0.5f;
        for (std::uint32_t i = 0; i < game->aiCount; ++i) {
            auto* ship = static_cast<GameObject_Ship*>(game->aiShipRefs[i]->object);
            const float angle = static_cast<float>(i) * 0.3926991f;
            ship->position = player->position
                           + Vector3{std::cos(angle) * 3000.0f, 0.0f, std::sin(angle) * 3000.0f};
            ship->shield = 1e9f;
        }
        game->running = true;
        for (int warmUp = 0; warmUp < 240; ++warmUp) {
            simulate();
        }
    }
    ~Dogfight()
    {
        game.reset();
        platformOverrideClock(nullptr);
    }

    void simulate()
    {
        now += kFrameMilliseconds;
        game->simulateFrame();
    }

    std::uint32_t now = 1000;
    std::unique_ptr<Game> game;
};

void counters(benchmark::State& state, const Dogfight& fight)
{
    state.counters["ships"] = fight.game->aiCount;
    state.counters["moving"] = static_cast<double>(fight.game->world->objects.movingObjects().size());
    state.counters["particles"] = fight.game->world->particles.count();
}

// The whole frame at 800 x 600: simulation, sky, meshes, effects, particles,
// stars, flare, sounds, HUD and the buffer swap.
void BM_GameWholeFrame(benchmark::State& state)
{
    Dogfight fight;
    setClientSize(800, 600);
    for (auto _ : state) {
        fight.now += kFrameMilliseconds;
        fight.game->onPaint();
    }
    counters(state, fight);
}
BENCHMARK(BM_GameWholeFrame)->Unit(benchmark::kMillisecond);

}
