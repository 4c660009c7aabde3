#include "flight/LightSet.h"

#include "flight/FlightDrawing.h"

#include <GL/gl.h>

namespace dh {

std::uint32_t queryDriverLights()
{
    GLint lights = 0;
    glGetIntegerv(GL_MAX_LIGHTS, &lights);
    return lights > 0 ? static_cast<std::uint32_t>(lights) : 0u;
}

void LightSet::applyLights(const Camera& camera) const
{
    glEnable(GL_LIGHTING);
    glMatrixMode(GL_MODELVIEW);
    loadViewMatrix(camera);

    const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat black[] = {0.0f, 0.0f, 0.0f, 1.0f};
    const GLfloat globalAmbient[] = {0.2f, 0.2f, 0.2f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0.0f);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, globalAmbient);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);

    for (std::uint32_t i = 0; i < capacity_; ++i) {
        const GLenum id = GL_LIGHT0 + i;
        if (i >= count_) {
            glDisable(id);
            continue;
        }
        const Light& light = *lights_[i];
        glEnable(id);
        glLightfv(id, GL_POSITION, light.position.data());
        glLightfv(id, GL_DIFFUSE, light.colour.data());
        glLightfv(id, GL_SPECULAR, light.colour.data());
        glLightfv(id, GL_AMBIENT, black);
        glLightf(id, GL_SPOT_CUTOFF, 180.0f);
        glLightf(id, GL_CONSTANT_ATTENUATION, 1.0f);
        glLightf(id, GL_LINEAR_ATTENUATION, 1.0f / light.range);
        glLightf(id, GL_QUADRATIC_ATTENUATION, 0.0f);
    }
}

}
