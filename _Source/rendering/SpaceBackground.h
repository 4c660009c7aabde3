#pragma once
#include "rendering/GLTexture.h"

#include <array>
#include <cstdint>
#include <memory>

namespace dh {

struct Camera;

// Everything of a star system's flight view that is not a game object: a sky
// of star clouds rendered once into six cube faces, the planet and the sun as
// sprites in fixed directions, an endless field of point stars, and the sun's
// lens flare. Built with the system's world while the GL context is current;
// construction draws into the back buffer and advances the shared random
// generator by 1368 draws.
class SpaceBackground {
public:
    // planetTex is borrowed (one of `planet1` .. `planet8`); the sun uses `star`.
    SpaceBackground(const std::array<float, 3>& sunColour, GLTexture* planetTex);
    ~SpaceBackground();
    SpaceBackground(const SpaceBackground&) = delete;
    SpaceBackground& operator=(const SpaceBackground&) = delete;

    // First pass of a flight frame, in the 3D projection.
    void drawSky(const Camera& camera) const;
    // After the game objects: the stars, hidden by depth behind ships.
    void drawStarPoints(const Camera& camera) const;
    // After the star points, before the HUD.
    void drawLensFlare(const Camera& camera) const;

    enum Face { PlusZ, MinusZ, MinusX, PlusX, PlusY, MinusY };

    std::array<float, 3> sunColour;
    std::uint32_t starListId = 0;
    GLTexture* planetTex = nullptr;
    GLTexture* sunTex = nullptr;
    std::array<std::unique_ptr<GLTexture>, 6> skyFaces;

    // When set, told as each step of a build ends: "sprites", "clouds", then
    // "render", "read-back" and "mipmaps" for every face, and "stars". Only
    // for timing the build; the steps are the same whether it is set or not.
    static inline void (*stepEnded)(const char* step) = nullptr;

private:
    void renderSkyFaces();
    void compileStarPoints();
};

}
