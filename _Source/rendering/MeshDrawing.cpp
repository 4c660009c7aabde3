#include "rendering/MeshDrawing.h"

#include "core/Matrix3.h"
#include "rendering/Mesh.h"

#include <GL/gl.h>

namespace dh {

void drawMesh(const Mesh* mesh, const Matrix3& orientation, float x, float y, float z)
{
    if (mesh == nullptr || mesh->vertexCount == 0) {
        return;
    }
    // OpenGL reads matrices by columns, so the orientation's rows, laid out
    // one after another, are exactly the columns of the object's rotation.
    const GLfloat rotation[16] = {
        orientation.m[0], orientation.m[1], orientation.m[2], 0.0f,
        orientation.m[3], orientation.m[4], orientation.m[5], 0.0f,
        orientation.m[6], orientation.m[7], orientation.m[8], 0.0f,
        0.0f,             0.0f,             0.0f,             1.0f,
    };
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(x, y, z);
    glMultMatrixf(rotation);
    glVertexPointer(3, GL_FLOAT, 0, mesh->positions.data());
    glNormalPointer(GL_FLOAT, 0, mesh->normals.data());
    glTexCoordPointer(2, GL_FLOAT, 0, mesh->texCoords.data());
    glBindTexture(GL_TEXTURE_2D, mesh->texture ? mesh->texture->textureId : 0);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(mesh->vertexCount));
    glPopMatrix();
}

}
