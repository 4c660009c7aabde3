#pragma once

#include <array>

namespace dh {

// 4 x 4 floats in row order: element [r][c] is m[4r + c]. OpenGL reads its
// matrices by columns, so hand this to glLoadTransposeMatrixf (or transpose it).
struct Matrix4 {
    std::array<float, 16> m{1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f,
                            0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
};

// M := A * M
void multiply4(const Matrix4& a, Matrix4& m);

}
