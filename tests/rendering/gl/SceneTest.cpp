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

class Scene : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(dh::assetPath("mdl\\gfx\\Spacestation.gif"))) {
            GTEST_SKIP() << "the generated assets are not built yet";
        }
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
    for (int i = 0; i < 10; ++i) {
        scene.frame(1.0f / 30.0f, station);
    }
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
