#pragma once

#include "flight/FlightModels.h"
#include "rendering/MD2Mesh.h"

#include <string>
#include <utility>

namespace dh::test {

// The geometry of the game's own models, read from the build's asset folder,
// as the models the flight objects are built with.
struct RealModels {
    RealModels()
    {
        for (auto [mesh, stem] : {std::pair{&explorer, "Ship_Explorer"}, std::pair{&fighter, "Ship_Fighter"},
                                  std::pair{&missile, "Missile"}, std::pair{&station, "Spacestation"}})
            loaded = loadMD2Geometry(std::string(DH_BUILD_DIR) + "/mdl/" + stem + ".md2", *mesh) && loaded;
        g_flightModels = {&explorer, &fighter, &missile, &station};
    }
    ~RealModels() { g_flightModels = {}; }
    RealModels(const RealModels&) = delete;
    RealModels& operator=(const RealModels&) = delete;

    Mesh explorer, fighter, missile, station;
    bool loaded = true;
};

}
