#include "FlightTestWorld.h"

#include "flight/GameObject_Explosion.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/ObjectList.h"
#include "flight/Orientation.h"
#include "flight/PlayerAI.h"
#include "flight/PlayerHuman.h"
#include "flight/Random.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "platform/KeyState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

using namespace dh;

namespace {

bool finite(Vector3 v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

std::uint32_t newExplosions(const ObjectList& objects)
{
    std::uint32_t n = 0;
    for (GameObject* obj : objects.staticObjects()) {
        const auto* explosion = dynamic_cast<const GameObject_Explosion*>(obj);
        n += explosion != nullptr && explosion->remaining == explosion->duration ? 1u : 0u;
    }
    return n;
}

struct ComputerShip {
    std::unique_ptr<test::TrackedRef> ref;
    std::unique_ptr<PlayerAI> pilot;
};

// Held keys that change every few seconds: laser bursts, missiles at the
// target and EMP bombs.
void scriptKeys(int frame)
{
    const int second = frame / 60;
    injectKeyState(VK_SPACE, second % 10 >= 4);
    injectKeyState(VK_BACK, frame % 240 == 0);
    injectKeyState(VK_DELETE, frame % 300 == 150);
}

}

TEST(Dogfight, SixtySecondsOfCombatStayFiniteAndEveryLostShipExplodesOnce)
{
    clearInjectedKeys();
    test::TestWorld t;
    ObjectList& objects = t.objects();
    test::RecordingGame game;
    t.add(new GameObject_SpaceStation(&game.hooks));
    auto* player = t.add(new Ship_FighterMark2(0.0f, 6000.0f));
    player->shield = 1e6f;
    player->setMissiles(4);
    player->setEmpBombs(16);
    game.ship = player;
    test::TrackedRef playerRef(objects, player);
    PlayerHuman human("Halvard", &playerRef.ref, &game.hooks);

    std::vector<ComputerShip> computers;
    const Vector3 starts[3] = {{3000.0f, 0.0f, 6000.0f}, {-3000.0f, 0.0f, 6000.0f}, {0.0f, 0.0f, 9000.0f}};
    for (const Vector3& at : starts) {
        GameObject_Ship* ship = computers.size() == 1 ? static_cast<GameObject_Ship*>(new Ship_FighterMark1(at.x, at.z))
                                                        : new Ship_ExplorerMark2(at.x, at.z);
        t.add(ship)->setMissiles(2);
        ComputerShip computer;
        computer.ref = std::make_unique<test::TrackedRef>(objects, ship);
        computer.pilot = std::make_unique<PlayerAI>(&computer.ref->ref, &playerRef.ref);
        computers.push_back(std::move(computer));
    }

    const float dt = 1.0f / 60.0f;
    std::uint32_t missilesBefore = 0;
    std::uint32_t explosions = 0;
    std::uint32_t kills = 0;
    std::uint32_t missilesSeen = 0;
    for (int frame = 0; frame < 60 * 60; ++frame) {
        g_randomSeed = 643463;
        objects.updateAll(dt);
        t.world->particles.updateParticles(dt);
        objects.stepPhysics(dt);

        std::uint32_t shipsLost = 0;
        for (std::size_t i = 0; i < computers.size();) {
            if (computers[i].ref->ref.object == nullptr) {
                ++shipsLost;
                computers.erase(computers.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
                ++i;
            }
        }
        const std::uint32_t missilesAfter = t.countNamed("Missile");
        const std::uint32_t created = newExplosions(objects);
        ASSERT_EQ(created, shipsLost + (missilesBefore - missilesAfter)) << "frame " << frame;
        explosions += created;
        kills += shipsLost;

        for (ComputerShip& computer : computers) {
            computer.pilot->update(dt);
        }
        GameObject* nearest = nullptr;
        for (ComputerShip& computer : computers) {
            GameObject* ship = computer.ref->ref.object;
            if (nearest == nullptr
                || lengthSquared(ship->position - player->position)
                       < lengthSquared(nearest->position - player->position)) {
                nearest = ship;
            }
        }
        if (nearest != nullptr) {
            steerTowards(*player, dt * 2.0f, nearest->position);
        }
        player->targetSpeed = nearest != nullptr ? player->topSpeed : 0.0f;
        scriptKeys(frame);
        human.update(dt);

        missilesBefore = t.countNamed("Missile");
        missilesSeen = std::max(missilesSeen, missilesBefore);
        for (const auto objectsOfKind : {objects.staticObjects(), objects.movingObjects()}) {
            for (const GameObject* obj : objectsOfKind) {
                ASSERT_TRUE(finite(obj->position)) << obj->name << " at frame " << frame;
            }
        }
        for (const Particle& p : t.world->particles.particles()) {
            ASSERT_TRUE(finite(p.position));
        }
    }
    clearInjectedKeys();

    EXPECT_GE(kills, 1u) << "the fight must actually destroy something";
    EXPECT_GE(missilesSeen, 1u);
    EXPECT_GE(explosions, kills);
    EXPECT_EQ(playerRef.ref.object, player);
}
