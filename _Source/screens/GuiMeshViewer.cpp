#include "screens/GuiMeshViewer.h"

#include "core/Matrix3.h"
#include "window/UiSpace.h"
#include "platform/PlatformEvents.h"
#include "rendering/Mesh.h"
#include "rendering/MeshDrawing.h"
#include "window/GLWindow.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace dh {

namespace {

constexpr float kRadiansToDegrees = 57.29578f;

struct WindowRect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// The widget's top-left corner through the current matrices, in window pixels
// with y up, and its size in pixels.
WindowRect windowRect(int x, int y, int width, int height)
{
    GLfloat modelview[16];
    GLfloat projection[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    const float in[4] = {static_cast<float>(x), static_cast<float>(y), 0.0f, 1.0f};
    float eye[4];
    float clip[4];
    for (int r = 0; r < 4; ++r)
        eye[r] = modelview[r] * in[0] + modelview[4 + r] * in[1] + modelview[8 + r] * in[2] + modelview[12 + r] * in[3];
    for (int r = 0; r < 4; ++r)
        clip[r] = projection[r] * eye[0] + projection[4 + r] * eye[1] + projection[8 + r] * eye[2] +
                  projection[12 + r] * eye[3];
    const float s = uiScale();
    WindowRect rect;
    rect.x = (clip[0] / clip[3] + 1.0f) * static_cast<float>(clientWidth()) / 2.0f;
    rect.y = (clip[1] / clip[3] + 1.0f) * static_cast<float>(clientHeight()) / 2.0f;
    rect.width = static_cast<float>(width) * s;
    rect.height = static_cast<float>(height) * s;
    return rect;
}

void setLighting()
{
    for (GLenum light = GL_LIGHT1; light <= GL_LIGHT7; ++light)
        glDisable(light);
    glEnable(GL_LIGHT0);
    const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    const GLfloat ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    const GLfloat direction[4] = {0.0f, 0.0f, 1.0f, 0.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0.0f);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightfv(GL_LIGHT0, GL_AMBIENT, black);
    glLightf(GL_LIGHT0, GL_SPOT_CUTOFF, 180.0f);
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 1.0f);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.0f);
    glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 0.0f);
}

void setDrawingState()
{
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_LIGHTING);
    glDepthFunc(GL_LEQUAL);
    // Writes first: a depth clear under a write mask left off clears nothing.
    glDepthMask(GL_TRUE);
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_STENCIL_TEST);
    for (GLenum plane = GL_CLIP_PLANE0; plane <= GL_CLIP_PLANE5; ++plane)
        glDisable(plane);
}

}

GuiMeshViewer::GuiMeshViewer() : lastClock(platformMilliseconds()) {}

void GuiMeshViewer::advanceSpin(std::uint32_t clock)
{
    deltaTicks = clock - lastClock;
    lastClock = clock;
    deltaSeconds = static_cast<float>(deltaTicks) / static_cast<float>(ticksPerSecond);
    if (spinY)
        angleY += deltaSeconds;
    if (spinX)
        angleX += deltaSeconds;
}

void GuiMeshViewer::onPaint()
{
    if (!mesh)
        return;
    advanceSpin(platformMilliseconds());
    const WindowRect rect = windowRect(x, y, width, height);
    const int viewWidth = static_cast<int>(rect.width);
    const int viewHeight = static_cast<int>(rect.height);
    // An empty viewport would make the perspective's aspect infinite.
    if (viewWidth <= 0 || viewHeight <= 0)
        return;

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glPushAttrib(GL_ENABLE_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    setDrawingState();

    glViewport(static_cast<int>(rect.x), static_cast<int>(rect.y) - viewHeight, viewWidth, viewHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(90.0, static_cast<double>(rect.width / rect.height), 0.001, 10000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);

    glTranslatef(0.0f, 0.0f, -(distance * mesh->boundRadius) - 1.0f);
    setLighting();
    glRotatef(angleX * kRadiansToDegrees, 1.0f, 0.0f, 0.0f);
    glRotatef(angleY * kRadiansToDegrees, 0.0f, 1.0f, 0.0f);
    drawMesh(mesh, Matrix3{}, 0.0f, 0.0f, 0.0f);

    glPopClientAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glDisable(GL_CULL_FACE);
    glPopAttrib();
    glViewport(0, 0, clientWidth(), clientHeight());
}

}
