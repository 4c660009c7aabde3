#pragma once

#include "flight/FlightHooks.h"
#include "flight/FlightModels.h"
#include "flight/FlightTestObjects.h"
#include "flight/GameObject_Ship.h"
#include "core/Matrix4.h"
#include "core/Random.h"
#include "flight/World.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace dh::test {

inline void expectNear(Vector3 got, Vector3 want, float tolerance)
{
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
    EXPECT_NEAR(got.z, want.z, tolerance);
}

// Where a row-order transform puts a point.
inline Vector3 transform(const Matrix4& m, Vector3 p)
{
    return {m.m[0] * p.x + m.m[1] * p.y + m.m[2] * p.z + m.m[3], m.m[4] * p.x + m.m[5] * p.y + m.m[6] * p.z + m.m[7],
            m.m[8] * p.x + m.m[9] * p.y + m.m[10] * p.z + m.m[11]};
}

// The generator's seed after `draws` draws from `seed`; the seed is left alone.
inline std::uint32_t seedAfterDraws(std::uint32_t seed, int draws)
{
    std::swap(seed, g_randomSeed);
    for (int i = 0; i < draws; ++i)
        random();
    std::swap(seed, g_randomSeed);
    return seed;
}

// A world of one system with boxes standing in for the ship, missile and station models.
struct TestWorld {
    explicit TestWorld(std::uint32_t driverLights = 8)
    {
        static constexpr float kStar[3] = {1.0f, 0.9f, 0.8f};
        static constexpr float kAmbient[3] = {0.2f, 0.3f, 0.4f};
        g_flightModels = {shipMesh.get(), shipMesh.get(), missileMesh.get(), stationMesh.get()};
        world = std::make_unique<World>(kStar, kAmbient, "planet1", driverLights);
    }
    ~TestWorld()
    {
        world.reset();
        g_flightModels = {};
    }
    ObjectList& objects() { return world->objects; }
    template <typename T> T* add(T* obj)
    {
        world->objects.addObject(obj);
        return obj;
    }
    std::uint32_t countNamed(const char* name) const
    {
        std::uint32_t n = 0;
        for (const auto objects : {world->objects.staticObjects(), world->objects.movingObjects()})
            for (const GameObject* obj : objects)
                n += std::string(obj->name) == name ? 1u : 0u;
        return n;
    }

    std::unique_ptr<Mesh> shipMesh = flighttest::makeBox({20.0f, 10.0f, 50.0f});
    std::unique_ptr<Mesh> missileMesh = flighttest::makeBox({2.0f, 2.0f, 8.0f});
    std::unique_ptr<Mesh> stationMesh = flighttest::makeBox(256.0f);
    std::unique_ptr<World> world;
};

// A tracked reference to an object of the world, unregistered on destruction.
struct TrackedRef {
    TrackedRef(ObjectList& list, GameObject* obj) : list(list)
    {
        ref.object = obj;
        list.trackRef(&ref);
    }
    ~TrackedRef() { list.untrackRef(&ref); }
    TrackedRef(const TrackedRef&) = delete;
    TrackedRef& operator=(const TrackedRef&) = delete;

    ObjectList& list;
    ObjectRef ref;
};

// Records what the flight objects ask of the game.
struct RecordingGame {
    RecordingGame()
    {
        hooks.playerShip = [this] { return ship; };
        hooks.clearHostiles = [this] { ++hostileClears; };
        hooks.requestDock = [this] { ++dockRequests; };
        hooks.runStationScreen = [this] { ++stationScreens; };
        hooks.resumeClock = [this] { ++clockResumes; };
        hooks.showMessage = [this](const char* title, const char* text) { messages.emplace_back(title, text); };
    }

    FlightHooks hooks;
    GameObject_Ship* ship = nullptr;
    int hostileClears = 0, dockRequests = 0, stationScreens = 0, clockResumes = 0;
    std::vector<std::pair<std::string, std::string>> messages;
};

}
