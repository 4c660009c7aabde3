// The particle pass draws its quads from one vertex array: the same pixels as
// the quads sent one vertex at a time, and the client arrays left as found.
#include "core/Camera.h"
#include "flight/FlightDrawing.h"
#include "flight/ParticleList.h"
#include "support/GlWindowSupport.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

struct ClientArrays {
    std::array<GLboolean, 6> enabled{};
    std::array<GLvoid*, 4> pointers{};
    std::array<GLint, 6> layout{};

    static ClientArrays now()
    {
        ClientArrays state;
        const GLenum arrays[6] = {GL_VERTEX_ARRAY,        GL_NORMAL_ARRAY, GL_COLOR_ARRAY,
                                  GL_TEXTURE_COORD_ARRAY, GL_INDEX_ARRAY,  GL_EDGE_FLAG_ARRAY};
        for (int i = 0; i < 6; ++i)
            state.enabled[i] = glIsEnabled(arrays[i]);
        const GLenum pointers[4] = {GL_VERTEX_ARRAY_POINTER, GL_NORMAL_ARRAY_POINTER, GL_COLOR_ARRAY_POINTER,
                                    GL_TEXTURE_COORD_ARRAY_POINTER};
        for (int i = 0; i < 4; ++i)
            glGetPointerv(pointers[i], &state.pointers[i]);
        const GLenum layout[6] = {GL_VERTEX_ARRAY_SIZE,        GL_VERTEX_ARRAY_STRIDE, GL_NORMAL_ARRAY_STRIDE,
                                  GL_TEXTURE_COORD_ARRAY_SIZE, GL_COLOR_ARRAY_SIZE,    GL_COLOR_ARRAY_STRIDE};
        for (int i = 0; i < 6; ++i)
            glGetIntegerv(layout[i], &state.layout[i]);
        return state;
    }
    bool operator==(const ClientArrays&) const = default;
};

// The quads one vertex at a time, as the pass drew them before it used an array.
void drawImmediately(const dh::ParticleList& list, const dh::Camera& camera)
{
    const dh::Vector3 right = dh::cameraRight(camera);
    const dh::Vector3 up = dh::cameraUp(camera);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    dh::loadViewMatrix(camera);
    dh::beginAdditive(false);
    dh::bindOrUntextured(dh::texture(dh::Tex::particle));
    glBegin(GL_QUADS);
    for (const dh::Particle& p : list.particles()) {
        const dh::Vector3 colour = dh::drawnColour(p);
        const dh::Vector3 r = right * p.size;
        const dh::Vector3 u = up * p.size;
        const dh::Vector3 corners[4] = {p.position - r + u, p.position + r + u, p.position + r - u, p.position - r - u};
        static constexpr float kTexCoords[4][2] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
        glColor4f(colour.x, colour.y, colour.z, 1.0f);
        for (int i = 0; i < 4; ++i) {
            glTexCoord2f(kTexCoords[i][0], kTexCoords[i][1]);
            glVertex3f(corners[i].x, corners[i].y, corners[i].z);
        }
    }
    glEnd();
    dh::endAdditive();
    glPopMatrix();
}

// A full list of overlapping particles of every size, colour and age in
// front of a turned camera.
void fill(dh::ParticleList& list)
{
    for (std::uint32_t i = 0; list.count() < dh::ParticleList::kCapacity; ++i) {
        const float k = static_cast<float>(i);
        dh::Particle p;
        p.position = {std::sin(k * 0.37f) * 300.0f, std::cos(k * 0.53f) * 220.0f, -400.0f - std::fmod(k * 7.0f, 600.0f)};
        p.red = std::fmod(k * 0.13f, 1.0f);
        p.green = std::fmod(k * 0.29f, 1.0f);
        p.blue = std::fmod(k * 0.71f, 1.0f);
        p.size = 1.0f + std::fmod(k * 3.7f, 30.0f);
        p.initialLife = 1.0f;
        p.life = std::fmod(k * 0.077f, 1.0f);
        list.add(p);
    }
}

}

TEST(ParticleDrawing, OneVertexArrayDrawsTheSamePixelsAndLeavesTheClientArraysAsFound)
{
    ASSERT_TRUE(testsupport::openWindowWith(testsupport::Art::FontsAndTextures));
    dh::setPerspectiveProjection(262144.0f);
    glDisable(GL_DEPTH_TEST);
    dh::ParticleList list;
    fill(list);
    dh::Camera camera;
    camera.rotation.m = {0.96f, 0.0f, -0.28f, 0.0f, 1.0f, 0.0f, 0.28f, 0.0f, 0.96f};
    camera.position = {20.0f, -10.0f, 30.0f};

    // Arrays a mesh pass might leave behind: a short normal array is on and
    // must not be read for the particles' many vertices.
    static const float kNormals[9] = {0, 0, 1, 0, 0, 1, 0, 0, 1};
    static const float kPositions[9] = {0, 0, 0, 1, 0, 0, 0, 1, 0};
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, kPositions);
    glNormalPointer(GL_FLOAT, 0, kNormals);
    const ClientArrays before = ClientArrays::now();

    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    list.drawParticles(&camera);
    EXPECT_TRUE(ClientArrays::now() == before);
    const std::vector<std::uint8_t> arrayPixels = testsupport::readBackTopDown(GL_RGBA, 4);

    glClear(GL_COLOR_BUFFER_BIT);
    drawImmediately(list, camera);
    const std::vector<std::uint8_t> immediatePixels = testsupport::readBackTopDown(GL_RGBA, 4);
    EXPECT_TRUE(arrayPixels == immediatePixels);
    const auto lit = std::count_if(immediatePixels.begin(), immediatePixels.end(), [](std::uint8_t v) { return v > 40; });
    EXPECT_GT(lit, static_cast<long>(immediatePixels.size() / 10)) << "the particles cover much of the view";

    // Both arrays off as found: the pass turns its own on and off again.
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    const ClientArrays off = ClientArrays::now();
    list.drawParticles(&camera);
    EXPECT_TRUE(ClientArrays::now() == off);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
