#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

namespace dh {

// One image file as its decoder delivered it, before any conversion: rows in
// file order, each `pitch` bytes long, pixels `bitsPerPixel` wide. Channel
// values of 16, 24 and 32-bit pixels are ((pixel & mask) >> shift) << loss.
struct DecodedImage {
    struct Channel {
        std::uint32_t mask = 0;
        std::uint8_t shift = 0;
        std::uint8_t loss = 0;
    };
    struct PaletteEntry {
        std::uint8_t r = 0, g = 0, b = 0;
    };

    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t bytesPerPixel = 0;
    std::uint32_t pitch = 0;
    Channel red, green, blue, alpha;
    std::vector<PaletteEntry> palette;
    bool hasColourKey = false;
    std::uint32_t colourKey = 0;
    std::vector<std::uint8_t> pixels;
};

enum class ImageDecoding { Decoded, Failed, Refused };

// Decodes a TGA or GIF file, the type taken from its name. Failed: the file is
// missing or the decoder gave up. Refused: the file is of another type, too
// large, or its headers declare more than it holds or sides beyond
// kMaxImageSide, so it never reached the decoder.
ImageDecoding decodeImage(const std::filesystem::path& file, DecodedImage& image);

// Writes width x height RGBA bytes, top row first, as a PNG file.
bool savePng(const std::filesystem::path& file, int width, int height, const std::vector<std::uint8_t>& rgba);

}
