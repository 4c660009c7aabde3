#include "flight/FlightTestObjects.h"
#include "flight/Orientation.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kStep = 1.0f / 60.0f;

using Ship = flighttest::TestMover;

// Ships live through every collision; the station is never damaged.
Ship* makeShip(dh::Mesh* mesh)
{
    auto* ship = new Ship(nullptr, mesh);
    ship->shield = 1e9f;
    ship->acceleration = 500.0f;
    return ship;
}

// A sphere of 20 rings by 25 segments: 1000 triangles, radius 2000.
std::unique_ptr<dh::Mesh> makeStationMesh()
{
    constexpr int kRings = 20;
    constexpr int kSegments = 25;
    constexpr float kRadius = 2000.0f;
    auto point = [](int ring, int segment) {
        const float polar = kPi * static_cast<float>(ring) / kRings;
        const float azimuth = 2.0f * kPi * static_cast<float>(segment) / kSegments;
        return dh::Vector3{kRadius * std::sin(polar) * std::cos(azimuth), kRadius * std::cos(polar),
                           kRadius * std::sin(polar) * std::sin(azimuth)};
    };
    std::vector<float> positions;
    auto add = [&](dh::Vector3 a, dh::Vector3 b, dh::Vector3 c) {
        positions.insert(positions.end(), {a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z});
    };
    for (int ring = 0; ring < kRings; ++ring) {
        for (int segment = 0; segment < kSegments; ++segment) {
            const dh::Vector3 p00 = point(ring, segment);
            const dh::Vector3 p01 = point(ring, segment + 1);
            const dh::Vector3 p10 = point(ring + 1, segment);
            const dh::Vector3 p11 = point(ring + 1, segment + 1);
            add(p00, p01, p11);
            add(p00, p11, p10);
        }
    }
    auto mesh = std::make_unique<dh::Mesh>();
    mesh->setTriangles(std::move(positions), {});
    return mesh;
}

// 17 ships (the player and 16 computer ships) hovering just off the surface
// of the station, inside its bounding sphere test, each against all triangles.
void stepShipsNearStation(benchmark::State& state)
{
    const auto stationMesh = makeStationMesh();
    const auto shipMesh = flighttest::makeBox(30.0f);
    dh::ObjectList list;
    auto* station = new flighttest::TestStatic(nullptr, stationMesh.get());
    station->indestructible = true;
    list.addObject(station);
    for (int i = 0; i < 17; ++i) {
        auto* ship = makeShip(shipMesh.get());
        const float angle = 2.0f * kPi * static_cast<float>(i) / 17.0f;
        ship->position = {2040.0f * std::cos(angle), 0.0f, 2040.0f * std::sin(angle)};
        list.addObject(ship);
    }
    for (auto _ : state) {
        list.stepPhysics(kStep);
    }
}
BENCHMARK(stepShipsNearStation);

// A full moving array: every mover tests every other one, sphere against sphere.
void stepFullMovingArray(benchmark::State& state)
{
    const auto shipMesh = flighttest::makeBox(30.0f);
    dh::ObjectList list;
    std::mt19937 generator(7);
    std::uniform_real_distribution<float> coordinate(-20000.0f, 20000.0f);
    std::uniform_real_distribution<float> turn(-kPi, kPi);
    for (std::uint32_t i = 0; i < dh::ObjectList::kMaxMoving; ++i) {
        auto* ship = makeShip(shipMesh.get());
        ship->position = {coordinate(generator), coordinate(generator), coordinate(generator)};
        dh::yaw(*ship, turn(generator));
        ship->targetSpeed = 200.0f;
        list.addObject(ship);
    }
    for (auto _ : state) {
        list.stepPhysics(kStep);
    }
}
BENCHMARK(stepFullMovingArray);

}
