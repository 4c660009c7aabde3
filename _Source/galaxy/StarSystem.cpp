#include "galaxy/StarSystem.h"

#include <cmath>

namespace dh {

namespace {

constexpr float kStarColours[8][3] = {
    {1.0f, 1.0f, 1.0f},  {1.0f, 0.95f, 0.6f}, {1.0f, 0.75f, 0.3f}, {1.0f, 0.5f, 0.2f},
    {0.9f, 0.9f, 1.0f},  {0.6f, 1.0f, 1.0f},  {0.4f, 0.8f, 1.0f},  {0.8f, 1.0f, 0.9f},
};

constexpr float kAmbientColours[8][3] = {
    {0.15f, 0.15f, 0.2f}, {0.2f, 0.15f, 0.0f}, {0.2f, 0.2f, 0.2f}, {0.15f, 0.15f, 0.0f},
    {0.2f, 0.15f, 0.0f},  {0.1f, 0.1f, 0.2f},  {0.1f, 0.1f, 0.2f}, {0.15f, 0.15f, 0.1f},
};

constexpr std::string_view kPlanetTextures[8] = {
    "planet1", "planet2", "planet3", "planet4", "planet5", "planet6", "planet7", "planet8",
};

constexpr std::string_view kDangerNames[5] = {
    "Peaceful", "Mostly quiet", "Some danger", "Dangerous", "Lawless",
};

void copyColour(const float (&from)[3], float* rgb)
{
    if (rgb == nullptr) {
        return;
    }
    rgb[0] = from[0];
    rgb[1] = from[1];
    rgb[2] = from[2];
}

// The offset along one axis in 1/64 ly. Cell coordinates wrap like the galaxy
// map's scrolling, so the difference is taken modulo 2^32 and read as signed.
std::int32_t axisDelta(std::uint32_t from, std::uint32_t fromOffset, std::uint32_t to,
                       std::uint32_t toOffset)
{
    return static_cast<std::int32_t>((from - to) * 64u - toOffset + fromOffset);
}

}

void StarSystem::clear()
{
    name.clear();
    sceneSeed = 0;
    starType = 0;
    planetType = 0;
    offsetX = 0;
    offsetY = 0;
    stock.fill(0);
}

std::string_view dangerName(std::uint32_t danger)
{
    if (danger < 1 || danger > 5) {
        return "Unknown danger";
    }
    return kDangerNames[danger - 1];
}

void starColour(const StarSystem& system, float* rgb)
{
    copyColour(kStarColours[system.starType & 7], rgb);
}

void ambientColour(const StarSystem& system, float* rgb)
{
    copyColour(kAmbientColours[system.planetType & 7], rgb);
}

std::string_view planetTexture(const StarSystem& system)
{
    return kPlanetTextures[system.planetType & 7];
}

double hyperspaceDistance(const StarSystem& from, const StarSystem& to)
{
    // Squared in double: far systems would overflow 32-bit squares.
    const double dx = axisDelta(from.x, from.offsetX, to.x, to.offsetX);
    const double dy = axisDelta(from.y, from.offsetY, to.y, to.offsetY);
    return std::sqrt(dx * dx + dy * dy) * 0.015625;
}

}
