#pragma once
#include "Image.h"
#include "TgaWriter.h"

#include <filesystem>
#include <string>

namespace gfxgen {

// Writes gfxDir/stem.tga; 32-bit pictures get their transparent pixels
// coloured from their neighbours first.
void saveTexture(const std::filesystem::path& gfxDir, const std::string& stem, Image image, TgaDepth depth);

// Centre-relative polar helpers for square pictures: u, v in [-1, 1].
inline float centred(float p, int size) { return p / size * 2.0f - 1.0f; }

// The green world of planet7 at any size (for the title picture).
Image jungleWorld(int size);

void paintSpaceTextures(const std::filesystem::path& gfxDir);
void paintSkyTextures(const std::filesystem::path& gfxDir);
void paintPlanetTextures(const std::filesystem::path& gfxDir);
void paintExplosionTextures(const std::filesystem::path& gfxDir);
void paintHudTextures(const std::filesystem::path& gfxDir);
// The flight assists' pictures, loaded by the game only while they are on.
void paintAssistTextures(const std::filesystem::path& gfxDir);
void paintMenuTextures(const std::filesystem::path& gfxDir);
void paintTitleScreen(const std::filesystem::path& gfxDir);

} // namespace gfxgen
