#pragma once
// The busiest flight the benchmarks measure: a new game's start system with
// the station, sixteen computer ships (four of each class) fighting the player
// within 3000 units of it, eight explosions at staggered points of their
// animation, each replaced when it ends, and a full particle list.
#include "BenchModels.h"
#include "OfflineSound.h"

#include "flight/Game.h"
#include "flight/ObjectRef.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace bench {

class WorstScene {
public:
    static constexpr int kShips = 16;
    static constexpr int kExplosions = 8;
    static constexpr int kWarmUpFrames = 240;

    // Simulated: no window, the models' geometry alone and no drawing.
    // Drawn: the game's own frames in the window, with the loaded models, the
    // sky the hooks build and the sound device the program has opened.
    enum class Mode { Simulated, Drawn };

    // A drawn scene draws the last drawnWarmUpFrames of its warm-up and only
    // simulates the earlier ones, which makes counting instructions affordable.
    explicit WorstScene(Mode mode = Mode::Simulated, dh::GameHooks hooks = {},
                        int drawnWarmUpFrames = kWarmUpFrames);
    ~WorstScene();
    WorstScene(const WorstScene&) = delete;
    WorstScene& operator=(const WorstScene&) = delete;

    // One frame's simulation (time, updates, particles, physics, pilots),
    // its clock advanced by 1/60 s on average.
    void simulate();
    // The frame's sounds heard from the player's view, and 1/60 s of their mix.
    void hear();
    // A drawn scene's whole frame, as the window's paint runs it: simulation,
    // drawing, sounds and HUD, then the swap.
    void paint();
    // The clock this scene's frames read; another scene may have used it meanwhile.
    void useClock();

    dh::Game& game() { return *game_; }

private:
    void addShips();
    void addExplosion(int slot);
    void replaceEndedExplosions();
    void holdParticlesFull();

    std::optional<OfflineSound> sound_;
    std::optional<BenchModels> models_;
    std::uint32_t now_ = 1000;
    std::uint32_t frame_ = 0;
    std::unique_ptr<dh::Game> game_;
    std::array<dh::ObjectRef, kExplosions> explosions_{};
};

}
