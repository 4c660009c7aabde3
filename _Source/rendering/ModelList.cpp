#include "rendering/ModelList.h"

#include <new>
#include <string>

namespace dh {

const std::array<const char*, kModelCount> kModelStems{
    "Commander", "Cargo", "Missile", "Emp", "Spacestation", "Ship_Explorer", "Ship_Fighter",
};

static_assert(static_cast<std::size_t>(Model::Ship_Fighter) + 1 == kModelCount);

std::array<std::unique_ptr<Mesh>, kModelCount> g_models{};

Mesh* findModel(std::string_view stem)
{
    for (std::size_t i = 0; i < kModelCount; ++i) {
        if (stem == kModelStems[i]) {
            return g_models[i].get();
        }
    }
    return nullptr;
}

void loadModels()
{
    for (std::size_t i = 0; i < kModelCount; ++i) {
        const std::string stem = kModelStems[i];
        g_models[i].reset(new (std::nothrow) MD2Mesh("mdl/" + stem + ".md2", "mdl/gfx/" + stem + ".gif"));
    }
}

void releaseModels()
{
    for (std::unique_ptr<Mesh>& mesh : g_models) {
        mesh.reset();
    }
}

}
