#include "flight/ParticleList.h"

#include "core/Camera.h"
#include "flight/FlightDrawing.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

namespace dh {

// Each particle a square facing the camera, corners counter-clockwise from
// the top left, in the particles' order.
std::uint32_t ParticleList::fillVertices(const Camera& camera) const
{
    static constexpr float kTexCoords[4][2] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
    const Vector3 right = cameraRight(camera);
    const Vector3 up = cameraUp(camera);
    ParticleVertex* vertex = vertices_->data();
    for (const Particle& p : particles()) {
        const Vector3 colour = drawnColour(p);
        const Vector3 r = right * p.size;
        const Vector3 u = up * p.size;
        const Vector3 corners[4] = {p.position - r + u, p.position + r + u, p.position + r - u, p.position - r - u};
        for (int i = 0; i < 4; ++i) {
            *vertex++ = {kTexCoords[i][0], kTexCoords[i][1], colour.x, colour.y, colour.z, 1.0f, corners[i]};
        }
    }
    return 4 * count_;
}

void ParticleList::drawParticles(const Camera* camera) const
{
    if (camera == nullptr || count_ == 0) {
        return;
    }
    const std::uint32_t vertexCount = fillVertices(*camera);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadViewMatrix(*camera);
    beginAdditive(false);
    bindOrUntextured(texture(Tex::particle));
    // Only the three arrays of the quads are on while they draw; the caller's
    // arrays and pointers come back afterwards.
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_INDEX_ARRAY);
    glDisableClientState(GL_EDGE_FLAG_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    const ParticleVertex* vertices = vertices_->data();
    glTexCoordPointer(2, GL_FLOAT, sizeof(ParticleVertex), &vertices->s);
    glColorPointer(4, GL_FLOAT, sizeof(ParticleVertex), &vertices->red);
    glVertexPointer(3, GL_FLOAT, sizeof(ParticleVertex), &vertices->position);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertexCount));
    glPopClientAttrib();
    endAdditive();
    glPopMatrix();
}

}
