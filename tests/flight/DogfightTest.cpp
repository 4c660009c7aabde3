#include "FlightTestWorld.h"

#include "flight/GameObject_Explosion.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/Orientation.h"
#include "flight/PlayerAI.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "platform/KeyState.h"

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

}

TEST(Dogfight, SixtySecondsOfCombatStayFiniteAndEveryLostShipExplodesOnce)
{
    clearInjectedKeys();
    test::TestWorld t;
    ObjectList& objects = t.objects();
    test::RecordingGame game;
    t.add(new GameObject_SpaceStation(&game.hooks));
    auto* player = game.ship = t.add(new Ship_FighterMark2(0.0f, 6000.0f));
    player->shield = 1e6f;
    player->setMissiles(4);
    player->setEmpBombs(16);
    test::TrackedRef playerRef(objects, player);
    PlayerHuman human("Halvard", &playerRef.ref, &game.hooks);

    std::vector<ComputerShip> computers;
    for (const Vector3 at : {Vector3{3000.0f, 0.0f, 6000.0f}, Vector3{-3000.0f, 0.0f, 6000.0f}, Vector3{0, 0, 9000}}) {
        GameObject_Ship* ship = at.x < 0.0f ? static_cast<GameObject_Ship*>(new Ship_FighterMark1(at.x, at.z))
                                            : new Ship_ExplorerMark2(at.x, at.z);
        t.add(ship)->setMissiles(2);
        auto ref = std::make_unique<test::TrackedRef>(objects, ship);
        auto pilot = std::make_unique<PlayerAI>(&ref->ref, &playerRef.ref);
        computers.push_back({std::move(ref), std::move(pilot)});
    }

    const float dt = 1.0f / 60.0f;
    std::uint32_t missilesBefore = 0, kills = 0, missilesSeen = 0;
    for (int frame = 0; frame < 60 * 60; ++frame) {
        g_randomSeed = 643463;
        objects.updateAll(dt);
        t.world->particles.updateParticles(dt);
        objects.stepPhysics(dt);

        const auto lost = std::erase_if(computers, [](const ComputerShip& c) { return c.ref->ref.object == nullptr; });
        const std::uint32_t missilesAfter = t.countNamed("Missile");
        ASSERT_EQ(newExplosions(objects), lost + (missilesBefore - missilesAfter)) << "frame " << frame;
        kills += static_cast<std::uint32_t>(lost);

        // The player chases the nearest computer ship with laser bursts, missiles and EMP bombs.
        GameObject* nearest = nullptr;
        for (ComputerShip& computer : computers) {
            computer.pilot->update(dt);
            GameObject* ship = computer.ref->ref.object;
            if (nearest == nullptr || lengthSquared(ship->position - player->position)
                                          < lengthSquared(nearest->position - player->position))
                nearest = ship;
        }
        if (nearest != nullptr)
            steerTowards(*player, dt * 2.0f, nearest->position);
        player->targetSpeed = nearest != nullptr ? player->topSpeed : 0.0f;
        injectKeyState(VK_SPACE, frame / 60 % 10 >= 4);
        injectKeyState(VK_BACK, frame % 240 == 0);
        injectKeyState(VK_DELETE, frame % 300 == 150);
        human.update(dt);

        missilesBefore = t.countNamed("Missile");
        missilesSeen = std::max(missilesSeen, missilesBefore);
        for (const auto objectsOfKind : {objects.staticObjects(), objects.movingObjects()})
            for (const GameObject* obj : objectsOfKind)
                ASSERT_TRUE(finite(obj->position)) << obj->name << " at frame " << frame;
        for (const Particle& p : t.world->particles.particles())
            ASSERT_TRUE(finite(p.position)) << "frame " << frame;
    }
    clearInjectedKeys();
    EXPECT_GE(kills, 1u) << "the fight must actually destroy something";
    EXPECT_GE(missilesSeen, 1u);
    EXPECT_EQ(playerRef.ref.object, player);
}
