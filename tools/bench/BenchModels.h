#pragma once
// The geometry of the game's flight models, read from the mdl folder beside
// the program without a window: collisions and ray casts need no skin.
#include "rendering/Mesh.h"

#include <memory>

namespace bench {

struct BenchModels {
    BenchModels();
    ~BenchModels();
    BenchModels(const BenchModels&) = delete;
    BenchModels& operator=(const BenchModels&) = delete;

    std::unique_ptr<dh::Mesh> explorer;
    std::unique_ptr<dh::Mesh> fighter;
    std::unique_ptr<dh::Mesh> missile;
    std::unique_ptr<dh::Mesh> station;
};

}
