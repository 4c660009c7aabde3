#include "flight/FlightDrawing.h"

#include "core/Camera.h"
#include "flight/GameObject.h"
#include "rendering/GLTexture.h"

#include <GL/gl.h>

namespace dh {

namespace {

void loadRowMatrix(const Matrix4& rows)
{
    GLfloat columns[16];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            columns[4 * c + r] = rows.m[4 * r + c];
        }
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(columns);
}

}

void loadViewMatrix(const Camera& camera)
{
    loadRowMatrix(getViewMatrix(camera));
}

void loadObjectMatrix(const Camera& camera, const GameObject& obj)
{
    Matrix4 model;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            // The orientation's rows are the object's axes: they become columns.
            model.m[4 * r + c] = obj.orientation.m[3 * c + r];
        }
    }
    model.m[3] = obj.position.x;
    model.m[7] = obj.position.y;
    model.m[11] = obj.position.z;
    Matrix4 view = getViewMatrix(camera);
    Matrix4 combined = model;
    multiply4(view, combined);
    loadRowMatrix(combined);
}

bool facingBand(Vector3 a, Vector3 b, Vector3 eye, float halfWidth, Vector3 (&corners)[4])
{
    Vector3 side = cross(normalized(b - a), normalized(eye - a));
    if (lengthSquared(side) < 0.01f) {
        return false;
    }
    normalize(side);
    side *= halfWidth;
    corners[0] = a - side;
    corners[1] = a + side;
    corners[2] = b + side;
    corners[3] = b - side;
    return true;
}

Vector3 cameraRight(const Camera& camera)
{
    return getViewRotation(camera).row(0);
}

Vector3 cameraUp(const Camera& camera)
{
    return getViewRotation(camera).row(1);
}

void beginAdditive(bool sourceAlpha)
{
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_CURRENT_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(sourceAlpha ? GL_SRC_ALPHA : GL_ONE, GL_ONE);
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
}

void endAdditive()
{
    glPopAttrib();
}

void bindOrUntextured(const GLTexture* texture)
{
    if (texture != nullptr) {
        texture->bind();
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

}
