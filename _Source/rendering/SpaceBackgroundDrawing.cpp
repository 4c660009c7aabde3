#include "core/Camera.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace dh {

namespace {

constexpr float kSky = 48.0f;
constexpr float kCell = 4096.0f;
constexpr Vector3 kPlanetDirection{-32.0f, 0.0f, -64.0f};
constexpr Vector3 kSunDirection{16.0f, 0.0f, 32.0f};

void loadRotation(const Matrix3& r)
{
    const GLfloat columns[16] = {
        r.m[0], r.m[3], r.m[6], 0.0f, r.m[1], r.m[4], r.m[7], 0.0f,
        r.m[2], r.m[5], r.m[8], 0.0f, 0.0f,   0.0f,   0.0f,   1.0f,
    };
    glLoadMatrixf(columns);
}

void bindOrNone(const GLTexture* tex)
{
    glBindTexture(GL_TEXTURE_2D, tex != nullptr ? tex->textureId : 0);
}

// A square facing the eye, corners from top-left clockwise.
void eyeSquare(Vector3 centre, float halfSize)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(centre.x - halfSize, centre.y + halfSize, centre.z);
    glTexCoord2f(1, 0);
    glVertex3f(centre.x + halfSize, centre.y + halfSize, centre.z);
    glTexCoord2f(1, 1);
    glVertex3f(centre.x + halfSize, centre.y - halfSize, centre.z);
    glTexCoord2f(0, 1);
    glVertex3f(centre.x - halfSize, centre.y - halfSize, centre.z);
    glEnd();
}

struct SkyFaceCorners {
    SpaceBackground::Face face;
    float corners[4][3];
};

constexpr float S = kSky;
constexpr SkyFaceCorners kSkyFaces[6] = {
    {SpaceBackground::MinusZ, {{-S, S, -S}, {S, S, -S}, {S, -S, -S}, {-S, -S, -S}}},
    {SpaceBackground::PlusZ, {{S, S, S}, {-S, S, S}, {-S, -S, S}, {S, -S, S}}},
    {SpaceBackground::MinusX, {{-S, S, S}, {-S, S, -S}, {-S, -S, -S}, {-S, -S, S}}},
    {SpaceBackground::PlusX, {{S, S, -S}, {S, S, S}, {S, -S, S}, {S, -S, -S}}},
    {SpaceBackground::PlusY, {{-S, S, S}, {S, S, S}, {S, S, -S}, {-S, S, -S}}},
    {SpaceBackground::MinusY, {{-S, -S, -S}, {S, -S, -S}, {S, -S, S}, {-S, -S, S}}},
};

struct FlareSquare {
    float f;
    Tex texture;
};

constexpr FlareSquare kFlare[4] = {{4.0f, Tex::lens2}, {8.0f, Tex::lens1}, {28.0f, Tex::lens1}, {32.0f, Tex::lens2}};

constexpr float kFogEnd = 2048.0f;
// Star coordinates lie within half a cell of the cell's centre; the box
// tested is a little larger, so that float rounding in the driver cannot
// show a star the test has left out.
constexpr double kCellReach = kCell / 2.0 + 16.0;

