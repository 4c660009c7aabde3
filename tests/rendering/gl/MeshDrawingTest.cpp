#include "flight/Matrix3.h"
#include "platform/PlatformFiles.h"
#include "rendering/MD2Mesh.h"
#include "rendering/MeshDrawing.h"
#include "rendering/ModelList.h"
#include "rendering/gl/TestImages.h"
#include "shell/GLWindow.h"

namespace {

using rendertest::Rgba;

class MeshDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        dh::setPerspectiveProjection(10000.0f);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        for (GLenum state : {GL_LIGHTING, GL_CULL_FACE, GL_DEPTH_TEST, GL_BLEND})
            glDisable(state);
        for (GLenum array : kArrays)
            glEnableClientState(array);
        glColor4f(1, 1, 1, 1);
    }
    void TearDown() override
    {
        for (GLenum array : kArrays)
            glDisableClientState(array);
    }

    static constexpr GLenum kArrays[] = {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_TEXTURE_COORD_ARRAY};

    static Rgba at(int x, int y) { return rendertest::pixelAt(x, y); }
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
    const int centreX = dh::clientWidth() / 2;
    const int centreY = dh::clientHeight() / 2;
    const int above = centreY - static_cast<int>(100.0 / 300.0 * centreY);
    EXPECT_EQ(at(centreX, above).r, 255);
    EXPECT_EQ(at(centreX, centreY).r, 0);
    EXPECT_EQ(at(centreX + (centreY - above), centreY).r, 0);

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
    if (!std::filesystem::exists(dh::assetPath("mdl\\gfx\\Ship_Fighter.gif"))) {
        GTEST_SKIP() << "the generated models are not built yet";
    }
    dh::loadModels();
    for (std::size_t i = 0; i < dh::kModelCount; ++i) {
        const dh::Mesh* mesh = dh::g_models[i];
        ASSERT_TRUE(mesh && mesh->texture) << dh::kModelStems[i];
        EXPECT_NE(mesh->texture->width, 16u) << dh::kModelStems[i];
        EXPECT_GT(mesh->vertexCount, 0u) << dh::kModelStems[i];
    }
    EXPECT_EQ(dh::findModel("Spacestation"), dh::g_models[4]);
    EXPECT_EQ(dh::findModel("Station"), nullptr);
    dh::releaseModels();
    dh::releaseModels();
    EXPECT_EQ(std::count(dh::g_models.begin(), dh::g_models.end(), nullptr),
              static_cast<std::ptrdiff_t>(dh::kModelCount));
}
