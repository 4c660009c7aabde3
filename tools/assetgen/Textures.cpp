#include "AssetGenerators.h"

void generateTextures(const std::filesystem::path&) {}
