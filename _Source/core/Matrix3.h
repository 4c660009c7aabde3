#pragma once

#include "core/Vector3.h"

#include <array>

namespace dh {

// 3 x 3 floats in row order: element [r][c] is m[3r + c]. An object's
// orientation keeps its right, up and forward axes in rows 0, 1 and 2.
struct Matrix3 {
    std::array<float, 9> m{1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f};

    Vector3 row(int r) const { return {m[3 * r], m[3 * r + 1], m[3 * r + 2]}; }
    Vector3 column(int c) const { return {m[c], m[3 + c], m[6 + c]}; }
    void setColumn(int c, Vector3 v)
    {
        m[c] = v.x;
        m[3 + c] = v.y;
        m[6 + c] = v.z;
    }
};

// M := A * M
void multiply3(const Matrix3& a, Matrix3& m);
// M := M * B
void multiply3Right(Matrix3& m, const Matrix3& b);
void normalizeColumns(Matrix3& m);
// Rebuilds columns 1 and 2 from column 0 and normalises all three, removing
// the drift that many small rotations leave behind.
void reorthonormalize(Matrix3& m);

// M * v: a world direction in the frame whose axes are M's rows.
Vector3 transform(const Matrix3& m, Vector3 v);
// M^T * v: back from that frame to world directions.
Vector3 transformTransposed(const Matrix3& m, Vector3 v);

}
