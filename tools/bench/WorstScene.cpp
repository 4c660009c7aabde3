#include "WorstScene.h"

#include "flight/GameObject_Explosion.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerAI.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "audio/SoundEffects.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "platform/PlatformEvents.h"

#include <cmath>
#include <utility>

namespace bench {

namespace {

constexpr float kToughShield = 1e9f;

dh::GameObject_Ship* makeShipOfClass(int shipClass, float x, float z)
{
    switch (shipClass) {
    case 0:
        return new dh::Ship_ExplorerMark1(x, z);
    case 1:
        return new dh::Ship_ExplorerMark2(x, z);
    case 2:
        return new dh::Ship_FighterMark1(x, z);
    default:
        return new dh::Ship_FighterMark2(x, z);
    }
}

}

WorstScene::WorstScene(Mode mode, dh::GameHooks hooks, int drawnWarmUpFrames)
{
    if (mode == Mode::Simulated) {
        sound_.emplace();
        models_.emplace();
    }
    dh::platformOverrideClock(&now_);
    game_ = std::make_unique<dh::Game>("Bench", std::move(hooks));
    game_->running = true;
    // The player may not die, or the scene would end; the flag is never drawn.
    game_->playerShip()->indestructible = true;
    game_->playerShip()->targetSpeed = game_->playerShip()->topSpeed * 0.5f;
    game_->resumeClock();
    addShips();
    for (int slot = 0; slot < kExplosions; ++slot) {
        addExplosion(slot);
        auto* explosion = static_cast<dh::GameObject_Explosion*>(explosions_[slot].object);
        explosion->remaining = explosion->duration * static_cast<float>(slot + 1) / kExplosions;
    }
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        if (mode == Mode::Simulated || frame < kWarmUpFrames - drawnWarmUpFrames) {
            simulate();
            hear();
        } else {
            paint();
            OfflineSound::mix();
        }
    }
}

WorstScene::~WorstScene()
{
    for (dh::ObjectRef& ref : explosions_) {
        game_->world->objects.untrackRef(&ref);
    }
    game_.reset();
    dh::platformOverrideClock(nullptr);
}

// Computer ships spread round the player at 1200 to 2400 units, above and
// below it, made too tough to die so that the fight goes on.
void WorstScene::addShips()
{
    dh::Game& game = *game_;
    const dh::Vector3 centre = game.playerShip()->position;
    for (int i = 0; i < kShips; ++i) {
        const float angle = static_cast<float>(i) * 0.3926991f;
        const float radius = 1200.0f + 75.0f * static_cast<float>(i);
        dh::GameObject_Ship* ship = makeShipOfClass(i % 4, 0.0f, 0.0f);
        ship->position = centre + dh::Vector3{radius * std::cos(angle), 150.0f * static_cast<float>(i % 5 - 2),
                                              radius * std::sin(angle)};
        ship->shield = kToughShield;
        auto ref = std::make_unique<dh::ObjectRef>();
        ref->object = ship;
        game.aiPilots[game.aiCount] = std::make_unique<dh::PlayerAI>(ref.get(), game.playerShipRef.get());
        game.aiShipRefs[game.aiCount] = std::move(ref);
        game.world->objects.addObject(ship);
        game.world->objects.trackRef(game.aiShipRefs[game.aiCount].get());
        game.aiCount += 1;
    }
}

void WorstScene::addExplosion(int slot)
{
    dh::ObjectList& objects = game_->world->objects;
    const dh::Vector3 at = game_->lastPlayerPosition
                         + dh::Vector3{600.0f * static_cast<float>(slot % 4) - 900.0f,
                                       300.0f * static_cast<float>(slot / 4) - 150.0f, -1500.0f};
    auto* explosion = new dh::GameObject_Explosion(at.x, at.y, at.z, 300.0f);
    objects.addObject(explosion);
    explosions_[slot] = {explosion, nullptr};
    objects.trackRef(&explosions_[slot]);
}

void WorstScene::replaceEndedExplosions()
{
    for (int slot = 0; slot < kExplosions; ++slot) {
        if (explosions_[slot].object == nullptr) {
            game_->world->objects.untrackRef(&explosions_[slot]);
            addExplosion(slot);
        }
    }
}

// The exhaust is emitted while ships are drawn, which a simulated scene never
// does, and even drawn the ships' exhaust and sparks hold only about half the
// list; so the list is topped up with long-lived particles. The emitters'
// draws still happen and their particles are dropped, as in a full list.
void WorstScene::holdParticlesFull()
{
    dh::ParticleList& particles = game_->world->particles;
    while (particles.count() < dh::ParticleList::kCapacity) {
        dh::Particle particle;
        const float k = static_cast<float>(particles.count());
        particle.position = game_->lastPlayerPosition + dh::Vector3{std::sin(k) * 800.0f, std::cos(k) * 400.0f, -k * 0.5f};
        particle.red = 0.5f;
        particle.green = 0.4f;
        particle.blue = 1.0f;
        particle.velocity = {std::cos(k) * 50.0f, 0.0f, std::sin(k) * 50.0f};
        particle.size = 10.0f;
        particle.life = 1e9f;
        particle.initialLife = 1e9f;
        particles.add(particle);
    }
}

void WorstScene::simulate()
{
    // 16, 17, 17 ms: a 60 Hz clock read in whole milliseconds.
    now_ += frame_ % 3 == 0 ? 16u : 17u;
    frame_ += 1;
    holdParticlesFull();
    game_->simulateFrame();
    replaceEndedExplosions();
}

}

namespace bench {

void WorstScene::hear()
{
    dh::SoundSet& sounds = game_->world->sounds;
    const dh::Camera& camera = game_->human->currentView();
    dh::setSoundListener(sounds, dh::getEyePosition(camera), dh::getViewRotation(camera));
    dh::updateSounds(sounds);
    OfflineSound::mix();
}

void WorstScene::useClock()
{
    dh::platformOverrideClock(&now_);
}

void WorstScene::paint()
{
    now_ += frame_ % 3 == 0 ? 16u : 17u;
    frame_ += 1;
    holdParticlesFull();
    game_->onPaint();
    replaceEndedExplosions();
}

}
