#include "core/Camera.h"
#include "flight/GameObject.h"
#include "flight/ObjectList.h"
#include "rendering/MeshDrawing.h"

#include <GL/gl.h>

namespace dh {

namespace {

void loadView(const Camera& camera)
{
    const Matrix4 view = getViewMatrix(camera);
    GLfloat columns[16];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            columns[4 * c + r] = view.m[4 * r + c];
        }
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(columns);
}

void drawVisible(std::span<GameObject* const> objects, const Camera& camera)
{
    for (const GameObject* obj : objects) {
        if (obj == nullptr || obj->mesh == nullptr || !obj->visible) {
            continue;
        }
        if (obj == camera.followed && !camera.outsideView) {
            continue;
        }
        drawMesh(obj->mesh, obj->orientation, obj->position.x, obj->position.y, obj->position.z);
    }
}

}

void ObjectList::drawMeshes(const Camera& camera)
{
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    loadView(camera);
    drawVisible(staticObjects(), camera);
    drawVisible(movingObjects(), camera);
    // Later passes draw with arrays of their own; none may read the meshes' normals.
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

}
