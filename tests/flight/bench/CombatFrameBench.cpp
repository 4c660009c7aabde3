#include "../FlightTestWorld.h"

#include "flight/GameObject_SpaceStation.h"
#include "flight/ObjectList.h"
#include "flight/PlayerAI.h"
#include "flight/Random.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark2.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

using namespace dh;

namespace {

constexpr float kStep = 1.0f / 60.0f;

// The busiest system the game makes: the station, the player and sixteen
// computer ships hunting it with lasers and missiles, and a full particle list.
struct BusySystem {
    BusySystem()
    {
        t.add(new GameObject_SpaceStation(nullptr));
        player = t.add(new Ship_FighterMark2(0.0f, 3000.0f));
        player->shield = 1e9f;
        playerRef = std::make_unique<test::TrackedRef>(t.objects(), player);
        for (int i = 0; i < 16; ++i) {
            const float angle = static_cast<float>(i) * 0.3926991f;
            auto* ship = t.add(new Ship_ExplorerMark1(std::cos(angle) * 4000.0f, 3000.0f + std::sin(angle) * 4000.0f));
            ship->shield = 1e9f;
            ship->setMissiles(2);
            refs.push_back(std::make_unique<test::TrackedRef>(t.objects(), ship));
            pilots.push_back(std::make_unique<PlayerAI>(&refs.back()->ref, &playerRef->ref));
        }
    }

    void frame()
    {
        g_randomSeed = 643463;
        t.objects().updateAll(kStep);
        t.world->particles.updateParticles(kStep);
        t.objects().stepPhysics(kStep);
        for (auto& pilot : pilots) {
            pilot->update(kStep);
        }
    }

    test::TestWorld t;
    GameObject_Ship* player;
    std::unique_ptr<test::TrackedRef> playerRef;
    std::vector<std::unique_ptr<test::TrackedRef>> refs;
    std::vector<std::unique_ptr<PlayerAI>> pilots;
};

void BM_CombatFrame(benchmark::State& state)
{
    BusySystem system;
    for (int warmUp = 0; warmUp < 120; ++warmUp) {
        system.frame();
    }
    for (auto _ : state) {
        system.frame();
    }
    state.counters["objects"] = static_cast<double>(system.t.objects().movingObjects().size()
                                                    + system.t.objects().staticObjects().size());
}
BENCHMARK(BM_CombatFrame)->Unit(benchmark::kMicrosecond);

void BM_FullParticleList(benchmark::State& state)
{
    ParticleList particles;
    ParticleBurst burst;
    burst.lifeHigh = 1e9f;
    burst.lifeLow = 1e9f;
    burst.speedHigh = 100.0f;
    while (particles.count() < ParticleList::kCapacity) {
        particles.emitParticles(burst);
    }
    for (auto _ : state) {
        particles.updateParticles(kStep);
        particles.emitParticles(burst);
    }
}
BENCHMARK(BM_FullParticleList)->Unit(benchmark::kMicrosecond);

}
