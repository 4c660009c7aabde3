#pragma once
#include "Md2Writer.h"
#include "ModelMesh.h"
#include "SkinCanvas.h"

#include <optional>

namespace modelgen {

struct BuiltModel {
    ModelMesh mesh;
    SkinCanvas skin;
    std::optional<Md2Grid> grid;  // when unset, the grid is fitted to the mesh
};

BuiltModel buildCommander();
BuiltModel buildCargo();
BuiltModel buildMissile();
BuiltModel buildEmp();
BuiltModel buildSpacestation();
BuiltModel buildExplorer();
BuiltModel buildFighter();

}  // namespace modelgen
