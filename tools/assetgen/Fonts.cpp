#include "AssetGenerators.h"

void generateFonts(const std::filesystem::path&) {}
