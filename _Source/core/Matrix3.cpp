#include "core/Matrix3.h"

namespace dh {

namespace {

Matrix3 product(const Matrix3& a, const Matrix3& b)
{
    Matrix3 result;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            result.m[3 * r + c] = a.m[3 * r] * b.m[c] + a.m[3 * r + 1] * b.m[3 + c]
                                + a.m[3 * r + 2] * b.m[6 + c];
        }
    }
    return result;
}

}

void multiply3(const Matrix3& a, Matrix3& m)
{
    m = product(a, m);
}

void multiply3Right(Matrix3& m, const Matrix3& b)
{
    m = product(m, b);
}

void normalizeColumns(Matrix3& m)
{
    for (int c = 0; c < 3; ++c) {
        m.setColumn(c, normalized(m.column(c)));
    }
}

void reorthonormalize(Matrix3& m)
{
    m.setColumn(1, cross(m.column(2), m.column(0)));
    m.setColumn(2, cross(m.column(0), m.column(1)));
    normalizeColumns(m);
}

Vector3 transform(const Matrix3& m, Vector3 v)
{
    return {dot(m.row(0), v), dot(m.row(1), v), dot(m.row(2), v)};
}

Vector3 transformTransposed(const Matrix3& m, Vector3 v)
{
    return m.row(0) * v.x + m.row(1) * v.y + m.row(2) * v.z;
}

}
