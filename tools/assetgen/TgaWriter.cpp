#include "TgaWriter.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

namespace gfxgen {
namespace {

uint8_t toByte(float v) { return static_cast<uint8_t>(std::lround(clamp01(v) * 255.0f)); }

void put16(std::vector<uint8_t>& out, int v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

std::vector<uint8_t> header(bool mapped, int mapLength, int width, int height, int bits, int alphaBits)
{
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF)
        throw std::runtime_error("TGA size out of range");
    std::vector<uint8_t> out;
    out.push_back(0);                    // no image id
    out.push_back(mapped ? 1 : 0);       // colour map present
    out.push_back(mapped ? 1 : 2);       // uncompressed colour-mapped or true-colour
    put16(out, 0);                       // first map entry
    put16(out, mapLength);
    out.push_back(mapped ? 32 : 0);      // bits per map entry
    put16(out, 0);                       // x origin
    put16(out, 0);                       // y origin
    put16(out, width);
    put16(out, height);
    out.push_back(static_cast<uint8_t>(bits));
    out.push_back(static_cast<uint8_t>(0x20 | alphaBits)); // rows stored top first
    return out;
}

} // namespace

std::vector<uint8_t> encodeTga(const Image& image, TgaDepth depth)
{
    const bool alpha = depth == TgaDepth::Rgba32;
    std::vector<uint8_t> out = header(false, 0, image.width(), image.height(), alpha ? 32 : 24, alpha ? 8 : 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Colour& c = image.at(x, y);
            out.push_back(toByte(c.b));
            out.push_back(toByte(c.g));
            out.push_back(toByte(c.r));
            if (alpha)
                out.push_back(toByte(c.a));
        }
    return out;
}

std::vector<uint8_t> encodeTgaPaletted(int width, int height, const std::vector<uint8_t>& indices,
                                       const std::vector<Colour>& palette)
{
    if (palette.empty() || palette.size() > 256 || indices.size() != static_cast<size_t>(width) * height)
        throw std::runtime_error("bad paletted TGA");
    std::vector<uint8_t> out = header(true, static_cast<int>(palette.size()), width, height, 8, 0);
    for (const Colour& c : palette) {
        out.push_back(toByte(c.b));
        out.push_back(toByte(c.g));
        out.push_back(toByte(c.r));
        out.push_back(c.a < 0.5f ? 0 : 255);
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t index = indices[static_cast<size_t>(y) * width + x];
            if (index >= palette.size())
                throw std::runtime_error("palette index out of range");
            out.push_back(index);
        }
    return out;
}

void writeFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace gfxgen
