#include "flight/Camera.h"
#include "flight/FlightTestObjects.h"
#include "flight/Orientation.h"

#include <gtest/gtest.h>

#include <cmath>
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
    // rotation * Ry from the identity is Ry: rows (0, 0, -1), (0, 1, 0), (1, 0, 0).
    expectNear(camera.rotation.row(0), {0.0f, 0.0f, -1.0f}, 1e-6f);
    expectNear(camera.rotation.row(2), {1.0f, 0.0f, 0.0f}, 1e-6f);

    // A yaw followed by a pitch: rotation = Ry * Rx, so the pitch acts in the
    // camera's own frame, not the world's.
    dh::turnCameraPitch(camera, kPi / 2.0f);
    expectNear(camera.rotation.row(0), {0.0f, 1.0f, 0.0f}, 1e-6f);
    expectNear(camera.rotation.row(1), {0.0f, 0.0f, 1.0f}, 1e-6f);
    expectNear(camera.rotation.row(2), {1.0f, 0.0f, 0.0f}, 1e-6f);
}

// Every outside view sits 150 units from the ship on one side and looks back
// at it, and the camera that circles a wreck keeps looking at the wreck: the
// eye looks along the negative third row of its rotation.
TEST(Camera, OutsideViewsAndTheCirclingCameraLookAtTheirObject)
{
    const struct {
        Vector3 position;
        float yaw;
        float pitch;
    } views[] = {{{0, 0, -150}, kPi, 0},         {{0, 0, 150}, 0, 0},         {{-150, 0, 0}, -kPi / 2, 0},
                 {{150, 0, 0}, kPi / 2, 0},      {{0, 150, 0}, 0, -kPi / 2},  {{0, -150, 0}, 0, kPi / 2}};
    for (const auto& view : views) {
        dh::Camera camera;
        dh::turnCameraYaw(camera, view.yaw);
        dh::turnCameraPitch(camera, view.pitch);
        const Vector3 look = camera.rotation.row(2) * -1.0f;
        expectNear(look, view.position * (-1.0f / 150.0f), 1e-6f);
    }
    for (float angle : {0.3f, 1.0f, 2.5f, 4.0f}) {
        dh::Camera camera;
        dh::turnCameraYaw(camera, -angle);
        const Vector3 offset{-800.0f * std::sin(angle), 0.0f, 800.0f * std::cos(angle)};
        expectNear(camera.rotation.row(2) * -1.0f, offset * (-1.0f / 800.0f), 1e-5f);
    }
}

TEST(Camera, FreeCameraViewsFromItsPosition)
{
    dh::Camera camera;
    camera.position = {10.0f, 20.0f, 30.0f};
    dh::turnCameraYaw(camera, 0.7f);
    const dh::Matrix4 view = dh::getViewMatrix(camera);
    expectNear(apply(view, camera.position), {}, 1e-5f);
    // A point one unit along the camera's third axis lies at (0, 0, 1) in eye space.
    const Vector3 ahead = camera.position + camera.rotation.row(2);
    expectNear(apply(view, ahead), {0.0f, 0.0f, 1.0f}, 1e-5f);
    EXPECT_EQ(dh::getViewRotation(camera).m, camera.rotation.m);
    EXPECT_EQ(dh::getEyePosition(camera), camera.position);
    EXPECT_EQ(view.m[12], 0.0f);
    EXPECT_EQ(view.m[15], 1.0f);
}

TEST(Camera, FollowingCameraRidesInTheObjectsFrame)
{
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

    // The eye sits 5 up and 20 behind, along the ship's own axes.
    const Vector3 eye = ship.position + ship.orientation.row(1) * 5.0f - ship.forward() * 20.0f;
    expectNear(dh::getEyePosition(camera), eye, 1e-4f);

    const dh::Matrix4 view = dh::getViewMatrix(camera);
    expectNear(apply(view, eye), {}, 1e-4f);
    // Turned by pi, the camera looks along its negative third axis, which is the
    // ship's nose: a point ahead of the ship is in front of the eye (z < 0).
    const Vector3 ahead = ship.position + ship.forward() * 100.0f;
    const Vector3 seen = apply(view, ahead);
    EXPECT_LT(seen.z, -100.0f);
    EXPECT_NEAR(seen.x, 0.0f, 1e-3f);

    // The view rotation is the rotation part of the view matrix.
    const dh::Matrix3 rotation = dh::getViewRotation(camera);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(rotation.m[3 * r + c], view.m[4 * r + c]);
        }
    }
}
