#include "flight/Camera.h"
#include "flight/Random.h"
#include "platform/PlatformFiles.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "rendering/gl/TestImages.h"
#include "shell/GLWindow.h"

// The sky, the point stars and the flare with the generated textures, from
// five directions, kept as screenshots.
TEST(SpaceScene, SkyStarsSunPlanetAndFlareWithTheGeneratedTextures)
{
    if (!std::filesystem::exists(dh::assetPath("gfx\\stars4.tga"))) {
        GTEST_SKIP() << "the generated textures are not built yet";
    }
    dh::createGLWindow();
    ASSERT_TRUE(dh::isWindowOpen());
    dh::loadTextures();
    dh::g_randomSeed = 0x5EED0001u;
    {
        const dh::SpaceBackground background({1.0f, 0.85f, 0.6f}, dh::texture(dh::Tex::planet3));
        // Straight at the planet, at the sun, at a face, across the edge of
        // two side faces, and up across the corner of three.
        const struct {
            const char* file;
            float yaw;
            float pitch;
        } views[] = {{"space-planet", 0.0f, 0.0f}, {"space-sun", 3.1f, 0.0f}, {"space-side", 1.6f, 0.0f},
                     {"space-edge", 0.785f, 0.0f}, {"space-corner", 2.356f, 0.6f}};
        for (const auto& view : views) {
            dh::Camera camera;
            dh::turnCameraYaw(camera, view.yaw);
            dh::turnCameraPitch(camera, view.pitch);
            camera.position = {1000.0f, -300.0f, 5000.0f};
            dh::setPerspectiveProjection(262144.0f);
            glClearColor(0, 0, 0, 1);
            glDepthMask(GL_TRUE);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            background.drawSky(camera);
            background.drawStarPoints(camera);
            background.drawLensFlare(camera);
            rendertest::saveScreenshot(view.file);
            int lit = 0;
            const std::vector<std::uint8_t> rgba = testsupport::readBackTopDown(GL_RGBA, 4);
            for (int y = 0; y < 600; y += 10)
                for (int x = 0; x < 800; x += 10) {
                    const std::uint8_t* p = &rgba[4 * (static_cast<std::size_t>(y) * 800 + x)];
                    lit += p[0] + p[1] + p[2] > 0 ? 1 : 0;
                }
            EXPECT_GT(lit, 80 * 60 / 2) << view.file << ": the sky covers the whole view";
        }
    }
    dh::releaseTextures();
}
