#pragma once
// RIFF/WAVE writer for mono PCM at the game's sample rate.
#include "Synth.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace dh::audiogen {

// bits is 8 (unsigned samples around 128) or 16 (signed little-endian);
// samples are clamped to [-1, 1] and rounded to the nearest step.
std::vector<std::uint8_t> encodeWav(const Buffer& samples, int bits);
void writeWav(const std::filesystem::path& path, const Buffer& samples, int bits);

} // namespace dh::audiogen
