#pragma once
// The frame every flight pays: the start system's world as a new game builds
// it, holding only the player's ship, at rest, seen from the cockpit with the
// sun ahead, so that the sky, planet, sun, star points, lens flare and HUD
// are all drawn.
#include "flight/Game.h"

#include <cstdint>
#include <memory>

namespace bench {

class FloorScene {
public:
    explicit FloorScene(dh::GameHooks hooks);
    ~FloorScene();
    FloorScene(const FloorScene&) = delete;
    FloorScene& operator=(const FloorScene&) = delete;

    // The whole frame, as the window's paint runs it, then the swap.
    void paint();
    void useClock();

    dh::Game& game() { return *game_; }

private:
    std::uint32_t now_ = 1000;
    std::uint32_t frame_ = 0;
    std::unique_ptr<dh::Game> game_;
};

}
