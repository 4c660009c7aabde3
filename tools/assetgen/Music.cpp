#include "AssetGenerators.h"

void generateMusic(const std::filesystem::path&) {}
