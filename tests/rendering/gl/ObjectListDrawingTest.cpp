#include "flight/Camera.h"
#include "flight/MovingGameObject.h"
#include "flight/ObjectList.h"
#include "flight/StaticGameObject.h"
#include "rendering/Mesh.h"
#include "rendering/gl/TestImages.h"
#include "shell/GLWindow.h"

#include <gtest/gtest.h>

namespace {

// A 40 x 40 square facing +z around the object's origin.
void makeSquare(dh::Mesh& mesh)
{
    mesh.setTriangles({-20, -20, 0, 20, -20, 0, 20, 20, 0, -20, -20, 0, 20, 20, 0, -20, 20, 0}, {});
}

class ObjectListDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        dh::setPerspectiveProjection(10000.0f);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_LIGHTING);
        glColor4f(1, 1, 1, 1);
        makeSquare(square);
    }

    bool litAt(int x, int y) const { return rendertest::pixelAt(x, y, dh::clientHeight()).r > 128; }

    dh::Mesh square;
    dh::ObjectList list;
};

}

TEST_F(ObjectListDrawing, DrawsVisibleMeshesThroughTheCameraAndSkipsTheRiddenObject)
{
    auto* station = new dh::StaticGameObject();
    station->mesh = &square;
    station->visible = true;
    station->position = {-100, 0, -300};
    auto* hidden = new dh::StaticGameObject();
    hidden->mesh = &square;
    hidden->position = {100, 0, -300};
    auto* ship = new dh::MovingGameObject();
    ship->mesh = &square;
    ship->visible = true;
    ship->position = {0, 0, -300};
    list.addObject(station);
    list.addObject(hidden);
    list.addObject(ship);

    // The camera rides with the ship, its eye at the origin, looking along -z.
    dh::Camera camera;
    camera.followed = ship;
    const int cx = dh::clientWidth() / 2;
    const int cy = dh::clientHeight() / 2;
    const int side = cy * 100 / 300;

    list.drawMeshes(camera);
    EXPECT_TRUE(litAt(cx - side, cy));
    EXPECT_FALSE(litAt(cx + side, cy));
    EXPECT_FALSE(litAt(cx, cy));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));

    glClear(GL_COLOR_BUFFER_BIT);
    camera.outsideView = true;
    list.drawMeshes(camera);
    EXPECT_TRUE(litAt(cx, cy));
    EXPECT_TRUE(litAt(cx - side, cy));

    // Back faces are culled: from behind, nothing shows.
    glClear(GL_COLOR_BUFFER_BIT);
    dh::Camera behind;
    behind.rotation.m = {-1, 0, 0, 0, 1, 0, 0, 0, -1};
    behind.position = {0, 0, -600};
    list.drawMeshes(behind);
    EXPECT_FALSE(litAt(cx, cy));
    list.clearObjects();
}
