#include "ModelMesh.h"

#include <cmath>

namespace modelgen {

RegionPicker pickByAxis(const std::array<SkinRegion, 6>& regions)
{
    return [regions](Vec3, Vec3 n) -> const SkinRegion& {
        const float ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
        if (ax >= ay && ax >= az)
            return regions[n.x >= 0 ? 0 : 1];
        if (ay >= az)
            return regions[n.y >= 0 ? 2 : 3];
        return regions[n.z >= 0 ? 4 : 5];
    };
}

void ModelMesh::addSolid(const Solid& solid, const RegionPicker& pick)
{
    for (const Tri& t : solid) {
        const Vec3 centroid = (t[0] + t[1] + t[2]) * (1.0f / 3.0f);
        const SkinRegion& region = pick(centroid, faceNormal(t));
        ModelTriangle out;
        for (int k = 0; k < 3; ++k)
            out[k] = {t[k], region.pixelX(t[k][region.axisA]), region.pixelY(t[k][region.axisB])};
        triangles.push_back(out);
    }
}

}  // namespace modelgen
