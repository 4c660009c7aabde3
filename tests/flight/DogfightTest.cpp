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

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using namespace dh;

// Ten seconds in which the player, made indestructible, hunts two computer ships
// with laser bursts, missiles and EMP bombs: both ships and two missiles are lost.
TEST(Dogfight, CombatStaysFiniteAndEveryLostShipOrMissileExplodesOnce)
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
    std::vector<std::unique_ptr<test::TrackedRef>> refs;
    std::vector<std::unique_ptr<PlayerAI>> pilots;
    for (GameObject_Ship* ship : {static_cast<GameObject_Ship*>(new Ship_ExplorerMark2(3000.0f, 6000.0f)),
                                  static_cast<GameObject_Ship*>(new Ship_FighterMark1(-3000.0f, 6000.0f))}) {
        t.add(ship)->setMissiles(2);
        refs.push_back(std::make_unique<test::TrackedRef>(objects, ship));
        pilots.push_back(std::make_unique<PlayerAI>(&refs.back()->ref, &playerRef.ref));
    }

    const float dt = 1.0f / 60.0f;
    std::uint32_t missilesBefore = 0, kills = 0, missilesSeen = 0;
    for (int frame = 0; frame < 60 * 10; ++frame) {
        g_randomSeed = 643463;
        objects.updateAll(dt);
        t.world->particles.updateParticles(dt);
        objects.stepPhysics(dt);

        const auto newExplosions = std::ranges::count_if(objects.staticObjects(), [](GameObject* obj) {
            const auto* explosion = dynamic_cast<const GameObject_Explosion*>(obj);
            return explosion != nullptr && explosion->remaining == explosion->duration;
        });
        std::uint32_t lost = 0;
        GameObject* nearest = nullptr;
        for (std::size_t i = 0; i < refs.size(); ++i) {
            GameObject* ship = refs[i]->ref.object;
            lost += ship == nullptr ? 1u : 0u;
            if (ship != nullptr)
                pilots[i]->update(dt);
            if (ship != nullptr && (nearest == nullptr || lengthSquared(ship->position - player->position)
                                                              < lengthSquared(nearest->position - player->position)))
                nearest = ship;
        }
        ASSERT_EQ(newExplosions, lost - kills + (missilesBefore - t.countNamed("Missile"))) << "frame " << frame;
        kills = lost;
        if (nearest != nullptr)
            steerTowards(*player, dt * 2.0f, nearest->position);
        player->targetSpeed = nearest != nullptr ? player->topSpeed : 0.0f;
        injectKeyState(VK_SPACE, frame / 60 % 10 >= 4);
        injectKeyState(VK_BACK, frame % 240 == 0);
        injectKeyState(VK_DELETE, frame % 300 == 150);
        human.update(dt);

        missilesBefore = t.countNamed("Missile");
        missilesSeen = std::max(missilesSeen, missilesBefore);
        // A NaN or an infinity in any coordinate makes the sum one too.
        const auto finite = [](Vector3 v) { return std::isfinite(v.x + v.y + v.z); };
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
