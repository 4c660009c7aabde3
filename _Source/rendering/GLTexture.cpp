#include "rendering/GLTexture.h"

#include "platform/PlatformFiles.h"
#include "platform/PlatformImage.h"
#include "rendering/ImageConversion.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <iostream>
#include <new>
#include <vector>

namespace dh {

GLTexture::GLTexture(const std::string& fileName)
{
    const std::filesystem::path file = assetPath(fileName);
    try {
        DecodedImage image;
        std::vector<std::uint8_t> rgba;
        bool alpha = false;
        const ImageDecoding decoding = decodeImage(file, image);
        if (decoding == ImageDecoding::Decoded && convertToRGBA(image, rgba, alpha)) {
            hasAlpha = alpha;
            upload(rgba.data(), image.width, image.height);
            return;
        }
        // A missing file is not worth a word; one that could have taken the machine's memory is.
        if (decoding == ImageDecoding::Refused) {
            std::cerr << "Image refused, shown as a checkerboard: " << file.string() << '\n';
        }
    } catch (const std::bad_alloc&) {
        std::cerr << "Out of memory loading image, shown as a checkerboard: " << file.string() << '\n';
    }
    makePlaceholder();
}

GLTexture::GLTexture(const std::uint8_t* pixels)
{
    if (pixels == nullptr) {
        makePlaceholder();
        return;
    }
    upload(pixels, kBlockSize, kBlockSize);
}

GLTexture::~GLTexture()
{
    if (textureId != 0) {
        const GLuint name = textureId;
        glDeleteTextures(1, &name);
    }
}

void GLTexture::bind() const
{
    glBindTexture(GL_TEXTURE_2D, textureId);
}

void GLTexture::upload(const std::uint8_t* rgba, std::uint32_t w, std::uint32_t h)
{
    width = w;
    height = h;
    GLuint name = 0;
    glGenTextures(1, &name);
    textureId = name;
    glBindTexture(GL_TEXTURE_2D, name);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, static_cast<GLint>(w), static_cast<GLint>(h), GL_RGBA,
                      GL_UNSIGNED_BYTE, rgba);
}

void GLTexture::makePlaceholder()
{
    constexpr std::uint32_t kSide = 16;
    std::array<std::uint8_t, kSide * kSide * 4> checker{};
    for (std::uint32_t y = 0; y < kSide; ++y) {
        for (std::uint32_t x = 0; x < kSide; ++x) {
            const std::uint8_t shade = (x + y) % 2 == 0 ? 255 : 0;
            std::uint8_t* texel = checker.data() + 4 * (y * kSide + x);
            texel[0] = texel[1] = texel[2] = shade;
            texel[3] = 255;
        }
    }
    upload(checker.data(), kSide, kSide);
}

}
