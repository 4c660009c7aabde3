#include "TexturesParts.h"

namespace gfxgen {
void paintTitleScreen(const std::filesystem::path&) {}
}
