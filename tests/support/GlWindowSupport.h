#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/PlatformEvents.h"
#include "platform/PlatformImage.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/TextureList.h"
#include "window/GLWindow.h"

// The real window for the drawing tests: opened again after a test closed it,
// sized, and what it shows read back and kept as pictures.
namespace testsupport {

enum class Art { Fonts, FontsAndTextures, FontsTexturesAndModels };

// A test that closed the window leaves the art of a context that is gone; it is
// let go and loaded again with the new window. False when no window opens.
inline bool openWindowWith(Art art)
{
    const bool textures = art != Art::Fonts;
    const bool models = art == Art::FontsTexturesAndModels;
    if (!dh::isWindowOpen()) {
        if (models)
            dh::releaseModels();
        dh::releaseFonts();
        if (textures)
            dh::releaseTextures();
        dh::createGLWindow();
    }
    if (!dh::isWindowOpen())
        return false;
    if (!dh::g_fontMain || !dh::g_fontBig) {
        dh::loadFonts();
        if (textures)
            dh::loadTextures();
        if (models)
            dh::loadModels();
    }
    return true;
}

class GlWindowTest : public ::testing::Test {
protected:
    static void resize(int width, int height)
    {
        dh::setClientSize(width, height);
        dh::pumpMessages();
        dh::swapBuffers();
        ASSERT_EQ(dh::clientWidth(), width);
        ASSERT_EQ(dh::clientHeight(), height);
    }
};

// The back buffer, top row first, as GL_RGB (3 bytes a pixel) or GL_RGBA (4).
inline std::vector<std::uint8_t> readBackTopDown(GLenum format, int bytesPerPixel)
{
    const int w = dh::clientWidth();
    const int h = dh::clientHeight();
    std::vector<std::uint8_t> bottomUp(static_cast<std::size_t>(w) * h * bytesPerPixel);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, format, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<std::uint8_t> topDown(bottomUp.size());
    const std::size_t row = static_cast<std::size_t>(w) * bytesPerPixel;
    for (int y = 0; y < h; ++y)
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>((h - 1 - y) * row), row,
                    topDown.begin() + static_cast<std::ptrdiff_t>(y * row));
    return topDown;
}

// RGBA with every pixel opaque, as the window showed it.
inline std::vector<std::uint8_t> readBackOpaqueRgba()
{
    std::vector<std::uint8_t> frame = readBackTopDown(GL_RGBA, 4);
    for (std::size_t i = 3; i < frame.size(); i += 4)
        frame[i] = 255;
    return frame;
}

// Writes an RGBA frame of the window's size as <build>/test-output/<folder>/<name>.png.
inline void keepPicture(const std::vector<std::uint8_t>& rgba, const std::string& folder, const std::string& name)
{
    const std::filesystem::path path = std::filesystem::path(DH_BUILD_DIR) / "test-output" / folder;
    std::filesystem::create_directories(path);
    dh::savePng(path / (name + ".png"), dh::clientWidth(), dh::clientHeight(), rgba);
}

}
