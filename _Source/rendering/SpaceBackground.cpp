#include "rendering/SpaceBackground.h"

#include "core/Random.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <vector>

namespace dh {

namespace {

constexpr int kSprites = 120;
constexpr int kStarPoints = 256;
constexpr GLsizei kFaceSize = 512;

struct SkySprites {
    std::vector<float> vertices;  // 4 corners of x, y, z a sprite
    std::vector<float> texCoords; // 4 corners of s, t a sprite
};

float randomAngle()
{
    return static_cast<float>(random() & 0xFFFFFFu) * kRandomAngleScale;
}

void addSprite(SkySprites& sky)
{
    const float a = randomAngle();
    const float b = randomAngle();
    const float c = randomAngle();
    const float square[4][2] = {{-16.0f, 16.0f}, {16.0f, 16.0f}, {16.0f, -16.0f}, {-16.0f, -16.0f}};
    for (const auto& corner : square) {
        float x = corner[0];
        float y = corner[1];
        float z = -48.0f;
        const float y1 = y * std::cos(a) - z * std::sin(a);
        const float z1 = y * std::sin(a) + z * std::cos(a);
        y = y1;
        z = z1;
        const float x2 = x * std::cos(b) - z * std::sin(b);
        const float z2 = x * std::sin(b) + z * std::cos(b);
        x = x2;
        z = z2;
        const float x3 = x * std::cos(c) + y * std::sin(c);
        const float y3 = y * std::cos(c) - x * std::sin(c);
        sky.vertices.insert(sky.vertices.end(), {x3, y3, z});
    }
    float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    if ((random() & 1u) != 0) {
        const float flipped[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
        std::copy(&flipped[0][0], &flipped[0][0] + 8, &st[0][0]);
    }
    if ((random() & 1u) != 0) {
        st[0][0] = 1;
        st[1][0] = 0;
        st[2][0] = 0;
        st[3][0] = 1;
        std::swap(st[0][1], st[1][1]);
        std::swap(st[2][1], st[3][1]);
    }
    sky.texCoords.insert(sky.texCoords.end(), &st[0][0], &st[0][0] + 8);
}

void setOffscreenState(const SkySprites& sky)
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glReadBuffer(GL_BACK);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glBlendFunc(GL_ONE, GL_ONE);
    glShadeModel(GL_FLAT);
    glDepthMask(GL_FALSE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, sky.vertices.data());
    glTexCoordPointer(2, GL_FLOAT, 0, sky.texCoords.data());
    glViewport(0, 0, kFaceSize, kFaceSize);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(90.0, 1.0, 1.0, 4096.0);
    glMatrixMode(GL_MODELVIEW);
}

struct FaceRender {
    float angle;
    float x, y;
    SpaceBackground::Face storedAs;
};

constexpr FaceRender kFaceRenders[6] = {
    {0.0f, 0.0f, 1.0f, SpaceBackground::MinusZ},   {180.0f, 0.0f, 1.0f, SpaceBackground::PlusZ},
    {-90.0f, 0.0f, 1.0f, SpaceBackground::MinusX}, {90.0f, 0.0f, 1.0f, SpaceBackground::PlusX},
    {90.0f, 1.0f, 0.0f, SpaceBackground::PlusY},   {-90.0f, 1.0f, 0.0f, SpaceBackground::MinusY},
};

struct SpriteGroup {
    GLint first;
    GLsizei count;
};

// Sprites 0-4, 5-109, 110-114 and 115-119 with stars1 .. stars4.
constexpr SpriteGroup kGroups[4] = {{0, 5}, {5, 105}, {110, 5}, {115, 5}};

void endStep(const char* step)
{
    if (SpaceBackground::stepEnded != nullptr) {
        SpaceBackground::stepEnded(step);
    }
}

}

SpaceBackground::SpaceBackground(const std::array<float, 3>& sunColour, GLTexture* planetTex)
    : sunColour(sunColour), planetTex(planetTex), sunTex(texture(Tex::star))
{
    renderSkyFaces();
    compileStarPoints();
}

SpaceBackground::~SpaceBackground()
{
    if (starListId != 0) {
        glDeleteLists(starListId, 1);
    }
}

void SpaceBackground::renderSkyFaces()
{
    SkySprites sky;
    sky.vertices.reserve(kSprites * 12);
    sky.texCoords.reserve(kSprites * 8);
    for (int i = 0; i < kSprites; ++i) {
        addSprite(sky);
    }
    endStep("sprites");
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPushAttrib(GL_PIXEL_MODE_BIT);
    setOffscreenState(sky);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kFaceSize) * kFaceSize * 4);
    std::array<GLTexture*, kCloudTextureCount> clouds{};
    for (std::size_t i = 0; i < clouds.size(); ++i) {
        clouds[i] = cloudTexture(i);
    }
    endStep("clouds");
    for (const FaceRender& face : kFaceRenders) {
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
        glRotatef(face.angle, face.x, face.y, 0.0f);
        for (std::size_t g = 0; g < 4; ++g) {
            clouds[g]->bind();
            glDrawArrays(GL_QUADS, 4 * kGroups[g].first, 4 * kGroups[g].count);
        }
        glFlush();
        endStep("render");
        glReadPixels(0, 0, kFaceSize, kFaceSize, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        endStep("read-back");
        skyFaces[face.storedAs] = std::make_unique<GLTexture>(pixels.data());
        endStep("mipmaps");
    }
    // Leave the window's own projection and viewport as they were.
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glPopAttrib();
}

void SpaceBackground::compileStarPoints()
{
    starListId = glGenLists(1);
    glNewList(starListId, GL_COMPILE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glPointSize(1.0f);
    glBegin(GL_POINTS);
    for (int i = 0; i < kStarPoints; ++i) {
        const auto coordinate = [] { return static_cast<float>(random() & 0xFFFFFFu) / 16777216.0f * 4096.0f - 2048.0f; };
        const float x = coordinate();
        const float y = coordinate();
        const float z = coordinate();
        glVertex3f(x, y, z);
    }
    glEnd();
    glEndList();
    endStep("stars");
}

}
