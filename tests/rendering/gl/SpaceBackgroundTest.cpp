#include "core/Camera.h"
#include "core/Random.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "rendering/gl/TestImages.h"
#include "window/GLWindow.h"

#include <cmath>
#include <memory>
#include <numeric>

namespace {

using rendertest::Rgba;

// A side x side texture of one colour, opaque everywhere or only on the 2 x 2
// texels at its centre.
std::unique_ptr<dh::GLTexture> texture(const char* name, unsigned side, std::uint8_t green, bool spot)
{
    std::vector<std::uint8_t> rgba;
    for (unsigned y = 0; y < side; ++y)
        for (unsigned x = 0; x < side; ++x) {
            const bool opaque = !spot || ((x == side / 2 - 1 || x == side / 2) && (y == side / 2 - 1 || y == side / 2));
            rgba.insert(rgba.end(), {255, green, green, std::uint8_t(opaque ? 255 : 0)});
        }
    return std::make_unique<dh::GLTexture>(rendertest::writeTga(name, side, side, rgba));
}

std::vector<std::uint8_t> frame() { return testsupport::readBackTopDown(GL_RGBA, 4); }

class Background : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        planet = texture("red.tga", 16, 0, false);
        slot(dh::Tex::star) = texture("white.tga", 16, 255, false);
        slot(dh::Tex::lens1) = texture("spot.tga", 64, 255, true);
        slot(dh::Tex::lens2) = texture("spot.tga", 64, 255, true);
        dh::setPerspectiveProjection(262144.0f);
        clear();
    }
    void TearDown() override
    {
        for (std::unique_ptr<dh::GLTexture>& tex : dh::g_textures)
            tex.reset();
    }

    static std::unique_ptr<dh::GLTexture>& slot(dh::Tex tex) { return dh::g_textures[static_cast<std::size_t>(tex)]; }
    static void clear()
    {
        glClearColor(0, 0, 0, 1);
        glDepthMask(GL_TRUE);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    std::unique_ptr<dh::SpaceBackground> build(std::uint32_t seed, std::array<float, 3> colour = {1, 1, 1})
    {
        dh::g_randomSeed = seed;
        auto background = std::make_unique<dh::SpaceBackground>(colour, planet.get());
        clear();
        return background;
    }
    static Rgba at(int x, int y) { return rendertest::pixelAt(x, y); }

    std::unique_ptr<dh::GLTexture> planet;
};

// The pixel at (x, y) is within 1 of the colour.
bool isColour(int x, int y, int r, int g, int b)
{
    const Rgba p = rendertest::pixelAt(x, y);
    return std::abs(p.r - r) <= 1 && std::abs(p.g - g) <= 1 && std::abs(p.b - b) <= 1;
}

}

TEST_F(Background, SameGeneratorStateGivesTheSameSkyAndDrawsExactlyAsListed)
{
    const auto first = build(0x1234567u);
    const std::uint32_t after = dh::g_randomSeed;
    dh::g_randomSeed = 0x1234567u;
    // 120 sprites of five draws, 256 stars of three.
    for (int i = 0; i < 120 * 5 + 256 * 3; ++i)
        dh::random();
    EXPECT_EQ(after, dh::g_randomSeed);

    const auto again = build(0x1234567u);
    const auto other = build(0x7654321u);
    bool anyFaceDiffers = false;
    for (int face = 0; face < 6; ++face) {
        const auto texels = [&](const dh::SpaceBackground& bg) {
            return rendertest::textureTexels(bg.skyFaces[face]->textureId, 512, 512);
        };
        const std::vector<std::uint8_t> a = texels(*first);
        EXPECT_EQ(a, texels(*again)) << face;
        anyFaceDiffers = anyFaceDiffers || a != texels(*other);
        const unsigned long sum = std::accumulate(a.begin(), a.end(), 0ul);
        EXPECT_GT(sum, 512ul * 512ul * 4ul) << "face " << face << " has no clouds";
    }
    EXPECT_TRUE(anyFaceDiffers);
}

TEST_F(Background, StarPointsRepeatEvery4096Units)
{
    const auto background = build(99);
    dh::Camera camera;
    camera.rotation.m = {0.6f, 0, -0.8f, 0, 1, 0, 0.8f, 0, 0.6f};
    const auto picture = [&](dh::Vector3 eye) {
        clear();
        camera.position = eye;
        background->drawStarPoints(camera);
        return frame();
    };
    const std::vector<std::uint8_t> here = picture({100, 200, 300});
    int lit = 0;
    for (std::size_t i = 0; i < here.size(); i += 4)
        lit += here[i] > 0 ? 1 : 0;
    EXPECT_GT(lit, 20);
    EXPECT_EQ(here, picture({100 + 4096, 200, 300}));
    EXPECT_EQ(here, picture({100, 200 - 4096, 300 + 4096}));
    EXPECT_NE(here, picture({1100, 200, 300}));
    // A negative coordinate keeps its negative remainder: -5000 is -904 in its cell.
    EXPECT_EQ(picture({-5000, 0, 0}), picture({-904, 0, 0}));
    EXPECT_FALSE(glIsEnabled(GL_FOG));
}

