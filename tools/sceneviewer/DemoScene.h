#pragma once
// A busy flight scene for looking at the renderer and timing it: a World with
// the station, ships (one firing its laser at another), a missile, an EMP
// bomb, explosions and particles, drawn in the order of the game's frame.
// Shared by the scene viewer, the rendering GL tests and the benchmark.
#include "core/Camera.h"
#include "flight/FlightHooks.h"
#include "flight/FlightModels.h"
#include "flight/GameObject_Emp.h"
#include "flight/GameObject_Explosion.h"
#include "flight/GameObject_Missile.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/LightSet.h"
#include "flight/PlayerHuman.h"
#include "core/Random.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/World.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <memory>
#include <string_view>
#include <vector>

namespace sceneviewer {

inline constexpr float kFarPlane = 262144.0f;

inline void loadAssets()
{
    dh::loadFonts();
    dh::loadTextures();
    dh::loadModels();
    dh::g_flightModels = {dh::model(dh::Model::Ship_Explorer), dh::model(dh::Model::Ship_Fighter),
                          dh::model(dh::Model::Missile), dh::model(dh::Model::Spacestation)};
}

// The sky of a world, built with the window's context.
inline std::shared_ptr<dh::SpaceBackground> buildBackground(const float* sunColour, std::string_view planetTexture)
{
    const std::array<float, 3> sun{sunColour[0], sunColour[1], sunColour[2]};
    return std::make_shared<dh::SpaceBackground>(sun, dh::findTexture(planetTexture));
}

inline void releaseAssets()
{
    dh::g_flightModels = {};
    dh::releaseFonts();
    dh::releaseTextures();
    dh::releaseModels();
}

// Rows right, up, forward for an object facing `forward`.
inline dh::Matrix3 facing(dh::Vector3 forward)
{
    const dh::Vector3 f = dh::normalized(forward);
    const dh::Vector3 right = dh::normalized(dh::cross({0.0f, 1.0f, 0.0f}, f));
    const dh::Vector3 up = dh::cross(f, right);
    dh::Matrix3 m;
    m.m = {right.x, right.y, right.z, up.x, up.y, up.z, f.x, f.y, f.z};
    return m;
}

// A free camera at `eye` looking at `target` (a camera looks along its negative third axis).
inline dh::Camera lookAt(dh::Vector3 eye, dh::Vector3 target)
{
    dh::Camera camera;
    camera.rotation = facing(eye - target);
    camera.position = eye;
    return camera;
}

struct SceneOptions {
    std::array<float, 3> starColour{1.0f, 0.9f, 0.7f};
    std::array<float, 3> ambientColour{0.25f, 0.25f, 0.3f};
    std::string_view planetTexture = "planet3";
    std::uint32_t sceneSeed = 0x5EED0001u;
    int ships = 4;
    int explosions = 1;
    bool fillParticles = false;
};

// The benchmark's busiest frame: 16 ships (the player's and 15 more), a full
// particle list and 8 explosions, seen from behind the ships towards the station.
inline SceneOptions busiestOptions()
{
    SceneOptions options;
    options.ships = 15;
    options.explosions = 8;
    options.fillParticles = true;
    return options;
}

inline dh::Camera busiestView()
{
    return lookAt({700.0f, 400.0f, 2600.0f}, {0.0f, 0.0f, 1200.0f});
}

class Scene {
public:
    explicit Scene(const SceneOptions& options)
    {
        dh::g_randomSeed = options.sceneSeed;
        world = std::make_unique<dh::World>(options.starColour.data(), options.ambientColour.data(),
                                            options.planetTexture, dh::queryDriverLights(), buildBackground);
        auto* station = new dh::GameObject_SpaceStation(&hooks);
        add(station, stationRef);

        player = new dh::Ship_ExplorerMark1(0.0f, 1400.0f);
        player->orientation = facing({0.0f, 0.0f, -1.0f});
        player->velocity = {0.0f, 0.0f, -60.0f};
        player->indestructible = true;
        add(player, playerRef);
        pilot = std::make_unique<dh::PlayerHuman>("Viewer", &playerRef, &hooks);

        for (int i = 0; i < options.ships; ++i) {
            const float angle = static_cast<float>(i) * 2.3999632f;
            const float radius = 500.0f + 90.0f * static_cast<float>(i);
            const dh::Vector3 at{radius * std::cos(angle), 120.0f * std::sin(1.7f * angle), 1800.0f + radius * std::sin(angle)};
            dh::GameObject_Ship* ship = i % 2 == 0 ? static_cast<dh::GameObject_Ship*>(new dh::Ship_FighterMark1(at.x, at.z))
                                                   : new dh::Ship_ExplorerMark1(at.x, at.z);
            ship->position = at;
            ship->orientation = facing({std::sin(angle), 0.2f, -std::cos(angle)});
            ship->velocity = 40.0f * ship->forward();
            ship->indestructible = true;
            world->objects.addObject(ship);
            ships.push_back(ship);
        }
        // The player's ship fires at the nearest computer ship, straight ahead of it.
        if (!ships.empty()) {
            target = ships.front();
            target->position = player->position + dh::Vector3{0.0f, 0.0f, -700.0f};
            target->velocity = player->velocity;
        }
        missile = new dh::GameObject_Missile(-300.0f, 150.0f, 1500.0f, player, target);
        world->objects.addObject(missile);
        for (int i = 0; i < options.explosions; ++i) {
            explode({-700.0f + 200.0f * static_cast<float>(i % 4), -300.0f - 250.0f * static_cast<float>(i / 4), 1300.0f},
                    300.0f);
        }
        if (options.fillParticles) {
            fillParticles();
        }
    }

