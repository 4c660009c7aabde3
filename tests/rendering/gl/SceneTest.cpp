#include "../tools/sceneviewer/DemoScene.h"
#include "platform/PlatformFiles.h"
#include "rendering/gl/TestImages.h"

namespace {

std::vector<std::uint8_t> frame() { return testsupport::readBackTopDown(GL_RGBA, 4); }

// Pixels (of every 4th in both directions) whose colour differs.
int differing(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
    int count = 0;
    const int w = dh::clientWidth();
    for (int y = 0; y < dh::clientHeight(); y += 4)
        for (int x = 0; x < w; x += 4) {
            const std::size_t i = 4 * (static_cast<std::size_t>(y) * w + x);
            count += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2] ? 1 : 0;
        }
    return count;
}

// The flight view with the generated art; screenshots are kept for looking at.
class Scene : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(dh::assetPath("mdl\\gfx\\Spacestation.gif")))
            GTEST_SKIP() << "the generated assets are not built yet";
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        sceneviewer::loadAssets();
    }
    void TearDown() override { sceneviewer::releaseAssets(); }
};

}

TEST_F(Scene, ObjectsDrawOverTheBackgroundAndTheShipShowsFromBehind)
{
    sceneviewer::Scene scene(sceneviewer::SceneOptions{});
    const dh::Camera station = sceneviewer::lookAt({700.0f, 400.0f, 1830.0f}, {0.0f, 0.0f, 0.0f});
    for (int i = 0; i < 10; ++i)
        scene.frame(1.0f / 30.0f, station);
    scene.draw(station);
    rendertest::saveScreenshot("scene-station");
    const std::vector<std::uint8_t> full = frame();
    scene.drawBackground(station);
    EXPECT_GT(differing(full, frame()), 100);

    // From behind, the ship the camera follows fills the middle of the view, lit and textured.
    scene.draw(scene.pilot->views[2]);
    rendertest::saveScreenshot("scene-behind");
    const rendertest::Rgba ship = rendertest::pixelAt(400, 300);
    scene.drawBackground(scene.pilot->views[2]);
    const rendertest::Rgba sky = rendertest::pixelAt(400, 300);
    EXPECT_TRUE(ship.r != sky.r || ship.g != sky.g || ship.b != sky.b);
    EXPECT_GT(ship.r + ship.g + ship.b, 60);
}

// Straight at the planet, at the sun, at a face, across the edge of two side
// faces, and up across the corner of three: the sky cube has no holes.
TEST_F(Scene, SkyStarsSunPlanetAndFlareFromFiveDirections)
{
    dh::g_randomSeed = 0x5EED0001u;
    const dh::SpaceBackground background({1.0f, 0.85f, 0.6f}, dh::texture(dh::Tex::planet3));
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
        const std::vector<std::uint8_t> rgba = frame();
        int lit = 0;
        for (int y = 0; y < 600; y += 10)
            for (int x = 0; x < 800; x += 10) {
                const std::uint8_t* p = &rgba[4 * (static_cast<std::size_t>(y) * 800 + x)];
                lit += p[0] + p[1] + p[2] > 0 ? 1 : 0;
            }
        EXPECT_GT(lit, 80 * 60 / 2) << view.file << ": the sky covers the whole view";
    }
}
