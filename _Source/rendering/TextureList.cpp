#include "rendering/TextureList.h"

#include <new>
#include <string>

namespace dh {

const std::array<const char*, kTextureCount> kTextureStems{
    "gradientCircle", "star", "planet1", "planet2", "planet3", "planet4", "planet5", "planet6", "planet7",
    "planet8", "hyperspace1", "hyperspace2", "particle", "lens1", "lens2", "explosion1", "explosion2",
    "explosion3", "explosion4", "explosion5", "explosion6", "explosion7", "explosion8", "explosion9",
    "explosion10", "explosion11", "explosion12", "explosion13", "explosion14", "explosion15", "explosion16",
    "explosion17", "explosion18", "beam", "crosshair", "target", "menuTitlePanel", "menuButtonPanel", "money",
    "repair", "cargo", "missile", "emp", "guageSpeeds", "guageHeatHull", "buttonHighlight", "buttonMenu",
    "buttonMenuH", "buttonHome", "buttonHomeH", "buttonMissile", "buttonMissileH", "buttonEmp", "buttonEmpH",
};

static_assert(static_cast<std::size_t>(Tex::buttonEmpH) + 1 == kTextureCount);

std::array<std::unique_ptr<GLTexture>, kTextureCount> g_textures{};

namespace {

std::array<std::unique_ptr<GLTexture>, kCloudTextureCount> s_clouds{};

}

GLTexture* cloudTexture(std::size_t i)
{
    if (!s_clouds[i]) {
        s_clouds[i] = std::make_unique<GLTexture>("gfx/stars" + std::to_string(i + 1) + ".tga");
    }
    return s_clouds[i].get();
}

GLTexture* explosionTexture(unsigned frame)
{
    const unsigned offset = frame < 18 ? frame : 17;
    return g_textures[static_cast<std::size_t>(Tex::explosion1) + offset].get();
}

GLTexture* findTexture(std::string_view stem)
{
    for (std::size_t i = 0; i < kTextureCount; ++i) {
        if (stem == kTextureStems[i]) {
            return g_textures[i].get();
        }
    }
    return nullptr;
}

void loadTextures()
{
    for (std::size_t i = 0; i < kTextureCount; ++i) {
        g_textures[i].reset(new (std::nothrow) GLTexture(std::string("gfx/") + kTextureStems[i] + ".tga"));
    }
}

void releaseTextures()
{
    for (std::unique_ptr<GLTexture>& tex : g_textures) {
        tex.reset();
    }
    for (std::unique_ptr<GLTexture>& tex : s_clouds) {
        tex.reset();
    }
}

}
