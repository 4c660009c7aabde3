#pragma once
#include <cstdint>

namespace dh {

// The game's one pseudo-random generator. Its state is a single global word
// that callers write to seed it; galaxies are regenerated from it, so every
// draw must be bit-exact on every platform.
extern std::uint32_t g_randomSeed;

std::uint32_t random();
float random01();

// 2 pi / 2^24 as the nearest float: turns the low 24 bits of a draw into an angle.
inline constexpr float kRandomAngleScale = 3.7450707e-07f;

}
