// drift-hauler-bench-sim: the physics step of a crowd of movers and of ships
// at the station, and the worst scene's whole simulation step.
#include "BenchModels.h"
#include "StateDump.h"
#include "WorstScene.h"

#include "core/Random.h"
#include "flight/MovingGameObject.h"
#include "flight/ObjectList.h"
#include "flight/Orientation.h"
#include "flight/StaticGameObject.h"
#include "flight/World.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr float kStep = 1.0f / 60.0f;
constexpr float kPi = std::numbers::pi_v<float>;
constexpr std::uint32_t kSeed = 643463;

// The measured work alone, apart for callgrind's --toggle-collect.
[[gnu::noinline]] void measuredStep(dh::ObjectList& list)
{
    list.stepPhysics(kStep);
}

[[gnu::noinline]] void measuredFrame(bench::WorstScene& scene)
{
    scene.simulate();
}

// A list of movers stepped again and again from the same start, so that every
// measured step resolves the same collisions.
class PhysicsScene {
public:
    dh::MovingGameObject* addMover(dh::Mesh* mesh, dh::Vector3 at, float yawAngle, float pitchAngle, float speed)
    {
        auto* mover = new dh::MovingGameObject();
        mover->mesh = mesh;
        mover->collidable = true;
        mover->visible = true;
        // Tough enough that nobody is removed by the collisions of the run.
        mover->shield = 1e9f;
        mover->position = at;
        dh::yaw(*mover, yawAngle);
        dh::pitch(*mover, pitchAngle);
        mover->acceleration = 500.0f;
        mover->targetSpeed = speed;
        mover->velocity = mover->forward() * speed;
        list.addObject(mover);
        movers.push_back(mover);
        return mover;
    }

    void remember()
    {
        start.clear();
        for (const dh::MovingGameObject* mover : movers) {
            start.push_back({mover->position, mover->velocity, mover->shield});
        }
    }

    void restore()
    {
        for (std::size_t i = 0; i < movers.size(); ++i) {
            movers[i]->position = start[i].position;
            movers[i]->velocity = start[i].velocity;
            movers[i]->shield = start[i].shield;
        }
        dh::g_randomSeed = kSeed;
    }

    void run(benchmark::State& state)
    {
        for (auto _ : state) {
            state.PauseTiming();
            restore();
            state.ResumeTiming();
            measuredStep(list);
        }
    }

    struct Start {
        dh::Vector3 position;
        dh::Vector3 velocity;
        float shield;
    };

    dh::ObjectList list;
    std::vector<dh::MovingGameObject*> movers;
    std::vector<Start> start;
};

// How many movers overlap at least one other.
int overlapping(const std::vector<dh::MovingGameObject*>& movers)
{
    int count = 0;
    for (const dh::MovingGameObject* a : movers) {
        for (const dh::MovingGameObject* b : movers) {
            const float reach = a->mesh->boundRadius + b->mesh->boundRadius;
            if (a != b && dh::length((a->position + a->mesh->boundCentre) - (b->position + b->mesh->boundCentre)) < reach) {
                ++count;
                break;
            }
        }
    }
    return count;
}

// 512 fighters scattered at random in a cube whose side is chosen so that a
// tenth of them overlap a neighbour: for n uniform points, a given one has a
// neighbour within d with probability 1 - exp(-n (4/3) pi d^3 / side^3).
std::unique_ptr<PhysicsScene> makeMovers(const bench::BenchModels& models)
{
    auto made = std::make_unique<PhysicsScene>();
    PhysicsScene& scene = *made;
    constexpr std::uint32_t kMovers = dh::ObjectList::kMaxMoving;
    const float diameter = 2.0f * models.fighter->boundRadius;
    const float side = diameter * std::cbrt(kMovers * 4.0f / 3.0f * kPi / -std::log(0.9f));
    std::mt19937 generator(7);
    std::uniform_real_distribution<float> coordinate(-side / 2.0f, side / 2.0f);
    std::uniform_real_distribution<float> turn(-kPi, kPi);
    for (std::uint32_t i = 0; i < kMovers; ++i) {
        const dh::Vector3 at{coordinate(generator), coordinate(generator), coordinate(generator)};
        const float yawAngle = turn(generator);
        scene.addMover(models.fighter.get(), at, yawAngle, turn(generator) / 2.0f, 200.0f);
    }
    scene.remember();
    return made;
}

