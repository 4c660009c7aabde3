#include "flight/GameObject_SpaceStation.h"

#include "audio/SoundEffects.h"
#include "flight/FlightHooks.h"
#include "flight/FlightModels.h"
#include "flight/GameObject_Ship.h"
#include "flight/Orientation.h"
#include "flight/World.h"
#include "window/GLWindow.h"

#include <array>

namespace dh {

namespace {

// Half-extents of the four light patterns, from the hub outwards along the arms.
constexpr std::array<Vector3, 4> kLightPatterns{{
    {250.0f, 650.0f, 200.0f},
    {650.0f, 650.0f, 150.0f},
    {950.0f, 650.0f, 150.0f},
    {1300.0f, 650.0f, 200.0f},
}};

// The sign combinations in the order the lights are laid out.
constexpr std::array<Vector3, 8> kLightSigns{{
    {-1.0f, 1.0f, 1.0f},
    {1.0f, 1.0f, 1.0f},
    {-1.0f, -1.0f, 1.0f},
    {1.0f, -1.0f, 1.0f},
    {-1.0f, 1.0f, -1.0f},
    {1.0f, 1.0f, -1.0f},
    {-1.0f, -1.0f, -1.0f},
    {1.0f, -1.0f, -1.0f},
}};

GameObject_Ship* playerShipOf(FlightHooks& hooks)
{
    return hooks.playerShip ? hooks.playerShip() : nullptr;
}

}

GameObject_SpaceStation::GameObject_SpaceStation(FlightHooks* hooks) : hooks(hooks)
{
    name = "Spacestation";
    mesh = g_flightModels.station;
    visible = true;
    collidable = true;
    indestructible = true;
    targetable = true;
}

Vector3 GameObject_SpaceStation::dockingPoint() const
{
    return position + forward() * kDockingDistance;
}

void GameObject_SpaceStation::update(float dt)
{
    roll(*this, dt * kRollRate);
    if (lightTimer <= 0.0f) {
        flashLights();
    } else {
        lightTimer -= dt;
    }

    if (hooks == nullptr) {
        return;
    }
    GameObject_Ship* ship = playerShipOf(*hooks);
    if (ship == nullptr || lengthSquared(ship->position - dockingPoint()) >= kDockingRadiusSquared) {
        return;
    }
    // Hostiles go at once, as the ship enters the bay; the modal rest waits
    // until the frame is over.
    if (hooks->clearHostiles) {
        hooks->clearHostiles();
    }
    if (hooks->requestDock) {
        hooks->requestDock();
    }
}

void GameObject_SpaceStation::flashLights()
{
    lightTimer = kLightInterval;
    playWorldSound(*this, sample::stationLights, position, 32000.0f, false);
    ParticleList* particles = worldParticles(*this);
    const Vector3 extent = kLightPatterns[lightPattern];
    for (const Vector3& sign : kLightSigns) {
        Particle light;
        light.position = position + orientation.row(0) * (sign.x * extent.x)
                       + orientation.row(1) * (sign.y * extent.y) + orientation.row(2) * (sign.z * extent.z);
        light.red = 1.0f;
        light.size = 64.0f;
        light.life = 0.4f;
        light.initialLife = 0.4f;
        if (particles != nullptr) {
            particles->add(light);
        }
    }
    lightPattern = (lightPattern + 1) & 3u;
}

void GameObject_SpaceStation::dockPlayer(FlightHooks& hooks)
{
    // A ship destroyed in the rest of the frame after it reached the bay does not dock.
    GameObject_Ship* docking = playerShipOf(hooks);
    if (docking == nullptr) {
        return;
    }
    playSound(sample::dock);
    if (isWindowOpen()) {
        fadeScreenToBlack(0.5f);
    }
    if (SoundSet* sounds = worldSounds(*docking)) {
        pauseSounds(*sounds);
    }
    if (hooks.runStationScreen) {
        hooks.runStationScreen();
    }
    playSound(sample::launch);
    if (hooks.resumeClock) {
        hooks.resumeClock();
    }
    // Whatever the station screen did (a ship bought, a game loaded), the
    // ship launched is the one the player has now.
    if (GameObject_Ship* ship = playerShipOf(hooks)) {
        ship->position = {0.0f, 0.0f, 4000.0f};
        ship->orientation = Matrix3{};
        ship->velocity = {};
        ship->targetSpeed = 0.0f;
        ship->hyperspaceFuel = true;
    }
}

}
