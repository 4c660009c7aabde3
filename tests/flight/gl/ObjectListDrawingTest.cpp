#include "core/Camera.h"
#include "flight/MovingGameObject.h"
#include "flight/ObjectList.h"
#include "flight/StaticGameObject.h"
#include "rendering/Mesh.h"
#include "rendering/gl/TestImages.h"
#include "window/GLWindow.h"

namespace {

// A perspective view along -z over black, lighting off, white; drawMeshes
// turns on the client arrays it needs, and off again.
class ObjectListDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        rendertest::clearToPlainPerspectiveView();
        cx = dh::clientWidth() / 2;
        cy = dh::clientHeight() / 2;
    }

    static bool litAt(int x, int y) { return rendertest::pixelAt(x, y).r > 128; }

    int cx = 0;
    int cy = 0;
};

}

TEST_F(ObjectListDrawing, ObjectListDrawsVisibleMeshesThroughTheCameraAndSkipsTheRiddenObject)
{
    // 40 x 40, facing +z around the object's origin.
    dh::Mesh square;
    square.setTriangles({-20, -20, 0, 20, -20, 0, 20, 20, 0, -20, -20, 0, 20, 20, 0, -20, 20, 0}, {});
    dh::ObjectList list;
    const auto add = [&](dh::GameObject* object, float x, bool visible) {
        object->mesh = &square;
        object->visible = visible;
        object->position = {x, 0, -300};
        list.addObject(object);
        return object;
    };
    add(new dh::StaticGameObject(), -100, true);
    add(new dh::StaticGameObject(), 100, false);
    dh::GameObject* ship = add(new dh::MovingGameObject(), 0, true);

    // The camera rides with the ship, its eye at the origin, looking along -z.
    dh::Camera camera;
    camera.followed = ship;
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
