#include "AssetGenerators.h"

void generateModels(const std::filesystem::path&) {}
