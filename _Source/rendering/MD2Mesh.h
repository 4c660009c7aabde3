#pragma once
#include "rendering/Mesh.h"

#include <filesystem>
#include <string>

namespace dh {

// A mesh loaded from the first frame of an MD2 file ("IDP2", version 8) with
// its skin from a separate image. Never fails: a missing or broken file gives
// the 512-unit cube, still wearing the skin.
class MD2Mesh : public Mesh {
public:
    // Asset paths such as "mdl/Cargo.md2" and "mdl/gfx/Cargo.gif".
    MD2Mesh(const std::string& meshFile, const std::string& skinFile);
};

// The geometry half of loading: fills the mesh's triangles from the file, or
// makes it the fallback cube and returns false.
bool loadMD2Geometry(const std::filesystem::path& file, Mesh& mesh);

}
