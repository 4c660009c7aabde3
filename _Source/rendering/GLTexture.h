#pragma once
#include <cstdint>
#include <string>

namespace dh {

// One OpenGL texture, uploaded with mipmaps, and its size. A file that cannot
// be loaded becomes a 16 x 16 black and white checkerboard.
class GLTexture {
public:
    static constexpr std::uint32_t kBlockSize = 512;

    // An asset path such as "gfx/star.tga", resolved beside the executable.
    explicit GLTexture(const std::string& fileName);
    // A 512 x 512 texture from 512 x 512 RGBA bytes; null gives the checkerboard.
    explicit GLTexture(const std::uint8_t* pixels);
    ~GLTexture();
    GLTexture(const GLTexture&) = delete;
    GLTexture& operator=(const GLTexture&) = delete;

    void bind() const;

    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t textureId = 0;
    bool hasAlpha = false;

private:
    void upload(const std::uint8_t* rgba, std::uint32_t w, std::uint32_t h);
    void makePlaceholder();
};

}
