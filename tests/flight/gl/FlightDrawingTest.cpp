#include "core/Camera.h"
#include "flight/GameObject_Emp.h"
#include "flight/GameObject_Explosion.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/LightSet.h"
#include "flight/ParticleList.h"
#include "flight/Ship_ExplorerMark1.h"
#include "rendering/TextureList.h"
#include "window/GLWindow.h"
#include "support/GlWindowSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

using namespace dh;

namespace {

// Untextured drawing, seen from a free camera at the origin looking down -z.
class FlightDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        createGLWindow();
        ASSERT_TRUE(isWindowOpen());
        for (std::unique_ptr<GLTexture>& tex : g_textures)
            tex.reset();
        setPerspectiveProjection(10000.0f);
        clear(0.0f);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
    }
    static void clear(float grey)
    {
        glClearColor(grey, grey, grey, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    // The pixel `dx` right of the centre of the back buffer.
    static std::array<int, 3> pixel(int dx = 0, int dy = 0)
    {
        std::uint8_t p[4] = {};
        glReadBuffer(GL_BACK);
        glReadPixels(clientWidth() / 2 + dx, clientHeight() - 1 - clientHeight() / 2 - dy, 1, 1, GL_RGBA,
                     GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }
    static int litPixels()
    {
        const std::vector<std::uint8_t> rgb = testsupport::readBackTopDown(GL_RGB, 3);
        int lit = 0;
        for (std::size_t i = 0; i < rgb.size(); i += 3)
            lit += rgb[i] + rgb[i + 1] + rgb[i + 2] > 0 ? 1 : 0;
        clear(0.0f);
        return lit;
    }

    Camera camera;
};

}

TEST_F(FlightDrawing, AParticleAtHalfItsLifeShowsHalfItsColour)
{
    ParticleList particles;
    particles.add({.position = {0.0f, 0.0f, -300.0f}, .red = 1.0f, .green = 0.5f, .velocity = {}, .size = 20.0f,
                   .life = 0.15f, .initialLife = 0.3f});
    particles.drawParticles(&camera);
    EXPECT_NEAR(pixel()[0], 128, 1);
    EXPECT_NEAR(pixel()[1], 64, 1);
    EXPECT_EQ(pixel(60)[0], 0) << "20 units at 300 is about 20 pixels";
}

TEST_F(FlightDrawing, TheLaserBeamIsDrawnInTheClassColourUnlessSeenEndOnOrOff)
{
    Ship_ExplorerMark1 ship(0.0f, -5000.0f);
    ship.laser.firing = true;
    ship.laser.beamWidth = 0.0f;
    ship.laser.beamStart = {-100.0f, 0.0f, -300.0f};
    ship.laser.beamEnd = {100.0f, 0.0f, -300.0f};
    ship.render(camera);
    EXPECT_EQ(pixel(), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(pixel(0, 10)[0], 0) << "two units wide";
    clear(0.0f);
    ship.laser.firing = false;
    ship.render(camera);
    EXPECT_EQ(litPixels(), 0);
    ship.laser.firing = true;
    ship.laser.beamStart = {0.0f, 0.0f, -100.0f};
    ship.laser.beamEnd = {0.0f, 0.0f, -900.0f};
    ship.render(camera);
    EXPECT_EQ(litPixels(), 0);
}

TEST_F(FlightDrawing, ExplosionsAndEmpArcsShowOnlyWhileTheyLast)
{
    GameObject_Explosion explosion(0.0f, 0.0f, -600.0f, 100.0f);
    explosion.render(camera);
    EXPECT_GT(litPixels(), 100);
    explosion.remaining = 0.0f;
    explosion.render(camera);
    EXPECT_EQ(litPixels(), 0);

    Ship_ExplorerMark1 owner(0.0f, -2000.0f);
    GameObject_Emp bomb(&owner);
    bomb.render(camera);
    EXPECT_GT(litPixels(), 100);
    bomb.lifetime = 0.0f;
    bomb.render(camera);
    EXPECT_EQ(litPixels(), 0);
}

TEST_F(FlightDrawing, TheStationDarkensItsDockingBayOnly)
{
    clear(200.0f / 255.0f);
    GameObject_SpaceStation station(nullptr);
    station.position = {0.0f, 0.0f, -1000.0f};
    station.render(camera);
    EXPECT_EQ(pixel()[0], 0) << "the back wall of the bay is black";
    EXPECT_NEAR(pixel(100)[0], 200, 1) << "outside the bay";
    EXPECT_NEAR(pixel(35)[0], 80, 2) << "the slice at the mouth alone: 0.4 of the grey";
}

TEST_F(FlightDrawing, LightsUseTheFirstSlotsAndSwitchOffTheRest)
{
    LightSet lights(8);
    auto sun = std::make_unique<Light>();
    sun->position = {0.0f, 0.0f, 1.0f, 0.0f};
    sun->colour = {1.0f, 0.5f, 0.25f, 1.0f};
    sun->range = 4.0f;
    lights.add(std::move(sun));
    glEnable(GL_LIGHT3);
    lights.applyLights(camera);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT3));
    GLfloat value[4] = {};
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, value);
    EXPECT_EQ(value[1], 0.5f);
    glGetLightfv(GL_LIGHT0, GL_LINEAR_ATTENUATION, value);
    EXPECT_EQ(value[0], 0.25f);
    glDisable(GL_LIGHTING);
}
