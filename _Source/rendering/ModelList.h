#pragma once
#include "rendering/MD2Mesh.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

namespace dh {

// The global model list in load (and release) order, each named by its file
// stem: "mdl/<stem>.md2" with the skin "mdl/gfx/<stem>.gif".
enum class Model : std::uint8_t { Commander, Cargo, Missile, Emp, Spacestation, Ship_Explorer, Ship_Fighter };

inline constexpr std::size_t kModelCount = 7;

extern const std::array<const char*, kModelCount> kModelStems;
// Null before loadModels and after releaseModels.
extern std::array<std::unique_ptr<Mesh>, kModelCount> g_models;

inline Mesh* model(Model m) { return g_models[static_cast<std::size_t>(m)].get(); }
// By file stem ("Ship_Fighter"); null for a stem not in the list.
Mesh* findModel(std::string_view stem);

// After loadTextures; releaseModels before the GL context goes.
void loadModels();
void releaseModels();

}
