// What building skies leaves behind and reads: the cloud images are read from
// disk by the first sky of the run only, and every build leaves the client
// arrays it used disabled.
#include "core/Matrix3.h"
#include "core/Random.h"
#include "rendering/Mesh.h"
#include "rendering/MeshDrawing.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "rendering/gl/TestImages.h"
#include "window/GLWindow.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Image files are read through the C library's fopen64; counting the calls
// made for the cloud images counts their loads.
int s_cloudOpens = 0;

bool isCloudImage(const char* path)
{
    static constexpr std::array<const char*, 4> kNames{"stars1.tga", "stars2.tga", "stars3.tga", "stars4.tga"};
    const std::size_t length = std::strlen(path);
    for (const char* name : kNames) {
        const std::size_t n = std::strlen(name);
        if (length >= n && std::strcmp(path + length - n, name) == 0) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<dh::SpaceBackground> buildSky(std::uint32_t seed)
{
    dh::g_randomSeed = seed;
    return std::make_unique<dh::SpaceBackground>(std::array<float, 3>{1.0f, 0.9f, 0.8f}, nullptr);
}

}

extern "C" FILE* fopen64(const char* path, const char* mode)
{
    using Open = FILE* (*)(const char*, const char*);
    static const auto next = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "fopen64"));
    if (path != nullptr && isCloudImage(path)) {
        s_cloudOpens += 1;
    }
    return next(path, mode);
}

TEST(SkyBuild, TheCloudImagesAreReadOnceOverTwoWorldsAndTheSkiesMatchFreshlyReadOnes)
{
    dh::createGLWindow();
    ASSERT_TRUE(dh::isWindowOpen());
    dh::releaseTextures();
    s_cloudOpens = 0;
    const auto first = buildSky(0xC10D5u);
    EXPECT_EQ(s_cloudOpens, 4);
    const auto second = buildSky(0xC10D5u);
    EXPECT_EQ(s_cloudOpens, 4);

    // A sky built from images just read and one built from the kept ones.
    std::vector<std::uint8_t> kept(512 * 512 * 4);
    std::vector<std::uint8_t> fresh(512 * 512 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int face = 0; face < 6; ++face) {
        glBindTexture(GL_TEXTURE_2D, first->skyFaces[face]->textureId);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, fresh.data());
        glBindTexture(GL_TEXTURE_2D, second->skyFaces[face]->textureId);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, kept.data());
        EXPECT_EQ(fresh, kept) << "face " << face;
    }
    dh::releaseTextures();
}

TEST(SkyBuild, LeavesTheVertexAndTextureCoordinateArraysDisabled)
{
    dh::createGLWindow();
    ASSERT_TRUE(dh::isWindowOpen());
    const auto sky = buildSky(7);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
}

// A mesh drawn with the vertex array alone after a sky has been built reads no
// array the sky used: the sky's arrays point into memory it has freed, which
// the sanitizer tree would report, and stray coordinates would spoil the draw.
TEST(SkyBuild, AMeshDrawnWithTheVertexArrayAloneAfterASkyIsDrawnRight)
{
    dh::createGLWindow();
    ASSERT_TRUE(dh::isWindowOpen());
    const auto sky = buildSky(11);
    for (const GLenum array : {GL_TEXTURE_COORD_ARRAY, GL_NORMAL_ARRAY, GL_COLOR_ARRAY}) {
        EXPECT_FALSE(glIsEnabled(array)) << array;
    }

    rendertest::clearToPlainPerspectiveView();
    glDisable(GL_TEXTURE_2D);
    glEnableClientState(GL_VERTEX_ARRAY);
    dh::Mesh mesh;
    // A triangle 300 units ahead, its tip 100 units above the centre line.
    mesh.setTriangles({-100, -100, 0, 100, -100, 0, 0, 100, 0}, {});
    dh::drawMesh(&mesh, dh::Matrix3{}, 0, 0, -300);
    glDisableClientState(GL_VERTEX_ARRAY);

    const int cx = dh::clientWidth() / 2;
    const int cy = dh::clientHeight() / 2;
    const int third = cy / 3;
    EXPECT_EQ(rendertest::pixelAt(cx, cy).r, 255);
    EXPECT_EQ(rendertest::pixelAt(cx, cy).g, 255);
    EXPECT_EQ(rendertest::pixelAt(cx, cy + third - 4).b, 255);
    EXPECT_EQ(rendertest::pixelAt(cx, cy - third - 4).r, 0);
    EXPECT_EQ(rendertest::pixelAt(cx + third + 4, cy).r, 0);
}
