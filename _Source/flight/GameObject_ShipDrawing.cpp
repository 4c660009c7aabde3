#include "flight/GameObject_Ship.h"

#include "core/Camera.h"
#include "flight/FlightDrawing.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

namespace dh {

void GameObject_Ship::drawBeam(const Camera& camera) const
{
    if (!laser.firing) {
        return;
    }
    Vector3 corners[4];
    const float halfWidth = (laser.beamWidth + 2.0f) * 0.5f;
    if (!facingBand(laser.beamStart, laser.beamEnd, getEyePosition(camera), halfWidth, corners)) {
        return;
    }
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadViewMatrix(camera);
    beginAdditive(true);
    bindOrUntextured(texture(Tex::beam));
    glColor4f(laser.colour.x, laser.colour.y, laser.colour.z, 1.0f);
    static constexpr float kTexCoords[4][2] = {{0.0f, 0.0f}, {0.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glTexCoord2f(kTexCoords[i][0], kTexCoords[i][1]);
        glVertex3f(corners[i].x, corners[i].y, corners[i].z);
    }
    glEnd();
    endAdditive();
    glPopMatrix();
}

}
