#pragma once
#include "Image.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace gfxgen {

enum class TgaDepth { Rgb24, Rgba32 };

// Uncompressed true-colour TGA, rows stored top first (origin flag set), so
// that readers which ignore the flag still see the picture upright.
std::vector<uint8_t> encodeTga(const Image& image, TgaDepth depth);

// Uncompressed colour-mapped TGA with 8-bit indices and a 32-bit colour map.
// The one palette entry whose alpha is below one half is the colour key: it
// is stored with alpha 0, every other entry opaque.
std::vector<uint8_t> encodeTgaPaletted(int width, int height, const std::vector<uint8_t>& indices,
                                       const std::vector<Colour>& palette);

// Throws std::runtime_error when the file cannot be written.
void writeFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);

} // namespace gfxgen
