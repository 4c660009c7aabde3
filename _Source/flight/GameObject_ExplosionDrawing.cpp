#include "flight/GameObject_Explosion.h"

#include "core/Camera.h"
#include "flight/FlightDrawing.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

namespace dh {

void GameObject_Explosion::render(const Camera& camera)
{
    if (remaining <= 0.0f) {
        return;
    }
    const Vector3 right = cameraRight(camera);
    const Vector3 up = cameraUp(camera);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadViewMatrix(camera);
    beginAdditive(false);
    bindOrUntextured(explosionTexture(static_cast<unsigned>(frame() - 1)));
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    for (const Fireball& fireball : fireballs) {
        const Vector3 r = right * fireball.size;
        const Vector3 u = up * fireball.size;
        const Vector3 corners[4] = {fireball.centre - r + u, fireball.centre + r + u, fireball.centre + r - u,
                                    fireball.centre - r - u};
        for (int i = 0; i < 4; ++i) {
            glTexCoord2f(fireball.texCoords[2 * i], fireball.texCoords[2 * i + 1]);
            glVertex3f(corners[i].x, corners[i].y, corners[i].z);
        }
    }
    glEnd();
    endAdditive();
    glPopMatrix();
}

}
