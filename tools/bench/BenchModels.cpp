#include "BenchModels.h"

#include "flight/FlightModels.h"
#include "platform/PlatformFiles.h"
#include "rendering/MD2Mesh.h"

#include <string>

namespace bench {

namespace {

std::unique_ptr<dh::Mesh> loadGeometry(const std::string& stem)
{
    auto mesh = std::make_unique<dh::Mesh>();
    dh::loadMD2Geometry(dh::assetPath("mdl\\" + stem + ".md2"), *mesh);
    return mesh;
}

}

// The flight objects are built with the shared flight models, so they point
// at these while the benchmark runs.
BenchModels::BenchModels()
    : explorer(loadGeometry("Ship_Explorer")), fighter(loadGeometry("Ship_Fighter")),
      missile(loadGeometry("Missile")), station(loadGeometry("Spacestation"))
{
    dh::g_flightModels = {explorer.get(), fighter.get(), missile.get(), station.get()};
}

BenchModels::~BenchModels()
{
    dh::g_flightModels = {};
}

}
