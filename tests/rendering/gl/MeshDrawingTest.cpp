#include "core/Matrix3.h"
#include "platform/PlatformFiles.h"
#include "rendering/MD2Mesh.h"
#include "rendering/MeshDrawing.h"
#include "rendering/ModelList.h"
#include "rendering/gl/TestImages.h"
#include "window/GLWindow.h"

#include <algorithm>
#include <cmath>

namespace {

using rendertest::Rgba;

// A perspective view along -z over black, lighting off, white.
class MeshDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        rendertest::clearToPlainPerspectiveView();
        for (GLenum array : kArrays)
            glEnableClientState(array);
        cx = dh::clientWidth() / 2;
        cy = dh::clientHeight() / 2;
    }
    void TearDown() override
    {
        for (GLenum array : kArrays)
            glDisableClientState(array);
    }

    static constexpr GLenum kArrays[] = {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_TEXTURE_COORD_ARRAY};
    static Rgba at(int x, int y) { return rendertest::pixelAt(x, y); }
    static bool litAt(int x, int y) { return at(x, y).r > 128; }

    int cx = 0;
    int cy = 0;
};

}

TEST_F(MeshDrawing, OrientationRowsAreTheObjectAxesAndPositionIsWorld)
{
    // A small triangle around the object's local point (100, 0, 0).
    dh::Mesh mesh;
    mesh.setTriangles({90, -10, 0, 110, -10, 0, 100, 10, 0}, {});
    glDisable(GL_TEXTURE_2D);
    dh::Matrix3 orientation;
    // Right axis is world up, up axis is world -x, forward stays +z.
    orientation.m = {0, 1, 0, -1, 0, 0, 0, 0, 1};
    dh::drawMesh(&mesh, orientation, 0, 0, -300);
    // Local (100, 0, 0) is world (0, 100, -300): 100 / 300 of the half height above the centre.
    const int above = cy - static_cast<int>(100.0 / 300.0 * cy);
    EXPECT_EQ(at(cx, above).r, 255);
    EXPECT_EQ(at(cx, cy).r, 0);
    EXPECT_EQ(at(cx + (cy - above), cy).r, 0);

    // The modelview stack is left as it was.
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    dh::drawMesh(nullptr, orientation, 0, 0, 0);
}

TEST_F(MeshDrawing, MissingSkinIsTheCheckerboardOnTheModel)
{
    const dh::MD2Mesh mesh("rendering-test-files\\no-such-model.md2", "rendering-test-files\\no-such-skin.gif");
    ASSERT_NE(mesh.texture, nullptr);
    EXPECT_EQ(mesh.texture->width, 16u);
    EXPECT_EQ(mesh.triangleCount, 12u);
    // The cube's +Z face seen head on from 1024 units away fills the middle
    // with the checkerboard, texels 12.5 pixels wide: both shades appear along
    // a row through texel centres. Culling shows the outward faces only.
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    dh::drawMesh(&mesh, dh::Matrix3{}, 0, 0, -1024);
    rendertest::saveScreenshot("cube");
    int white = 0;
    int black = 0;
    for (int x = 300; x < 500; x += 3) {
        const Rgba p = at(x, 306);
        white += p.r > 200 ? 1 : 0;
        black += p.r < 55 ? 1 : 0;
    }
    EXPECT_GT(white, 10);
    EXPECT_GT(black, 10);
    glDisable(GL_CULL_FACE);
}

TEST_F(MeshDrawing, ModelListLoadsEveryModelWithItsSkin)
{
    if (!std::filesystem::exists(dh::assetPath("mdl\\gfx\\Ship_Fighter.gif")))
        GTEST_SKIP() << "the generated models are not built yet";
    dh::loadModels();
    for (std::size_t i = 0; i < dh::kModelCount; ++i) {
        const dh::Mesh* mesh = dh::g_models[i].get();
        ASSERT_TRUE(mesh && mesh->texture) << dh::kModelStems[i];
        EXPECT_NE(mesh->texture->width, 16u) << dh::kModelStems[i];
        // More than the fallback cube's twelve: the file itself was read.
        EXPECT_GT(mesh->triangleCount, 12u) << dh::kModelStems[i];
    }
    EXPECT_EQ(dh::findModel("Spacestation"), dh::g_models[4].get());
    EXPECT_EQ(dh::findModel("Station"), nullptr);
    // Ships fit the 200 x 200 docking bay and the outside views; the missile is
    // small; the station reaches its running lights at x = +-1300.
    const auto radius = [](const char* stem) { return dh::findModel(stem)->boundRadius; };
    EXPECT_GT(radius("Ship_Explorer"), 30.0f);
    EXPECT_LT(radius("Ship_Explorer"), 100.0f);
    EXPECT_LT(radius("Ship_Fighter"), 100.0f);
    EXPECT_GT(radius("Missile"), 8.0f);
    EXPECT_LT(radius("Missile"), 20.0f);
    const dh::Mesh* station = dh::findModel("Spacestation");
    float reach = 0.0f;
    for (std::size_t i = 0; i < station->positions.size(); i += 3)
        reach = std::max(reach, std::abs(station->positions[i]));
    EXPECT_GT(station->boundRadius, 1300.0f);
    EXPECT_GE(reach, 1300.0f);
    dh::releaseModels();
    dh::releaseModels();
    EXPECT_EQ(std::count(dh::g_models.begin(), dh::g_models.end(), nullptr), std::ptrdiff_t(dh::kModelCount));
}