// Whether no star of the cell centred at `centre` (relative to the eye, in
// world axes) can change a pixel: every one is fogged to black, which the
// additive blending adds as nothing, or every one lies outside the view
// volume. The fog distance is the eye-plane depth or more (the absolute
// depth or the radial distance), so a cell at least kFogEnd beyond the eye
// plane is black whichever the driver uses.
bool cellHidden(const Matrix3& view, const GLfloat* projection, Vector3 centre)
{
    std::array<std::array<double, 4>, 8> clip{};
    double nearestDepth = kFogEnd;
    for (int corner = 0; corner < 8; ++corner) {
        const double p[3] = {centre.x + ((corner & 1) != 0 ? kCellReach : -kCellReach),
                             centre.y + ((corner & 2) != 0 ? kCellReach : -kCellReach),
                             centre.z + ((corner & 4) != 0 ? kCellReach : -kCellReach)};
        double e[4] = {0.0, 0.0, 0.0, 1.0};
        for (int row = 0; row < 3; ++row) {
            e[row] = view.m[row * 3] * p[0] + view.m[row * 3 + 1] * p[1] + view.m[row * 3 + 2] * p[2];
        }
        nearestDepth = std::min(nearestDepth, -e[2]);
        for (int row = 0; row < 4; ++row) {
            clip[corner][row] = projection[row] * e[0] + projection[4 + row] * e[1] + projection[8 + row] * e[2]
                              + projection[12 + row] * e[3];
        }
    }
    if (nearestDepth >= kFogEnd) {
        return true;
    }
    for (int axis = 0; axis < 3; ++axis) {
        for (const double side : {1.0, -1.0}) {
            bool allOutside = true;
            for (const auto& c : clip) {
                allOutside = allOutside && c[3] + side * c[axis] < 0.0;
            }
            if (allOutside) {
                return true;
            }
        }
    }
    return false;
}

}

void SpaceBackground::drawSky(const Camera& camera) const
{
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glShadeModel(GL_FLAT);
    glDepthMask(GL_FALSE);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    const Matrix3 view = getViewRotation(camera);
    loadRotation(view);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (const SkyFaceCorners& face : kSkyFaces) {
        bindOrNone(skyFaces[face.face].get());
        glBegin(GL_QUADS);
        for (int k = 0; k < 4; ++k) {
            glTexCoord2fv(st[k]);
            glVertex3fv(face.corners[k]);
        }
        glEnd();
    }
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glLoadIdentity();
    bindOrNone(planetTex);
    eyeSquare(transform(view, kPlanetDirection), 8.0f);
    bindOrNone(sunTex);
    glColor4f(sunColour[0], sunColour[1], sunColour[2], 1.0f);
    eyeSquare(transform(view, kSunDirection), 8.0f);
    glPopMatrix();
}

void SpaceBackground::drawStarPoints(const Camera& camera) const
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
    const GLfloat fogColour[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, fogColour);
    glFogf(GL_FOG_START, 0.0f);
    glFogf(GL_FOG_END, kFogEnd);
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    const Matrix3 view = getViewRotation(camera);
    loadRotation(view);
    const Vector3 eye = getEyePosition(camera);
    const Vector3 offset{-std::fmod(eye.x, kCell), -std::fmod(eye.y, kCell), -std::fmod(eye.z, kCell)};
    glTranslatef(offset.x, offset.y, offset.z);
    // The same 256 stars repeat in every 4096-unit cell around the eye.
    for (int i = -1; i <= 1; ++i) {
        for (int j = -1; j <= 1; ++j) {
            for (int k = -1; k <= 1; ++k) {
                const Vector3 centre = offset + Vector3{kCell * static_cast<float>(i), kCell * static_cast<float>(j),
                                                        kCell * static_cast<float>(k)};
                if (cellHidden(view, projection, centre)) {
                    continue;
                }
                glPushMatrix();
                glTranslatef(kCell * static_cast<float>(i), kCell * static_cast<float>(j), kCell * static_cast<float>(k));
                glCallList(starListId);
                glPopMatrix();
            }
        }
    }
    glPopMatrix();
    glDisable(GL_FOG);
}

void SpaceBackground::drawLensFlare(const Camera& camera) const
{
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDepthMask(GL_FALSE);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const Vector3 sun = transform(getViewRotation(camera), kSunDirection);
    Vector3 d{sun.x, sun.y, -sun.z};
    if (d.x == 0.0f && d.y == 0.0f && d.z == 0.0f) {
        d = {1.0f, 0.0f, 0.0f};
    } else {
        const float len = length(sun);
        d = {d.x / len, d.y / len, d.z / len};
    }
    glColor4f(sunColour[0], sunColour[1], sunColour[2], 1.0f);
    for (const FlareSquare& square : kFlare) {
        bindOrNone(texture(square.texture));
        eyeSquare(sun + square.f * d, 24.0f);
    }
    glPopMatrix();
}

}
