#include "AssetGenerators.h"
#include "Models.h"

#include <stdexcept>
#include <string>
#include <utility>

void generateModels(const std::filesystem::path& mdlDir)
{
    using namespace modelgen;
    const std::pair<const char*, BuiltModel (*)()> models[] = {
        {"Commander", buildCommander}, {"Cargo", buildCargo},
        {"Missile", buildMissile},     {"Emp", buildEmp},
        {"Spacestation", buildSpacestation}, {"Ship_Explorer", buildExplorer},
        {"Ship_Fighter", buildFighter},
    };
    for (const auto& [name, build] : models) {
        try {
            const BuiltModel model = build();
            const std::string skin = std::string(name) + ".gif";
            model.skin.write(mdlDir / "gfx" / skin);
            const Md2Grid grid = model.grid ? *model.grid : fitGrid(model.mesh);
            writeBytes(mdlDir / (std::string(name) + ".md2"),
                       encodeMd2(model.mesh, grid, "mdl/gfx/" + skin));
        } catch (const std::exception& e) {
            throw std::runtime_error(std::string(name) + ": " + e.what());
        }
    }
}