void StepPhysics_512movers(benchmark::State& state)
{
    const bench::BenchModels models;
    const auto scene = makeMovers(models);
    state.counters["overlapping"] = overlapping(scene->movers);
    scene->run(state);
}
BENCHMARK(StepPhysics_512movers)->Name("StepPhysics/512movers")->Unit(benchmark::kMicrosecond);

// The player and sixteen computer ships inside the station's bounding sphere,
// each flying towards its middle: every one tests every station triangle.
std::unique_ptr<PhysicsScene> makeShipsNearStation(const bench::BenchModels& models)
{
    auto made = std::make_unique<PhysicsScene>();
    PhysicsScene& scene = *made;
    auto* station = new dh::StaticGameObject();
    station->mesh = models.station.get();
    station->collidable = true;
    station->visible = true;
    station->indestructible = true;
    scene.list.addObject(station);
    const float radius = models.station->boundRadius;
    for (int i = 0; i < 17; ++i) {
        // Spread over the sphere by the golden angle.
        const float height = 1.0f - 2.0f * (static_cast<float>(i) + 0.5f) / 17.0f;
        const float around = 2.3999632f * static_cast<float>(i);
        const float flat = std::sqrt(1.0f - height * height);
        const dh::Vector3 direction{flat * std::cos(around), height, flat * std::sin(around)};
        const dh::Vector3 at = models.station->boundCentre + direction * (radius * (0.7f + 0.015f * static_cast<float>(i)));
        dh::Mesh* mesh = i % 2 == 0 ? models.explorer.get() : models.fighter.get();
        auto* ship = scene.addMover(mesh, at, 0.0f, 0.0f, 300.0f);
        dh::facePoint(*ship, models.station->boundCentre);
        ship->velocity = ship->forward() * 300.0f;
    }
    scene.remember();
    return made;
}

void StepPhysics_17shipsNearStation(benchmark::State& state)
{
    const bench::BenchModels models;
    makeShipsNearStation(models)->run(state);
}
BENCHMARK(StepPhysics_17shipsNearStation)->Name("StepPhysics/17shipsNearStation")->Unit(benchmark::kMicrosecond);

// The worst scene's updates, particles, physics and both kinds of pilots; the
// sounds of each frame are mixed outside the measured time.
void SimulationStep_worst(benchmark::State& state)
{
    bench::WorstScene scene;
    for (auto _ : state) {
        measuredFrame(scene);
        state.PauseTiming();
        scene.hear();
        state.ResumeTiming();
    }
    const dh::Game& game = scene.game();
    state.counters["ships"] = game.aiCount;
    state.counters["moving"] = static_cast<double>(game.world->objects.movingObjects().size());
    state.counters["static"] = static_cast<double>(game.world->objects.staticObjects().size());
    state.counters["particles"] = game.world->particles.count();
}
BENCHMARK(SimulationStep_worst)->Name("SimulationStep/worst")->Unit(benchmark::kMicrosecond);

// Runs one case for a fixed number of steps, so that callgrind counts the
// same work every time.
int countSteps(const char* name, int steps)
{
    if (std::strcmp(name, "worst") == 0) {
        bench::WorstScene scene;
        for (int i = 0; i < steps; ++i) {
            measuredFrame(scene);
            scene.hear();
        }
        return 0;
    }
    const bench::BenchModels models;
    std::unique_ptr<PhysicsScene> scene;
    if (std::strcmp(name, "512movers") == 0) {
        scene = makeMovers(models);
    } else if (std::strcmp(name, "17shipsNearStation") == 0) {
        scene = makeShipsNearStation(models);
    } else {
        std::fprintf(stderr, "unknown case %s\n", name);
        return 2;
    }
    for (int i = 0; i < steps; ++i) {
        scene->restore();
        measuredStep(scene->list);
    }
    return 0;
}

}

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--count") == 0) {
        return countSteps(argv[2], std::atoi(argv[3]));
    }
    if (argc >= 2 && std::strcmp(argv[1], "--dump-state") == 0) {
        if (argc != 5 || std::strcmp(argv[3], "--frames") != 0) {
            std::fprintf(stderr, "usage: %s --dump-state FILE --frames N\n", argv[0]);
            return 2;
        }
        return bench::dumpWorstSceneState(argv[2], std::atoi(argv[4]));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
