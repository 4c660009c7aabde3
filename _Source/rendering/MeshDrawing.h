#pragma once

namespace dh {

class Mesh;
struct Matrix3;

// Draws the mesh with its skin at world position (x, y, z), turned by the
// orientation whose rows are the object's right, up and forward axes, on top
// of the current modelview matrix. The caller enables the vertex, normal and
// texture-coordinate arrays and sets lighting, culling and depth state.
void drawMesh(const Mesh* mesh, const Matrix3& orientation, float x, float y, float z);

}