    ~Scene()
    {
        pilot.reset();
        world->objects.untrackRef(&playerRef);
        world->objects.untrackRef(&stationRef);
        world.reset();
    }

    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // One game frame: motion, then the drawing, which also emits the exhaust.
    void frame(float dt, const dh::Camera& camera)
    {
        world->objects.updateAll(dt);
        world->particles.updateParticles(dt);
        world->objects.stepPhysics(dt);
        if (auto* ship = static_cast<dh::GameObject_Ship*>(playerRef.object); ship != nullptr && firing) {
            ship->fireLaser(dt);
        }
        pilot->attachViews();
        draw(camera);
    }

    void explode(dh::Vector3 at, float size)
    {
        explosions.push_back(new dh::GameObject_Explosion(at.x, at.y, at.z, size));
        world->objects.addObject(explosions.back());
    }

    // Drops an EMP bomb from the player's ship.
    void dropEmp()
    {
        if (playerRef.object != nullptr) {
            world->objects.addObject(new dh::GameObject_Emp(playerRef.object));
        }
    }

    // The game's flight view without the HUD.
    void draw(const dh::Camera& camera) const
    {
        dh::setPerspectiveProjection(kFarPlane);
        glDepthMask(GL_TRUE);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        world->draw(camera);
    }

    // Only the sky, the star points and the flare.
    void drawBackground(const dh::Camera& camera) const
    {
        dh::setPerspectiveProjection(kFarPlane);
        glDepthMask(GL_TRUE);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (const dh::SpaceBackground* background = world->background.get()) {
            background->drawSky(camera);
            background->drawStarPoints(camera);
            background->drawLensFlare(camera);
        }
    }

    dh::FlightHooks hooks;
    dh::ObjectRef playerRef;
    dh::ObjectRef stationRef;
    std::unique_ptr<dh::World> world;
    std::unique_ptr<dh::PlayerHuman> pilot;
    dh::GameObject_Ship* player = nullptr;
    dh::GameObject_Ship* target = nullptr;
    dh::GameObject_Missile* missile = nullptr;
    std::vector<dh::GameObject_Ship*> ships;
    std::vector<dh::GameObject_Explosion*> explosions;
    bool firing = true;

private:
    void add(dh::GameObject* obj, dh::ObjectRef& ref)
    {
        ref.object = obj;
        world->objects.addObject(obj);
        world->objects.trackRef(&ref);
    }

    // Long-lived sparks filling the list, spread through the scene.
    void fillParticles()
    {
        while (world->particles.count() < dh::ParticleList::kCapacity) {
            dh::Particle p;
            p.position = {dh::random01() * 3000.0f - 1500.0f, dh::random01() * 1200.0f - 600.0f,
                          dh::random01() * 2500.0f};
            p.red = 1.0f;
            p.green = 0.6f;
            p.blue = 0.3f;
            p.size = 6.0f + 10.0f * dh::random01();
            p.life = 1000.0f;
            p.initialLife = 1000.0f;
            world->particles.add(p);
        }
    }
};

}
