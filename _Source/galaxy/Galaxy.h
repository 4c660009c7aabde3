#pragma once
#include "galaxy/StarSystem.h"

#include <array>
#include <cstdint>
#include <string>

namespace dh {

inline constexpr std::uint32_t kGalaxySeed = 34433;
inline constexpr std::size_t kRecentSystems = 128;

// The galaxy is not stored: every system is regenerated from its cell. Only the
// systems left most recently keep their changed state; recent[0] is the newest.
class Galaxy {
public:
    std::uint32_t seed = kGalaxySeed;
    std::array<StarSystem, kRecentSystems> recent{};
};

// The system of cell (x, y), or a record without a star. Reseeds and advances
// the shared random generator.
void getSystem(const Galaxy& galaxy, std::uint32_t x, std::uint32_t y, StarSystem& out);

void generateSystem(std::uint32_t seed, std::uint32_t x, std::uint32_t y, StarSystem& out);
void generateMarketStock(std::uint32_t seed, GoodsCounts& stock);

// Draws a name of two or three syllables from the shared generator.
std::string generateStarName();

// Puts a copy of the system at the front of the recent list.
void rememberSystem(Galaxy& galaxy, const StarSystem& system);

// The system every new game of this galaxy starts in.
void pickStartSystem(const Galaxy& galaxy, StarSystem& out);

}
