#include "flight/GameObject_SpaceStation.h"

#include "flight/FlightDrawing.h"

#include <GL/gl.h>

namespace dh {

namespace {

// Slices across the docking bay, from its back wall to its mouth.
struct BaySlice {
    float z;
    float shade;
};
constexpr BaySlice kBaySlices[] = {{-150.0f, 0.0f}, {-100.0f, 0.4f}, {0.0f, 0.4f}, {100.0f, 0.4f}, {200.0f, 0.4f}};

}

void GameObject_SpaceStation::render(const Camera& camera)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadObjectMatrix(camera, *this);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    // The squares multiply what is behind them by their colour: the bay darkens inwards.
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_SRC_COLOR);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
    glDepthMask(GL_FALSE);
    glBegin(GL_QUADS);
    for (const BaySlice& slice : kBaySlices) {
        glColor4f(slice.shade, slice.shade, slice.shade, 1.0f);
        glVertex3f(-100.0f, -100.0f, slice.z);
        glVertex3f(100.0f, -100.0f, slice.z);
        glVertex3f(100.0f, 100.0f, slice.z);
        glVertex3f(-100.0f, 100.0f, slice.z);
    }
    glEnd();
    glPopAttrib();
    glPopMatrix();
}

}
