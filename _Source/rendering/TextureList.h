#pragma once
#include "rendering/GLTexture.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

namespace dh {

// The global texture list, in load (and release) order; each texture is named
// by the stem of its file in "gfx/".
enum class Tex : std::uint8_t {
    gradientCircle,
    star,
    planet1, planet2, planet3, planet4, planet5, planet6, planet7, planet8,
    hyperspace1, hyperspace2,
    particle,
    lens1, lens2,
    explosion1, explosion2, explosion3, explosion4, explosion5, explosion6,
    explosion7, explosion8, explosion9, explosion10, explosion11, explosion12,
    explosion13, explosion14, explosion15, explosion16, explosion17, explosion18,
    beam,
    crosshair,
    target,
    menuTitlePanel,
    menuButtonPanel,
    money,
    repair,
    cargo,
    missile,
    emp,
    guageSpeeds,
    guageHeatHull,
    buttonHighlight,
    buttonMenu, buttonMenuH,
    buttonHome, buttonHomeH,
    buttonMissile, buttonMissileH,
    buttonEmp, buttonEmpH,
};

inline constexpr std::size_t kTextureCount = 54;

extern const std::array<const char*, kTextureCount> kTextureStems;
// Null before loadTextures and after releaseTextures.
extern std::array<std::unique_ptr<GLTexture>, kTextureCount> g_textures;

inline GLTexture* texture(Tex tex) { return g_textures[static_cast<std::size_t>(tex)].get(); }
// `explosion1` .. `explosion18` for an animation frame 0-17, clamped.
GLTexture* explosionTexture(unsigned frame);
// By file stem ("star", "planet3"); null for a stem not in the list.
GLTexture* findTexture(std::string_view stem);

// The star-cloud images `stars1` .. `stars4` (i from 0) the skies are
// rendered from: read by the first sky built and kept, as every world of the
// run renders its sky from the same four, until releaseTextures.
GLTexture* cloudTexture(std::size_t i);
inline constexpr std::size_t kCloudTextureCount = 4;

void loadTextures();
void releaseTextures();

}
