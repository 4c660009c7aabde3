#pragma once
// Small TGA writers and helpers for the rendering GL tests. Test files go into
// a folder beside the test program, so they load through the asset paths.
#include "platform/PlatformImage.h"

#include <GL/gl.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace rendertest {

inline const char* kTestFolder = "rendering-test-files";

inline std::string assetName(const std::string& file) { return std::string(kTestFolder) + "\\" + file; }

inline std::filesystem::path testFilePath(const std::string& file)
{
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / kTestFolder;
    std::filesystem::create_directories(folder);
    return folder / file;
}

inline void put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline std::vector<std::uint8_t> tgaHeader(bool paletted, unsigned paletteSize, unsigned w, unsigned h)
{
    std::vector<std::uint8_t> out{0, static_cast<std::uint8_t>(paletted ? 1 : 0),
                                  static_cast<std::uint8_t>(paletted ? 1 : 2)};
    put16(out, 0);
    put16(out, paletted ? paletteSize : 0);
    out.push_back(paletted ? 32 : 0);
    put16(out, 0);
    put16(out, 0);
    put16(out, w);
    put16(out, h);
    out.push_back(paletted ? 8 : 32);
    out.push_back(paletted ? 0x20 : 0x28); // rows top first; 8 alpha bits for true colour
    return out;
}

inline void writeFile(const std::string& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(testFilePath(file), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// rgba: w x h texels, top row first.
inline void writeTga32(const std::string& file, unsigned w, unsigned h, const std::vector<std::uint8_t>& rgba)
{
    std::vector<std::uint8_t> out = tgaHeader(false, 0, w, h);
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        out.insert(out.end(), {rgba[i + 2], rgba[i + 1], rgba[i], rgba[i + 3]});
    }
    writeFile(file, out);
}

// paletteRgba: 4 bytes an entry; the decoder takes an entry with alpha 0 as the colour key.
inline void writeTgaPaletted(const std::string& file, unsigned w, unsigned h, const std::vector<std::uint8_t>& indices,
                             const std::vector<std::uint8_t>& paletteRgba)
{
    std::vector<std::uint8_t> out = tgaHeader(true, static_cast<unsigned>(paletteRgba.size() / 4), w, h);
    for (std::size_t i = 0; i + 3 < paletteRgba.size(); i += 4) {
        out.insert(out.end(), {paletteRgba[i + 2], paletteRgba[i + 1], paletteRgba[i], paletteRgba[i + 3]});
    }
    out.insert(out.end(), indices.begin(), indices.end());
    writeFile(file, out);
}

// Level 0 of a texture as RGBA bytes, rows in texture order.
inline std::vector<std::uint8_t> textureTexels(unsigned id, unsigned w, unsigned h)
{
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(w) * h * 4);
    glBindTexture(GL_TEXTURE_2D, id);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

struct Rgba {
    int r = 0, g = 0, b = 0, a = 0;
};

// The back buffer's pixel at (x, y) counted from the top-left corner.
inline Rgba pixelAt(int x, int yFromTop, int clientHeight)
{
    std::uint8_t p[4] = {};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, clientHeight - 1 - yFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2], p[3]};
}

}

namespace rendertest {

// Writes the back buffer as a PNG beside the test program, for looking at what
// a test drew.
inline void saveScreenshot(const std::string& file, int width, int height)
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    std::vector<std::uint8_t> topFirst;
    topFirst.reserve(rgba.size());
    for (int y = height - 1; y >= 0; --y) {
        const auto row = rgba.begin() + static_cast<std::ptrdiff_t>(y) * width * 4;
        topFirst.insert(topFirst.end(), row, row + width * 4);
    }
    for (std::size_t i = 3; i < topFirst.size(); i += 4) {
        topFirst[i] = 255;
    }
    dh::savePng(testFilePath(file), width, height, topFirst);
}

}
