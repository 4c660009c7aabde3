#include "AssetGenerators.h"
#include "TexturesParts.h"

namespace gfxgen {

void saveTexture(const std::filesystem::path& gfxDir, const std::string& stem, Image image, TgaDepth depth)
{
    if (depth == TgaDepth::Rgba32)
        image.bleedIntoTransparent();
    writeFile(gfxDir / (stem + ".tga"), encodeTga(image, depth));
}

} // namespace gfxgen

void generateTextures(const std::filesystem::path& gfxDir)
{
    using namespace gfxgen;
    paintSpaceTextures(gfxDir);
    paintSkyTextures(gfxDir);
    paintPlanetTextures(gfxDir);
    paintExplosionTextures(gfxDir);
    paintHudTextures(gfxDir);
    paintAssistTextures(gfxDir);
    paintMenuTextures(gfxDir);
    paintTitleScreen(gfxDir);
}
