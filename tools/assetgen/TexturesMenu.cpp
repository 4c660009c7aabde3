#include "TexturesParts.h"

namespace gfxgen {
void paintMenuTextures(const std::filesystem::path&) {}
}
