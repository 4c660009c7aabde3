#include "core/Matrix4.h"

namespace dh {

void multiply4(const Matrix4& a, Matrix4& m)
{
    Matrix4 result;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[4 * r + k] * m.m[4 * k + c];
            }
            result.m[4 * r + c] = sum;
        }
    }
    m = result;
}

}
