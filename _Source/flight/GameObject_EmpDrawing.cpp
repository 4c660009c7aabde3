#include "flight/GameObject_Emp.h"

#include "core/Camera.h"
#include "flight/FlightDrawing.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

namespace dh {

void GameObject_Emp::render(const Camera& camera)
{
    followOwner();
    const Vector3 eye = getEyePosition(camera);
    const float w = lifetime * 0.4f;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadViewMatrix(camera);
    beginAdditive(true);
    bindOrUntextured(texture(Tex::beam));
    glBegin(GL_QUADS);
    for (const auto& arc : arcs) {
        for (std::uint32_t i = 0; i + 1 < kArcPoints; ++i) {
            Vector3 corners[4];
            const Vector3 a = centre + arc[i];
            const Vector3 b = centre + arc[i + 1];
            if (!facingBand(a, b, eye, 8.0f, corners)) {
                continue;
            }
            // The arc glows in its middle points and is dark at both ends.
            const float glowA = i == 0 ? 0.0f : 1.0f;
            const float glowB = i + 2 == kArcPoints ? 0.0f : 1.0f;
            glColor4f(0.5f * w * glowA, 0.5f * w * glowA, w * glowA, 1.0f);
            glTexCoord2f(0.0f, 0.0f);
            glVertex3f(corners[0].x, corners[0].y, corners[0].z);
            glTexCoord2f(0.0f, 1.0f);
            glVertex3f(corners[1].x, corners[1].y, corners[1].z);
            glColor4f(0.5f * w * glowB, 0.5f * w * glowB, w * glowB, 1.0f);
            glTexCoord2f(1.0f, 1.0f);
            glVertex3f(corners[2].x, corners[2].y, corners[2].z);
            glTexCoord2f(1.0f, 0.0f);
            glVertex3f(corners[3].x, corners[3].y, corners[3].z);
        }
    }
    glEnd();
    endAdditive();
    glPopMatrix();
}

}
