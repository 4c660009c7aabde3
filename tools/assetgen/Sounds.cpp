#include "AssetGenerators.h"

void generateSounds(const std::filesystem::path&) {}
