// The star points drawn by the background against all 27 cells drawn in the
// plain way, with the same fog, blending and depth state: leaving out the
// cells that fog or the view volume hide must not change one pixel.
#include "core/Camera.h"
#include "core/Random.h"
#include "rendering/SpaceBackground.h"
#include "rendering/gl/TestImages.h"
#include "window/GLWindow.h"

#include <cmath>
#include <memory>
#include <random>

namespace {

constexpr float kCell = 4096.0f;

void clearFrame()
{
    glClearColor(0, 0, 0, 1);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void loadRotation(const dh::Matrix3& r)
{
    const GLfloat columns[16] = {r.m[0], r.m[3], r.m[6], 0, r.m[1], r.m[4], r.m[7], 0,
                                 r.m[2], r.m[5], r.m[8], 0, 0,      0,      0,      1};
    glLoadMatrixf(columns);
}

// Every one of the 27 cells around the eye.
void drawAllCells(const dh::SpaceBackground& background, const dh::Camera& camera)
{
    glEnable(GL_BLEND);
    glEnable(GL_FOG);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glShadeModel(GL_FLAT);
    glDepthMask(GL_FALSE);
    glBlendFunc(GL_ONE, GL_ONE);
    const GLfloat black[4] = {0, 0, 0, 0};
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, black);
    glFogf(GL_FOG_START, 0.0f);
    glFogf(GL_FOG_END, 2048.0f);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadRotation(dh::getViewRotation(camera));
    const dh::Vector3 eye = dh::getEyePosition(camera);
    glTranslatef(-std::fmod(eye.x, kCell), -std::fmod(eye.y, kCell), -std::fmod(eye.z, kCell));
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j)
            for (int k = -1; k <= 1; ++k) {
                glPushMatrix();
                glTranslatef(kCell * static_cast<float>(i), kCell * static_cast<float>(j), kCell * static_cast<float>(k));
                glCallList(background.starListId);
                glPopMatrix();
            }
    glPopMatrix();
    glDisable(GL_FOG);
}

dh::Matrix3 randomRotation(std::mt19937& generator)
{
    std::normal_distribution<float> normal;
    const dh::Vector3 forward = dh::normalized({normal(generator), normal(generator), normal(generator)});
    const dh::Vector3 right = dh::normalized(dh::cross({0.0f, 1.0f, 0.0f}, forward));
    const dh::Vector3 up = dh::cross(forward, right);
    dh::Matrix3 m;
    m.m = {right.x, right.y, right.z, up.x, up.y, up.z, forward.x, forward.y, forward.z};
    return m;
}

}

TEST(StarPointCells, TheCellsLeftOutChangeNoPixelFromAnyEyeOrDirection)
{
    dh::createGLWindow();
    ASSERT_TRUE(dh::isWindowOpen());
    dh::setPerspectiveProjection(262144.0f);
    dh::g_randomSeed = 31337;
    const dh::SpaceBackground background({1.0f, 1.0f, 1.0f}, nullptr);
    std::mt19937 generator(5);
    std::uniform_real_distribution<float> coordinate(-20000.0f, 20000.0f);
    // Eyes anywhere, and eyes on and beside cell borders, where cells change.
    const dh::Vector3 borders[] = {{0, 0, 0}, {2048, -2048, 2048}, {4095.9f, 1, -4095.9f}, {-6144, 6144.5f, 12}};
    for (int view = 0; view < 40; ++view) {
        dh::Camera camera;
        camera.rotation = randomRotation(generator);
        camera.position = view < 4 ? borders[view] : dh::Vector3{coordinate(generator), coordinate(generator), coordinate(generator)};
        clearFrame();
        background.drawStarPoints(camera);
        const std::vector<std::uint8_t> drawn = testsupport::readBackTopDown(GL_RGBA, 4);
        clearFrame();
        drawAllCells(background, camera);
        EXPECT_EQ(drawn, testsupport::readBackTopDown(GL_RGBA, 4)) << "view " << view;
    }
}
