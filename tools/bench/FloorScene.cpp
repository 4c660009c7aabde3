#include "FloorScene.h"

#include "flight/GameObject_Ship.h"
#include "flight/Orientation.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "platform/PlatformEvents.h"

#include <utility>

namespace bench {

namespace {

// The sun's direction in the world, as the sky places it.
constexpr dh::Vector3 kSunDirection{16.0f, 0.0f, 32.0f};

}

FloorScene::FloorScene(dh::GameHooks hooks)
{
    useClock();
    game_ = std::make_unique<dh::Game>("Floor", std::move(hooks));
    game_->running = true;
    if (dh::GameObject* station = game_->station()) {
        game_->world->objects.deleteObject(station);
    }
    dh::GameObject_Ship* ship = game_->playerShip();
    ship->indestructible = true;
    ship->velocity = {};
    ship->targetSpeed = 0.0f;
    dh::facePoint(*ship, ship->position + kSunDirection);
    game_->human->viewIndex = 0;
    game_->resumeClock();
}

FloorScene::~FloorScene()
{
    game_.reset();
    dh::platformOverrideClock(nullptr);
}

void FloorScene::useClock()
{
    dh::platformOverrideClock(&now_);
}

void FloorScene::paint()
{
    now_ += frame_ % 3 == 0 ? 16u : 17u;
    frame_ += 1;
    game_->onPaint();
}

}
