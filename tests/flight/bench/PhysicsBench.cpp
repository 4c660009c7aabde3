#include "flight/MovingGameObject.h"
#include "flight/ObjectList.h"
#include "flight/Orientation.h"
#include "flight/StaticGameObject.h"
#include "rendering/Mesh.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kStep = 1.0f / 60.0f;

class Ship : public dh::MovingGameObject {
public:
    explicit Ship(dh::Mesh* shipMesh)
    {
        mesh = shipMesh;
        collidable = true;
        shield = 1e9f;
        acceleration = 500.0f;
    }
};

class Station : public dh::StaticGameObject {
public:
    explicit Station(dh::Mesh* stationMesh)
    {
        mesh = stationMesh;
        collidable = true;
        indestructible = true;
    }
};

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

std::unique_ptr<dh::Mesh> makeShipMesh(float half)
{
    auto mesh = std::make_unique<dh::Mesh>();
    mesh->makeFallbackCube();
    std::vector<float> positions = mesh->positions;
    for (float& p : positions) {
        p *= half / 256.0f;
    }
    mesh->setTriangles(std::move(positions), {});
    return mesh;
}

// 17 ships (the player and 16 computer ships) hovering just off the surface
// of the station, inside its bounding sphere test, each against all triangles.
void stepShipsNearStation(benchmark::State& state)
{
    const auto stationMesh = makeStationMesh();
    const auto shipMesh = makeShipMesh(30.0f);
    dh::ObjectList list;
    list.addObject(new Station(stationMesh.get()));
    for (int i = 0; i < 17; ++i) {
        auto* ship = new Ship(shipMesh.get());
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
    const auto shipMesh = makeShipMesh(30.0f);
    dh::ObjectList list;
    std::mt19937 generator(7);
    std::uniform_real_distribution<float> coordinate(-20000.0f, 20000.0f);
    std::uniform_real_distribution<float> turn(-kPi, kPi);
    for (std::uint32_t i = 0; i < dh::ObjectList::kMaxMoving; ++i) {
        auto* ship = new Ship(shipMesh.get());
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
