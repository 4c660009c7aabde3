#include "FlightTestWorld.h"

#include "audio/AudioTestFiles.h"
#include "audio/SoundEffects.h"
#include "flight/GameObject_Emp.h"
#include "flight/GameObject_Explosion.h"
#include "flight/GameObject_Missile.h"
#include "flight/Ship_ExplorerMark1.h"

#include <algorithm>
#include <memory>
#include <vector>

using namespace dh;

namespace {

// The world's objects heard through an offline sound device, each effect a short tone.
class WorldSound : public ::testing::Test {
protected:
    static constexpr SoundSample** kEffects[] = {&sample::shipEngine, &sample::laser,      &sample::laserHit,
                                                 &sample::rocketFire, &sample::rocketEngine, &sample::explosion,
                                                 &sample::collision1, &sample::collision2, &sample::empFire,
                                                 &sample::empAmbient};
    WorldSound()
    {
        initOfflineSoundDevice(22050);
        const std::vector<std::uint8_t> bytes = audiotest::pcm16(std::vector<std::int16_t>(2205, 8000));
        for (SoundSample** effect : kEffects) {
            *effect = tones.emplace_back(std::make_unique<SoundSample>()).get();
            (*effect)->buffer = SoundBuffer::create(g_soundDevice, {1, 22050, 16}, bytes.data(), bytes.size());
        }
        t = std::make_unique<test::TestWorld>();
    }
    ~WorldSound() override
    {
        t.reset();
        for (SoundSample** effect : kEffects)
            *effect = nullptr;
        tones.clear();
        shutdownSoundDevice();
    }

    SoundSet& sounds() { return t->world->sounds; }
    const SoundSet::Entry* entry(std::uint32_t handle)
    {
        const auto end = sounds().entries.begin() + sounds().count;
        const auto found = std::find_if(sounds().entries.begin(), end, [&](const auto& e) { return e.handle == handle; });
        return found != end ? &*found : nullptr;
    }

    std::vector<std::unique_ptr<SoundSample>> tones;
    std::unique_ptr<test::TestWorld> t;
};

}

// The engine hums while the ship is in a world and follows it; the laser beam
// keeps one sound while firing and each hit rings once.
TEST_F(WorldSound, AShipsEngineFollowsItAndItsLaserSoundsWhileFiring)
{
    auto* ship = t->add(new Ship_ExplorerMark1(100.0f, 200.0f));
    ASSERT_NE(entry(ship->engineSound), nullptr);
    EXPECT_TRUE(entry(ship->engineSound)->looping);
    EXPECT_EQ(entry(ship->engineSound)->range, 96000.0f);
    ship->position = {0.0f, 50.0f, 0.0f};
    ship->update(0.1f);
    EXPECT_EQ(entry(ship->engineSound)->y, 50.0f);
    t->objects().detachObject(ship);
    EXPECT_EQ(sounds().count, 0u);
    t->objects().addObject(ship);
    EXPECT_EQ(sounds().count, 1u) << "back in a world, the engine starts again";

    ship->position = {};
    t->add(new Ship_ExplorerMark1(0.0f, 800.0f));
    ship->fireLaser(1.0f / 64.0f);
    ship->fireLaser(1.0f / 64.0f);
    EXPECT_EQ(sounds().count, 2u + 2u) << "two engines, the beam and one hit";
    ship->stopLaser(1.0f / 64.0f);
    EXPECT_EQ(entry(ship->laser.sound), nullptr);
    EXPECT_EQ(sounds().count, 3u);
}

// A hard collision sounds once, heard over a shorter range than the engines.
TEST_F(WorldSound, AMissileRoarsUntilItExplodesAndAHardCollisionSounds)
{
    auto* owner = t->add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* missile = t->add(new GameObject_Missile(0.0f, 0.0f, 500.0f, owner, nullptr));
    const std::uint32_t before = sounds().count;
    missile->update(0.1f);
    EXPECT_EQ(sounds().count, before + 2);
    const std::uint32_t roar = missile->engineSound;
    t->objects().deleteObject(missile);
    EXPECT_EQ(entry(roar), nullptr);
    auto* explosion = static_cast<GameObject_Explosion*>(t->objects().staticObjects()[0]);
    explosion->update(0.1f);
    explosion->update(0.1f);
    EXPECT_EQ(sounds().count, before + 2) << "the fire and one explosion remain";

    auto* a = t->add(new Ship_ExplorerMark1(5000.0f, 0.0f));
    auto* b = t->add(new Ship_ExplorerMark1(5000.0f, 90.0f));
    a->velocity = {0.0f, 0.0f, 400.0f};
    b->velocity = {0.0f, 0.0f, -400.0f};
    a->targetSpeed = b->targetSpeed = 400.0f;
    b->orientation.m = {-1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, -1.0f};
    const std::uint32_t engines = sounds().count;
    t->objects().stepPhysics(1.0f / 64.0f);
    ASSERT_GT(sounds().count, engines);
    EXPECT_FALSE(sounds().entries[engines].looping);
    EXPECT_EQ(sounds().entries[engines].range, 32000.0f);
}

// After the frame clock is reset the step stays 0 for eight frames: a missile,
// an EMP bomb and an explosion still start their sounds once, on their first frame.
TEST_F(WorldSound, StartSoundsPlayOnceEvenWhenTheFirstFramesTakeNoTime)
{
    auto* owner = t->add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* missile = t->add(new GameObject_Missile(0.0f, 0.0f, 500.0f, owner, nullptr));
    auto* emp = t->add(new GameObject_Emp(owner));
    auto* explosion = t->add(new GameObject_Explosion(0.0f, 0.0f, -500.0f, 100.0f));
    const std::uint32_t before = sounds().count;
    for (int frame = 0; frame < 8; ++frame) {
        missile->update(0.0f);
        emp->update(0.0f);
        explosion->update(0.0f);
    }
    EXPECT_EQ(sounds().count, before + 5) << "fire and roar, fire and hum, one bang";
    const std::uint32_t roar = missile->engineSound;
    const std::uint32_t hum = emp->ambientSound;
    missile->update(0.1f);
    emp->update(0.1f);
    explosion->update(0.1f);
    EXPECT_EQ(sounds().count, before + 5);
    EXPECT_EQ(missile->engineSound, roar);
    EXPECT_EQ(emp->ambientSound, hum);
    t->objects().deleteObject(missile);
    t->objects().deleteObject(emp);
    EXPECT_EQ(entry(roar), nullptr) << "the only roar stops with its missile";
    EXPECT_EQ(entry(hum), nullptr) << "the only hum stops with its bomb";
}
