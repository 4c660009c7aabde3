#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace modelgen {

struct GifColour {
    std::uint8_t r = 0, g = 0, b = 0;
};

// One 8-bit paletted image, row 0 at the top. Throws when giflib fails.
void writeGif(const std::filesystem::path& file, int width, int height,
              const std::vector<std::uint8_t>& indices, const std::array<GifColour, 256>& palette);

}  // namespace modelgen
