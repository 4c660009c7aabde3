#pragma once
#include "ModelMesh.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace modelgen {

// Byte positions in the file decode to translate + byte * scale per game axis.
struct Md2Grid {
    Vec3 scale;
    Vec3 translate;
};

// The finest grid that holds every vertex of the mesh.
Md2Grid fitGrid(const ModelMesh& mesh);

// One-frame MD2 (ident "IDP2", version 8). The file stores z up, so game y
// and z trade places on the way out; vertex order is kept. Throws when a
// vertex falls off the grid, a triangle collapses on it, or a count exceeds
// what the game loads.
std::vector<std::uint8_t> encodeMd2(const ModelMesh& mesh, const Md2Grid& grid,
                                    const std::string& skinName);

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

}  // namespace modelgen
