#pragma once
// TGA writers and read-back helpers for the rendering GL tests. Test files go
// into a folder beside the test program, so they load through the asset paths.
#include "support/GlWindowSupport.h"

#include <fstream>

namespace rendertest {

inline const char* kTestFolder = "rendering-test-files";

inline std::string assetName(const std::string& file) { return std::string(kTestFolder) + "\\" + file; }

inline std::filesystem::path testFilePath(const std::string& file)
{
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / kTestFolder;
    std::filesystem::create_directories(folder);
    return folder / file;
}

inline void writeFile(const std::string& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(testFilePath(file), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Rows top first; true colour has 8 alpha bits, a palette has 32-bit entries.
inline std::vector<std::uint8_t> tgaHeader(bool paletted, unsigned paletteSize, unsigned w, unsigned h)
{
    const auto lo = [](unsigned v) { return static_cast<std::uint8_t>(v & 0xFF); };
    const auto hi = [](unsigned v) { return static_cast<std::uint8_t>(v >> 8); };
    const unsigned entries = paletted ? paletteSize : 0;
    return {0, std::uint8_t(paletted ? 1 : 0), std::uint8_t(paletted ? 1 : 2), 0, 0, lo(entries), hi(entries),
            std::uint8_t(paletted ? 32 : 0), 0, 0, 0, 0, lo(w), hi(w), lo(h), hi(h),
            std::uint8_t(paletted ? 8 : 32), std::uint8_t(paletted ? 0x20 : 0x28)};
}

// Swaps RGBA to the file's BGRA.
inline void appendBgra(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& rgba)
{
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4)
        out.insert(out.end(), {rgba[i + 2], rgba[i + 1], rgba[i], rgba[i + 3]});
}

// rgba: w x h texels, top row first.
inline void writeTga32(const std::string& file, unsigned w, unsigned h, const std::vector<std::uint8_t>& rgba)
{
    std::vector<std::uint8_t> out = tgaHeader(false, 0, w, h);
    appendBgra(out, rgba);
    writeFile(file, out);
}

// paletteRgba: 4 bytes an entry; the decoder takes an entry with alpha 0 as the colour key.
inline void writeTgaPaletted(const std::string& file, unsigned w, unsigned h, const std::vector<std::uint8_t>& indices,
                             const std::vector<std::uint8_t>& paletteRgba)
{
    std::vector<std::uint8_t> out = tgaHeader(true, static_cast<unsigned>(paletteRgba.size() / 4), w, h);
    appendBgra(out, paletteRgba);
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
inline Rgba pixelAt(int x, int yFromTop)
{
    std::uint8_t p[4] = {};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, dh::clientHeight() - 1 - yFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2], p[3]};
}

// Keeps what the back buffer shows as <build>/test-output/rendering/<name>.png.
inline void saveScreenshot(const std::string& name)
{
    testsupport::keepPicture(testsupport::readBackOpaqueRgba(), "rendering", name);
}

}
