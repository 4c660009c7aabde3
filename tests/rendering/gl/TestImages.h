#pragma once
// TGA writers and read-back helpers for the rendering GL tests. Test files go
// into a folder beside the test program, so they load through the asset paths.
#include "support/GlWindowSupport.h"

#include <fstream>

namespace rendertest {

// Writes the file into the test folder and returns its asset name.
inline std::string writeFile(const std::string& file, const std::vector<std::uint8_t>& bytes)
{
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / "rendering-test-files";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return "rendering-test-files\\" + file;
}

// A w x h TGA, rows top first, and its asset name: 32-bit true colour from RGBA
// texels, or 8-bit indices into a palette of RGBA entries, which the file
// holds as 32 bits (the decoder takes an entry with alpha 0 as the colour key).
inline std::string writeTga(const std::string& file, unsigned w, unsigned h, const std::vector<std::uint8_t>& data,
                            const std::vector<std::uint8_t>& palette = {})
{
    const bool paletted = !palette.empty();
    const auto lo = [](std::size_t v) { return static_cast<std::uint8_t>(v & 0xFF); };
    const auto hi = [](std::size_t v) { return static_cast<std::uint8_t>(v >> 8); };
    std::vector<std::uint8_t> out{0, std::uint8_t(paletted ? 1 : 0), std::uint8_t(paletted ? 1 : 2), 0, 0,
                                  lo(palette.size() / 4), hi(palette.size() / 4), std::uint8_t(paletted ? 32 : 0),
                                  0, 0, 0, 0, lo(w), hi(w), lo(h), hi(h), std::uint8_t(paletted ? 8 : 32),
                                  std::uint8_t(paletted ? 0x20 : 0x28)};
    // RGBA to the file's BGRA.
    for (const std::vector<std::uint8_t>* rgba : {&palette, paletted ? nullptr : &data})
        for (std::size_t i = 0; rgba && i + 3 < rgba->size(); i += 4)
            out.insert(out.end(), {(*rgba)[i + 2], (*rgba)[i + 1], (*rgba)[i], (*rgba)[i + 3]});
    if (paletted)
        out.insert(out.end(), data.begin(), data.end());
    return writeFile(file, out);
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
// A perspective view along -z over black, lighting, culling, depth and
// blending off, drawing white: the start of every mesh drawing test.
inline void clearToPlainPerspectiveView()
{
    dh::setPerspectiveProjection(10000.0f);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (GLenum state : {GL_LIGHTING, GL_CULL_FACE, GL_DEPTH_TEST, GL_BLEND})
        glDisable(state);
    glColor4f(1, 1, 1, 1);
}

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