TEST_F(Background, PlanetSunAndFlareKeepTheirPlacesInTheSky)
{
    const auto background = build(5, {1.0f, 0.5f, 0.25f});
    // Looking along -z the planet, (-32, 0, -64), sits half a depth to the
    // left: x = 400 - 0.5 * 300 = 250, half-size 8 / 64 * 300 = 37.5 pixels.
    background->drawSky(dh::Camera{});
    EXPECT_TRUE(isColour(250, 300, 255, 0, 0));
    EXPECT_TRUE(isColour(250 - 35, 300 - 35, 255, 0, 0));
    EXPECT_TRUE(isColour(250 + 35, 300 + 35, 255, 0, 0));
    EXPECT_FALSE(isColour(250 - 40, 300, 255, 0, 0));
    EXPECT_FALSE(isColour(250, 300 + 40, 255, 0, 0));

    // Turned half round about y, looking along +z, the sun, (16, 0, 32), is at
    // the same place, twice the size (8 / 32 * 300 = 75 pixels), in the star's colour.
    clear();
    dh::Camera back;
    back.rotation.m = {-1, 0, 0, 0, 1, 0, 0, 0, -1};
    background->drawSky(back);
    EXPECT_TRUE(isColour(250, 300, 255, 128, 64));
    EXPECT_TRUE(isColour(250 + 72, 300 - 72, 255, 128, 64));
    EXPECT_FALSE(isColour(250 + 78, 300, 255, 128, 64));
    EXPECT_FALSE(isColour(250, 300, 255, 0, 0));

    // The flare: the sun in eye space is S = (-16, 0, -32); each square is centred
    // at S + f (S.x, S.y, -S.z) / |S|, the spot in each square marks its centre.
    clear();
    background->drawLensFlare(back);
    const float len = std::sqrt(16.0f * 16.0f + 32.0f * 32.0f);
    const auto pixelX = [&](float f) {
        const float x = -16.0f + f * -16.0f / len;
        const float z = -32.0f + f * 32.0f / len;
        return static_cast<int>(std::lround(400.0f + x / -z * 300.0f));
    };
    const int first = pixelX(4.0f);
    const int second = pixelX(8.0f);
    EXPECT_GT(at(first, 300).r, 200);
    EXPECT_GT(at(second, 300).r, 200);
    EXPECT_LT(at((first + second) / 2, 300).r, 30);
    EXPECT_LT(at(first, 330).r, 30);
    EXPECT_LT(at(400, 300).r, 30);
    EXPECT_LT(at(250, 300).r, 30);

    // With the sun straight ahead all four squares sit on the view axis.
    clear();
    const float s = std::sqrt(0.2f);
    const float c = std::sqrt(0.8f);
    dh::Camera straight;
    straight.rotation.m = {-c, 0, s, 0, 1, 0, -s, 0, -c};
    background->drawLensFlare(straight);
    EXPECT_GT(at(400, 300).r, 200);
    // The nearest square, 3.8 units from the eye, spreads its spot over about 90 pixels.
    EXPECT_LT(at(400 + 150, 300).r, 30);
    EXPECT_LT(at(400, 300 - 150).r, 30);
}

// Straight at the planet, at the sun, at a face, across the edge of two side
// faces, and up across the corner of three: the sky cube has no holes.
TEST_F(Background, TheSkyCoversTheViewInEveryDirection)
{
    const auto background = build(0x5EED0001u, {1.0f, 0.85f, 0.6f});
    const struct {
        const char* file;
        float yaw, pitch;
    } views[] = {{"space-planet", 0.0f, 0.0f}, {"space-sun", 3.1f, 0.0f}, {"space-side", 1.6f, 0.0f},
                 {"space-edge", 0.785f, 0.0f}, {"space-corner", 2.356f, 0.6f}};
    for (const auto& view : views) {
        dh::Camera camera;
        dh::turnCameraYaw(camera, view.yaw);
        dh::turnCameraPitch(camera, view.pitch);
        camera.position = {1000.0f, -300.0f, 5000.0f};
        clear();
        background->drawSky(camera);
        background->drawStarPoints(camera);
        background->drawLensFlare(camera);
        rendertest::saveScreenshot(view.file);
        const std::vector<std::uint8_t> rgba = frame();
        int lit = 0;
        for (std::size_t y = 0; y < 600; y += 10)
            for (std::size_t x = 0; x < 800; x += 10)
                lit += rgba[4 * (y * 800 + x)] + rgba[4 * (y * 800 + x) + 1] + rgba[4 * (y * 800 + x) + 2] > 0;
        EXPECT_GT(lit, 80 * 60 / 2) << view.file << ": the sky covers the whole view";
    }
}
