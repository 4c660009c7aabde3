#include "flight/ParticleList.h"

#include "core/Camera.h"
#include "flight/FlightDrawing.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

namespace dh {

void ParticleList::drawParticles(const Camera* camera) const
{
    if (camera == nullptr || count_ == 0) {
        return;
    }
    const Vector3 right = cameraRight(*camera);
    const Vector3 up = cameraUp(*camera);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadViewMatrix(*camera);
    beginAdditive(false);
    bindOrUntextured(texture(Tex::particle));
    glBegin(GL_QUADS);
    for (const Particle& p : particles()) {
        const Vector3 colour = drawnColour(p);
        const Vector3 r = right * p.size;
        const Vector3 u = up * p.size;
        const Vector3 corners[4] = {p.position - r + u, p.position + r + u, p.position + r - u, p.position - r - u};
        static constexpr float kTexCoords[4][2] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
        glColor4f(colour.x, colour.y, colour.z, 1.0f);
        for (int i = 0; i < 4; ++i) {
            glTexCoord2f(kTexCoords[i][0], kTexCoords[i][1]);
            glVertex3f(corners[i].x, corners[i].y, corners[i].z);
        }
    }
    glEnd();
    endAdditive();
    glPopMatrix();
}

}
