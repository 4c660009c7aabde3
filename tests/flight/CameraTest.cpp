#include "flight/Camera.h"
#include "flight/FlightTestObjects.h"
#include "flight/Orientation.h"

#include <gtest/gtest.h>

#include <numbers>

using dh::Vector3;

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

Vector3 apply(const dh::Matrix4& m, Vector3 p)
{
    return {m.m[0] * p.x + m.m[1] * p.y + m.m[2] * p.z + m.m[3],
            m.m[4] * p.x + m.m[5] * p.y + m.m[6] * p.z + m.m[7],
            m.m[8] * p.x + m.m[9] * p.y + m.m[10] * p.z + m.m[11]};
}

void expectNear(Vector3 got, Vector3 want, float tolerance)
{
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
    EXPECT_NEAR(got.z, want.z, tolerance);
}

}

TEST(Camera, TurnsMultiplyOnTheRight)
{
    dh::Camera camera;
    dh::turnCameraYaw(camera, kPi / 2.0f);
    expectNear(camera.rotation.row(0), {0.0f, 0.0f, -1.0f}, 1e-6f);
    expectNear(camera.rotation.row(2), {1.0f, 0.0f, 0.0f}, 1e-6f);
    // rotation = Ry * Rx: the pitch acts in the camera's own frame.
    dh::turnCameraPitch(camera, kPi / 2.0f);
    expectNear(camera.rotation.row(0), {0.0f, 1.0f, 0.0f}, 1e-6f);
    expectNear(camera.rotation.row(1), {0.0f, 0.0f, 1.0f}, 1e-6f);
    expectNear(camera.rotation.row(2), {1.0f, 0.0f, 0.0f}, 1e-6f);
}

TEST(Camera, FreeAndFollowingCamerasViewFromTheirEye)
{
    dh::Camera free;
    free.position = {10.0f, 20.0f, 30.0f};
    dh::turnCameraYaw(free, 0.7f);
    const dh::Matrix4 freeView = dh::getViewMatrix(free);
    expectNear(apply(freeView, free.position), {}, 1e-5f);
    expectNear(apply(freeView, free.position + free.rotation.row(2)), {0.0f, 0.0f, 1.0f}, 1e-5f);

    flighttest::TestMover ship;
    ship.position = {100.0f, -50.0f, 25.0f};
    dh::yaw(ship, 0.4f);
    dh::pitch(ship, -0.3f);
    dh::Camera camera;
    camera.followed = &ship;
    camera.followedRotation = ship.orientation;
    camera.followedPosition = ship.position;
    camera.position = {0.0f, 5.0f, -20.0f};
    dh::turnCameraYaw(camera, kPi);

    // 5 up and 20 behind along the ship's own axes, looking along its nose.
    const Vector3 eye = ship.position + ship.orientation.row(1) * 5.0f - ship.forward() * 20.0f;
    expectNear(dh::getEyePosition(camera), eye, 1e-4f);
    const dh::Matrix4 view = dh::getViewMatrix(camera);
    expectNear(apply(view, eye), {}, 1e-4f);
    const Vector3 seen = apply(view, ship.position + ship.forward() * 100.0f);
    EXPECT_LT(seen.z, -100.0f);
    EXPECT_NEAR(seen.x, 0.0f, 1e-3f);
    const dh::Matrix3 rotation = dh::getViewRotation(camera);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(rotation.m[3 * r + c], view.m[4 * r + c]);
        }
    }
}
