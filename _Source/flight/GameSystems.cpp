#include "flight/Game.h"

#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "flight/GameObject_Ship.h"
#include "flight/Orientation.h"
#include "flight/PlayerAI.h"
#include "flight/PlayerHuman.h"
#include "core/Random.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "flight/World.h"
#include "galaxy/Market.h"

#include <cmath>
#include <numbers>

namespace dh {

namespace {

constexpr float kArrivalDistance = 32000.0f;
constexpr float kSpawnDistance = 16000.0f;

float randomAngle()
{
    return static_cast<float>(random() & 0xFFFFFFu) * kRandomAngleScale;
}

GameObject_Ship* makeComputerShip(std::uint32_t shipClass, float x, float z)
{
    if (shipClass <= 6) {
        return new Ship_ExplorerMark1(x, z);
    }
    if (shipClass <= 10) {
        return new Ship_ExplorerMark2(x, z);
    }
    if (shipClass <= 12) {
        return new Ship_FighterMark1(x, z);
    }
    return new Ship_FighterMark2(x, z);
}

}

void Game::placePlayerRandomly()
{
    GameObject_Ship* ship = playerShip();
    if (ship == nullptr) {
        return;
    }
    const float a = randomAngle();
    ship->position = {std::cos(a) * kArrivalDistance, 0.0f, std::sin(a) * kArrivalDistance};
    ship->orientation = Matrix3{};
    yaw(*ship, std::numbers::pi_v<float>);
    ship->velocity = {};
    ship->targetSpeed = 0.0f;
    if (const GameObject* home = station()) {
        facePoint(*ship, home->position);
    }
}

void Game::placePlayerAtStation()
{
    GameObject_Ship* ship = playerShip();
    if (ship == nullptr) {
        return;
    }
    ship->position = {0.0f, 0.0f, 4000.0f};
    ship->orientation = Matrix3{};
    ship->velocity = {};
    ship->targetSpeed = 0.0f;
}

// More ships in dangerous systems and when the hold is worth robbing. The
// draws are seeded from the clock, so every arrival differs.
void Game::spawnComputerShips()
{
    const GameObject_Ship* ship = playerShip();
    if (ship == nullptr) {
        return;
    }
    const double value = cargoBaseValue(ship->cargo);
    const std::uint32_t danger = currentSystem.danger;
    const double threshold =
        (value + 500.0) * 0.00016666666f * (static_cast<float>(danger) * 0.2f) * 0.85f;
    g_randomSeed = frameTimer->lastClock;
    for (std::uint32_t attempt = 0; attempt < kMaxComputerShips; ++attempt) {
        if (!(random01() < threshold) || aiCount >= kMaxComputerShips) {
            continue;
        }
        const float a = randomAngle();
        const std::uint32_t shipClass = random() % 14u;
        GameObject_Ship* hostile =
            makeComputerShip(shipClass, std::cos(a) * kSpawnDistance, std::sin(a) * kSpawnDistance);
        hostile->setMissiles(random() % (hostile->missileCapacity / 2u + 1u));

        auto ref = std::make_unique<ObjectRef>();
        ref->object = hostile;
        aiPilots[aiCount] = std::make_unique<PlayerAI>(ref.get(), playerShipRef.get());
        aiShipRefs[aiCount] = std::move(ref);
        world->objects.addObject(hostile);
        world->objects.trackRef(aiShipRefs[aiCount].get());
        aiCount += 1;
    }
}

void Game::enterSystem(const StarSystem& system, bool spawnShips, bool randomPlacement)
{
    GameObject_Ship* ship = playerShip();
    if (ship == nullptr || !system.hasStar()) {
        return;
    }
    currentSystem = system;

    world->objects.detachObject(ship);
    world->objects.untrackRef(playerShipRef.get());
    world->objects.untrackRef(stationRef.get());
    stationRef.reset();

    // The pilot's target belongs to the world about to go.
    human->target = nullptr;
    world.reset();
    makeWorld(currentSystem);
    pauseWorldSounds();

    addStation();
    world->objects.addObject(ship);
    playerShipRef->object = ship;
    world->objects.trackRef(playerShipRef.get());

    if (randomPlacement) {
        placePlayerRandomly();
    } else {
        placePlayerAtStation();
    }

    for (std::uint32_t i = 0; i < aiCount; ++i) {
        aiPilots[i].reset();
        aiShipRefs[i].reset();
    }
    aiCount = 0;
    if (spawnShips) {
        spawnComputerShips();
    }
}

void Game::hyperspaceJump(std::uint32_t x, std::uint32_t y)
{
    GameObject_Ship* ship = playerShip();
    if (ship == nullptr) {
        return;
    }
    StarSystem destination;
    getSystem(galaxy, x, y, destination);
    if (!destination.hasStar()) {
        return;
    }
    rememberSystem(galaxy, currentSystem);

    pauseWorldSounds();
    ship->hyperspaceFuel = false;
    playSound(sample::hyperspace);
    playNextTrack();

    playHyperspaceTunnel();
    showLoadingFrame();

    enterSystem(destination, true, true);
    resumeClock();
}

}
