#include "TexturesParts.h"

namespace gfxgen {
void paintHudTextures(const std::filesystem::path&) {}
}
